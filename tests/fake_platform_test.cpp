#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

// The scripted platform must complain when the game draws numbers the test
// did not expect, or every random-number-order test would pass vacuously.
TEST(fake_platform, complains_about_unscripted_random_numbers)
{
    fake::reset();
    fake::script_rnd({{800, 7}});
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(rnd(600), 7), "where rnd(800)");
    EXPECT_NONFATAL_FAILURE(rnd(800), "beyond the scripted numbers");
}

TEST(fake_platform, records_calls_with_their_arguments_in_order)
{
    fake::reset();
    fake::hold_keys({key_code::left_arrow});
    fake::set_ticks(42);
    EXPECT_TRUE(key_down(key_code::left_arrow));
    EXPECT_FALSE(key_down(key_code::right_arrow));
    EXPECT_EQ(timer_ticks("GameTimer"), 42u);
    fill_circle(color_dark_green(), 1.5, 2, 10);
    EXPECT_EQ(fake::calls(),
              (std::vector<std::string>{
                  "key_down(276)", "key_down(275)", "timer_ticks(GameTimer)",
                  "color_dark_green()", "fill_circle(0,100,0 1.5 2 10)"}));
}

} // namespace
