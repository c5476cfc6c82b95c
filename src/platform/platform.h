// The fifteen operations through which the game reaches its window, keyboard,
// clock, drawing and random numbers. Each backend is one more source file
// behind this header, chosen at link time; the game never sees which.
#pragma once

#include <cstdint>
#include <string>

struct color {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const color&, const color&) = default;
};

// The key codes the game asks about; any other code is never held.
enum class key_code : int {
    up_arrow = 273,
    down_arrow = 274,
    right_arrow = 275,
    left_arrow = 276,
};

// main, once at start-up: opens the one window, width x height pixels, with
// that caption; all drawing targets it.
void open_window(const std::string& caption, int width, int height);

// main, at the end of every frame: takes in the keyboard and window events
// that arrived since the last call.
void process_events();

// main, at the head of every frame: the player has asked to close the window
// (also SIGINT and SIGTERM where the system has them).
bool quit_requested();

// handle_input, four times a frame: the key is held, as of the last
// process_events.
bool key_down(key_code key);

// main, once at start-up: a timer of that name exists, not yet started.
void create_timer(std::string name);

// main, once at start-up: the named timer counts from zero from now on.
void start_timer(std::string name);

// main, once a frame: whole milliseconds since the named timer started, on a
// monotonic clock, wrapping after 2^32 ms (about 49.7 days); 0 for a timer
// that does not exist or has not been started.
std::uint32_t timer_ticks(std::string name);

// draw_game and draw_spider / draw_fly: the three colours of the picture.
color color_white();
color color_black();
color color_dark_green();

// draw_game, once a frame: the whole drawing surface takes that colour.
void clear_screen(color fill);

// draw_spider and draw_fly: a filled disc centred at (x, y) in window pixels,
// x to the right and y downward from the top-left corner; any position is
// allowed, what falls outside the window is not drawn.
void fill_circle(color fill, double x, double y, double radius);

// draw_game, last in every frame: shows what was drawn since the last call,
// then waits so that frames come no faster than frames_per_second (60).
void refresh_screen(unsigned int frames_per_second);

// spider_caught_fly: the two circles overlap; circles that only touch count.
bool circles_intersect(double x1, double y1, double r1, double x2, double y2,
                       double r2);

// new_fly and update_fly / update_game: a uniform whole number in [0, bound),
// or 0 when bound <= 0.
int rnd(int bound);
