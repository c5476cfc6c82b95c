// A backend with no window, for the benchmarks and the soak. Everything but
// the window, the keys and showing frames is the portable platform code.

#include "headless_backend.h"

#include "platform/platform.h"
#include "platform/portable/screen.h"

namespace {
unsigned held_arrows;
}

void hold_arrows(unsigned mask) { held_arrows = mask; }

void open_window(const std::string&, int width, int height)
{
    screen_canvas() = make_canvas(width, height, 1);
}

void process_events() {}
bool quit_requested() { return false; }

bool key_down(key_code key)
{
    switch (key) {
    case key_code::right_arrow:
        return (held_arrows & 1) != 0;
    case key_code::left_arrow:
        return (held_arrows & 2) != 0;
    case key_code::down_arrow:
        return (held_arrows & 4) != 0;
    case key_code::up_arrow:
        return (held_arrows & 8) != 0;
    }
    return false;
}

void refresh_screen(unsigned int) {}
