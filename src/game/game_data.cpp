#include "game/game_data.h"

#include "platform/platform.h"

spider_data new_spider()
{
    return spider_data{WINDOW_WIDTH / 2, WINDOW_HEIGHT / 2};
}

fly_data new_fly()
{
    fly_data fly{};
    fly.x = rnd(WINDOW_WIDTH);
    fly.y = rnd(WINDOW_HEIGHT);
    fly.on_screen = false;
    fly.appear_at = rnd(2000) + 1000;
    fly.escape_at = 0;
    return fly;
}
