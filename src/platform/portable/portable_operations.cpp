// The platform operations that are the same on every system: colours, random
// numbers, named timers and drawing into the screen canvas.
// The backends supply the rest: the window, events, keys and showing frames.

#include "platform/platform.h"
#include "platform/portable/canvas.h"
#include "platform/portable/frame_pacing.h"
#include "platform/portable/named_timers.h"
#include "platform/portable/random_numbers.h"
#include "platform/portable/screen.h"

namespace {

struct portable_state {
    canvas screen;
    timer_table timers;
    std::mt19937 generator = seeded_generator();
};

portable_state& state()
{
    static portable_state the_state;
    return the_state;
}

} // namespace

canvas& screen_canvas() { return state().screen; }

color color_white() { return {255, 255, 255}; }
color color_black() { return {0, 0, 0}; }
color color_dark_green() { return {0, 100, 0}; }

void clear_screen(color fill) { clear_canvas(state().screen, fill); }

void fill_circle(color fill, double x, double y, double radius)
{
    fill_disc(state().screen, fill, x, y, radius);
}

int rnd(int bound) { return draw_below(state().generator, bound); }

void create_timer(std::string name) { add_timer(state().timers, name); }

void start_timer(std::string name)
{
    start_named_timer(state().timers, name, monotonic_ns());
}

std::uint32_t timer_ticks(std::string name)
{
    return named_timer_ticks(state().timers, name, monotonic_ns());
}
