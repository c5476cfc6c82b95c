// What must hold after every frame of play, whatever the keys, the clock and
// the random numbers: the checks shared by the long soak, the fuzz target and
// the unit tests.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_data.h"

// Follows one game from its start. Times are milliseconds of game clock since
// the timer started, counted without wrapping.
struct invariant_watch {
    std::int64_t previous_time = 0;
    std::int64_t hidden_since = 0; // the fly starts hidden at time 0
    std::int64_t shown_since = 0;
    long catches = 0;
    long appearances = 0;
    std::string fault; // what went wrong first, if anything
};

// Checks one frame: the state before and after handle_input and update_game
// at time now. False, with watch.fault set, when something is wrong.
bool check_frame(invariant_watch& watch, const game_data& before,
                 const game_data& after, std::int64_t now);

// The spider stands where the arrow keys can bring it from the start.
bool on_spider_lattice(const spider_data& spider);
