#include "platform/portable/frame_pacing.h"

#include <chrono>

std::int64_t monotonic_ns()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

std::int64_t frame_period_ns(unsigned int frames_per_second)
{
    if (frames_per_second == 0) {
        return 0;
    }
    const std::int64_t second = 1'000'000'000;
    return (second + frames_per_second - 1) / frames_per_second;
}

std::int64_t next_frame_deadline(frame_pacer& pacer, std::int64_t now_ns,
                                 unsigned int frames_per_second)
{
    const std::int64_t period = frame_period_ns(frames_per_second);
    if (!pacer.running) {
        pacer.running = true;
        pacer.deadline_ns = now_ns + period;
    } else {
        pacer.deadline_ns += period;
        if (pacer.deadline_ns < now_ns) {
            pacer.deadline_ns = now_ns;
        }
    }
    return pacer.deadline_ns;
}
