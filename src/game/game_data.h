// The whole state of a running game, its fixed constants and its starting
// values. One game_data lives in main for the whole run.
#pragma once

#include <cstdint>

inline constexpr int WINDOW_WIDTH = 800;
inline constexpr int WINDOW_HEIGHT = 600;
inline constexpr double SPIDER_RADIUS = 25;
inline constexpr double SPIDER_STEP = 3;
inline constexpr double FLY_RADIUS = 10;

// Positions are window pixels, x to the right and y downward, and each is the
// centre of a disc.
struct spider_data {
    double x;
    double y;
};

// Times are game-clock milliseconds (see game_clock.h).
struct fly_data {
    bool on_screen;
    double x;
    double y;
    std::int32_t appear_at; // read only while hidden
    std::int32_t escape_at; // read only while shown
};

struct game_data {
    spider_data spider;
    fly_data fly;
};

// The spider starts at the window's centre.
spider_data new_spider();

// A hidden fly due to appear 1 to 3 s after the clock starts. Draws three
// random numbers: x, y, delay. Its x and y are never shown: it takes a fresh
// place when it appears.
fly_data new_fly();
