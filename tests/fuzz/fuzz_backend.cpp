// The platform for the fuzz target: keys held and random numbers come from
// the fuzzer's bytes; the circle geometry is the real one. Nothing is drawn.

#include "fuzz_backend.h"

#include "platform/platform.h"

namespace {
fuzz_input* input = nullptr;
unsigned held_arrows = 0;
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
void hold_arrows(unsigned mask) { held_arrows = mask; }

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

// Any whole number in [0, bound), the lowest and highest included.
int rnd(int bound)
{
    if (bound <= 0 || input == nullptr) {
        return 0;
    }
    return static_cast<int>(take_bytes(*input, 2) %
                            static_cast<std::uint32_t>(bound));
}
