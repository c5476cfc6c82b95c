#include "game/fly.h"

#include "game/game_clock.h"
#include "platform/platform.h"

bool time_to_appear(const fly_data& fly, std::int32_t time)
{
    return !fly.on_screen && time_is_past(time, fly.appear_at);
}

bool time_to_escape(const fly_data& fly, std::int32_t time)
{
    return fly.on_screen && time_is_past(time, fly.escape_at);
}

bool spider_caught_fly(const spider_data& spider, const fly_data& fly)
{
    if (!fly.on_screen) {
        return false;
    }
    return circles_intersect(spider.x, spider.y, SPIDER_RADIUS, fly.x, fly.y,
                             FLY_RADIUS);
}

static void hide_fly(fly_data& fly, std::int32_t time)
{
    fly.on_screen = false;
    fly.appear_at = time_after(time, 1000 + rnd(2000));
}

void update_fly(fly_data& fly, std::int32_t time)
{
    if (time_to_appear(fly, time)) {
        fly.on_screen = true;
        fly.x = rnd(WINDOW_WIDTH);
        fly.y = rnd(WINDOW_HEIGHT);
        fly.escape_at = time_after(time, 2000 + rnd(5000));
    } else if (time_to_escape(fly, time)) {
        hide_fly(fly, time);
    }
}

void update_game(game_data& game, std::int32_t time)
{
    update_fly(game.fly, time);
    if (spider_caught_fly(game.spider, game.fly)) {
        hide_fly(game.fly, time);
    }
}
