// Zelvanor: steer the spider with the arrow keys and catch the fly.

#include <cstdint>
#include <string>

#include "game/drawing.h"
#include "game/fly.h"
#include "game/game_data.h"
#include "game/steering.h"
#include "platform/platform.h"

namespace {
const std::string GAME_TIMER = "GameTimer";
}

int main()
{
    // Set up: the fly's first delay is drawn before the window exists, but
    // counts from the moment the timer starts.
    game_data game{new_spider(), new_fly()};
    open_window("Zelvanor", WINDOW_WIDTH, WINDOW_HEIGHT);
    create_timer(GAME_TIMER);
    start_timer(GAME_TIMER);

    // Loop: each pass acts on the events taken in at the end of the one
    // before, so a close request ends the game before any further drawing.
    while (!quit_requested()) {
        handle_input(game.spider);
        const auto time = static_cast<std::int32_t>(timer_ticks(GAME_TIMER));
        update_game(game, time);
        draw_game(game);
        process_events();
    }

    // Tear down: the window and the timer are left to the platform.
    return 0;
}
