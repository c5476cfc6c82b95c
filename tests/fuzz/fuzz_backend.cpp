// The platform for the fuzz target: keys held and random numbers come from
// the fuzzer's bytes; the circle geometry is the real one. Nothing is drawn.

#include "fuzz_backend.h"

#include "arrow_mask.h"
#include "platform/platform.h"

namespace {
fuzz_input* input = nullptr;
arrow_keys held;
} // namespace

std::uint32_t take_bytes(fuzz_input& from, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value <<= 8;
        if (from.size > 0) {
            value |= *from.data++;
            --from.size;
        }
    }
    return value;
}

void play_from(fuzz_input& from) { input = &from; }
void hold_arrows(unsigned mask) { held = arrows_from_mask(mask); }

void open_window(const std::string&, int, int) {}
void process_events() {}
bool quit_requested() { return false; }
void create_timer(std::string) {}
void start_timer(std::string) {}
std::uint32_t timer_ticks(std::string) { return 0; }
color color_white() { return {255, 255, 255}; }
color color_black() { return {0, 0, 0}; }
color color_dark_green() { return {0, 100, 0}; }
void clear_screen(color) {}
void fill_circle(color, double, double, double) {}
void refresh_screen(unsigned int) {}

bool key_down(key_code key) { return arrow_held(held, key); }

// Any whole number in [0, bound), the lowest and highest included.
int rnd(int bound)
{
    if (bound <= 0 || input == nullptr) {
        return 0;
    }
    return static_cast<int>(take_bytes(*input, 2) %
                            static_cast<std::uint32_t>(bound));
}
