// How the fly comes, goes and is caught. main calls update_game once a frame
// with the game clock, after the spider has moved and before drawing.
#pragma once

#include <cstdint>

#include "game/game_data.h"

// A hidden fly whose appearance time has passed; at appear_at exactly it
// stays hidden.
bool time_to_appear(const fly_data& fly, std::int32_t time);

// A shown fly whose escape time has passed; at escape_at exactly it stays.
bool time_to_escape(const fly_data& fly, std::int32_t time);

// The spider's disc overlaps the shown fly's. A hidden fly is never caught.
bool spider_caught_fly(const spider_data& spider, const fly_data& fly);

// At most one change a call: a due hidden fly appears somewhere new for 2 to
// 7 s; otherwise a due shown fly escapes for 1 to 3 s.
void update_fly(fly_data& fly, std::int32_t time);

// Advances the fly, then sends a caught fly away for 1 to 3 s.
void update_game(game_data& game, std::int32_t time);
