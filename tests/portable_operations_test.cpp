#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/portable/screen.h"

namespace {

TEST(portable_operations, colours_of_the_picture)
{
    EXPECT_EQ(color_white(), (color{255, 255, 255}));
    EXPECT_EQ(color_black(), (color{0, 0, 0}));
    EXPECT_EQ(color_dark_green(), (color{0, 100, 0}));
}

TEST(portable_operations, touching_circles_intersect)
{
    struct pair_case {
        double x1, y1, r1, x2, y2, r2;
        bool overlap;
    };
    for (const auto c : {pair_case{400, 300, 25, 400, 300, 10, true},
                         pair_case{400, 300, 25, 435, 300, 10, true},
                         pair_case{400, 300, 25, 435.001, 300, 10, false},
                         pair_case{0, 0, 25, 21, 28, 10, true}, // 35 apart
                         pair_case{0, 0, 25, 21, 28.01, 10, false},
                         pair_case{-5, -5, 1, 5, 5, 1, false}}) {
        EXPECT_EQ(circles_intersect(c.x1, c.y1, c.r1, c.x2, c.y2, c.r2),
                  c.overlap)
            << c.x2 << "," << c.y2;
        EXPECT_EQ(circles_intersect(c.x2, c.y2, c.r2, c.x1, c.y1, c.r1),
                  c.overlap);
    }
}

TEST(portable_operations, rnd_draws_within_its_bound)
{
    EXPECT_EQ(rnd(0), 0);
    EXPECT_EQ(rnd(-3), 0);
    for (int i = 0; i < 1000; ++i) {
        const int value = rnd(800);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 800);
    }
}

TEST(portable_operations, timers_by_name_on_the_real_clock)
{
    EXPECT_EQ(timer_ticks("NeverMade"), 0u);
    create_timer("GameTimer");
    EXPECT_EQ(timer_ticks("GameTimer"), 0u);
    start_timer("GameTimer");
    EXPECT_LT(timer_ticks("GameTimer"), 1000u);
}

TEST(portable_operations, drawing_goes_to_the_screen_canvas)
{
    screen_canvas() = make_canvas(800, 600, 1);
    clear_screen(color_dark_green());
    fill_circle(color_black(), 400, 300, 25);
    const canvas& screen = screen_canvas();
    EXPECT_EQ(screen.pixels[300 * 800 + 400], pack_pixel(color_black()));
    EXPECT_EQ(screen.pixels[0], pack_pixel(color_dark_green()));
}

} // namespace
