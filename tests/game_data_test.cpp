#include <gtest/gtest.h>

#include "fake_platform.h"
#include "game/game_data.h"

namespace {

class starting_state : public testing::Test {
  protected:
    void SetUp() override { fake::reset(); }
};

TEST_F(starting_state, spider_starts_at_the_centre_without_random_numbers)
{
    const spider_data spider = new_spider();
    EXPECT_EQ(spider.x, 400);
    EXPECT_EQ(spider.y, 300);
    EXPECT_TRUE(fake::calls().empty());
}

struct new_fly_case {
    int x;
    int y;
    int delay;
    std::int32_t appear_at;
};

class new_fly_draws : public starting_state,
                      public testing::WithParamInterface<new_fly_case> {};

TEST_P(new_fly_draws, x_then_y_then_delay_and_stays_hidden)
{
    const auto c = GetParam();
    fake::script_rnd({{800, c.x}, {600, c.y}, {2000, c.delay}});

    const fly_data fly = new_fly();

    EXPECT_FALSE(fly.on_screen);
    EXPECT_EQ(fly.x, c.x);
    EXPECT_EQ(fly.y, c.y);
    EXPECT_EQ(fly.appear_at, c.appear_at);
    EXPECT_EQ(fly.escape_at, 0);
    EXPECT_EQ(fake::rnd_left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(lowest_and_highest, new_fly_draws,
                         testing::Values(new_fly_case{0, 0, 0, 1000},
                                         new_fly_case{799, 599, 1999, 2999}));

} // namespace
