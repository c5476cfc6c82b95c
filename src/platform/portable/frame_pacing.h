// When to show the next frame so that frames come no faster than asked.
#pragma once

#include <cstdint>

// Nanoseconds on the monotonic clock the backends sleep on.
std::int64_t monotonic_ns();

// Frame deadlines, each one period after the one before.
struct frame_pacer {
    bool running = false;
    std::int64_t deadline_ns = 0;
};

// One frame at frames_per_second, rounded up to a whole nanosecond so that
// the rate never exceeds the one asked; 0 (no waiting) for 0.
std::int64_t frame_period_ns(unsigned int frames_per_second);

// Called when a frame has been shown at now_ns: the moment to sleep until.
// A frame that is already past its deadline starts the count afresh from
// now, so one slow frame never makes the next ones burst to catch up.
std::int64_t next_frame_deadline(frame_pacer& pacer, std::int64_t now_ns,
                                 unsigned int frames_per_second);
