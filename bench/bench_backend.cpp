// A backend with no window for the micro-benchmarks: a player holding keys
// in turn, and frames shown nowhere. Linked only into frame_work_bench.

#include "platform/platform.h"
#include "platform/portable/screen.h"

namespace {
unsigned long calls;
}

void open_window(const std::string&, int width, int height)
{
    screen_canvas() = make_canvas(width, height, 1);
}

void process_events() {}
bool quit_requested() { return false; }

// Each arrow held for a second at a time, in turn.
bool key_down(key_code key)
{
    ++calls;
    const auto held = static_cast<int>(key_code::up_arrow) +
                      static_cast<int>(calls / 4 / 60 % 4);
    return static_cast<int>(key) == held;
}

void refresh_screen(unsigned int) {}
