#include <gtest/gtest.h>

#include "platform/portable/named_timers.h"

namespace {

constexpr std::int64_t ms = 1'000'000;

TEST(named_timers, count_whole_milliseconds_from_their_start)
{
    timer_table table;
    add_timer(table, "GameTimer");
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 50 * ms), 0u)
        << "not started yet";
    start_named_timer(table, "GameTimer", 100 * ms);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 100 * ms), 0u);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 101 * ms - 1), 0u);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 101 * ms), 1u);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 2'100 * ms), 2'000u);
}

TEST(named_timers, unknown_names_read_zero_and_names_are_kept_apart)
{
    timer_table table;
    add_timer(table, "GameTimer");
    add_timer(table, "GameTimer");
    add_timer(table, "Other");
    EXPECT_EQ(table.timers.size(), 2u);
    start_named_timer(table, "GameTimer", 0);
    start_named_timer(table, "Nobody", 0);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 7 * ms), 7u);
    EXPECT_EQ(named_timer_ticks(table, "Other", 7 * ms), 0u);
    EXPECT_EQ(named_timer_ticks(table, "Nobody", 7 * ms), 0u);
}

TEST(named_timers, starting_again_restarts_from_zero)
{
    timer_table table;
    add_timer(table, "GameTimer");
    start_named_timer(table, "GameTimer", 0);
    start_named_timer(table, "GameTimer", 500 * ms);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", 600 * ms), 100u);
}

TEST(named_timers, wrap_after_two_to_the_thirty_two_milliseconds)
{
    timer_table table;
    add_timer(table, "GameTimer");
    start_named_timer(table, "GameTimer", 0);
    const std::int64_t wrap = std::int64_t{1} << 32;
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", (wrap - 1) * ms),
              0xFFFF'FFFFu);
    EXPECT_EQ(named_timer_ticks(table, "GameTimer", (wrap + 5) * ms), 5u);
}

} // namespace
