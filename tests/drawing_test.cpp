#include <gtest/gtest.h>

#include <vector>

#include "fake_platform.h"
#include "game/drawing.h"

namespace {

TEST(drawing, a_frame_is_background_spider_fly_then_shown)
{
    fake::reset();
    draw_game(game_data{{775, 576}, fly_data{true, 0, 599, 0, 9000}});

    EXPECT_EQ(fake::calls(),
              (std::vector<std::string>{
                  "color_white()", "clear_screen(255,255,255)", "color_black()",
                  "fill_circle(0,0,0 775 576 25)", "color_dark_green()",
                  "fill_circle(0,100,0 0 599 10)", "refresh_screen(60)"}));
}

TEST(drawing, a_hidden_fly_is_not_drawn_wherever_it_is)
{
    fake::reset();
    draw_game(game_data{{400, 300}, fly_data{false, 400, 300, 5000, 0}});

    EXPECT_EQ(fake::calls(),
              (std::vector<std::string>{
                  "color_white()", "clear_screen(255,255,255)", "color_black()",
                  "fill_circle(0,0,0 400 300 25)", "refresh_screen(60)"}));
}

} // namespace
