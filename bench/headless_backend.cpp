// A backend with no window, for the benchmarks and the soak. Everything but
// the window, the keys and showing frames is the portable platform code.

#include "headless_backend.h"

#include "arrow_mask.h"
#include "platform/platform.h"
#include "platform/portable/screen.h"

namespace {
arrow_keys held;
}

void hold_arrows(unsigned mask) { held = arrows_from_mask(mask); }

void open_window(const std::string&, int width, int height)
{
    screen_canvas() = make_canvas(width, height, 1);
}

void process_events() {}
bool quit_requested() { return false; }

bool key_down(key_code key) { return arrow_held(held, key); }

void refresh_screen(unsigned int) {}
