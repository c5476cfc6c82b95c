#include "game/steering.h"

#include "platform/platform.h"

void handle_input(spider_data& spider)
{
    // Every key is asked, held or not, before its bound is looked at.
    if (key_down(key_code::right_arrow) &&
        spider.x + SPIDER_RADIUS < WINDOW_WIDTH) {
        spider.x += SPIDER_STEP;
    }
    if (key_down(key_code::left_arrow) && spider.x - SPIDER_RADIUS > 0) {
        spider.x -= SPIDER_STEP;
    }
    if (key_down(key_code::down_arrow) &&
        spider.y + SPIDER_RADIUS < WINDOW_HEIGHT) {
        spider.y += SPIDER_STEP;
    }
    if (key_down(key_code::up_arrow) && spider.y - SPIDER_RADIUS > 0) {
        spider.y -= SPIDER_STEP;
    }
}
