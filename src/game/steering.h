// Steering the spider with the arrow keys. main calls handle_input once a
// frame, before reading the clock; the keys are those taken in by the
// previous frame's process_events.
#pragma once

#include "game/game_data.h"

// Moves the spider SPIDER_STEP pixels along each axis whose arrow key is held.
// key_down is asked exactly four times, right, left, down, up, whatever the
// answers. Each bound is tested on the position before its step, so the disc
// may end up past the bottom or top edge by less than one step.
void handle_input(spider_data& spider);
