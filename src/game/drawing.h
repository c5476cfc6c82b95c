// Drawing one frame: a white background, the black spider and, while it is
// shown, the dark-green fly on top. main calls draw_game once a frame.
#pragma once

#include "game/game_data.h"

// Clears, draws spider then fly, and shows the frame at up to 60 a second.
void draw_game(const game_data& game);

void draw_spider(const spider_data& spider);

// Draws nothing for a hidden fly.
void draw_fly(const fly_data& fly);
