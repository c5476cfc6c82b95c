#include "game/drawing.h"

#include "platform/platform.h"

void draw_game(const game_data& game)
{
    clear_screen(color_white());
    draw_spider(game.spider);
    draw_fly(game.fly);
    refresh_screen(60);
}

void draw_spider(const spider_data& spider)
{
    fill_circle(color_black(), spider.x, spider.y, SPIDER_RADIUS);
}

void draw_fly(const fly_data& fly)
{
    if (fly.on_screen) {
        fill_circle(color_dark_green(), fly.x, fly.y, FLY_RADIUS);
    }
}
