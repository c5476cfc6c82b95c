#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "fake_platform.h"
#include "game/fly.h"
#include "game/game_clock.h"

namespace {

class fly_rules : public testing::Test {
  protected:
    void SetUp() override { fake::reset(); }
};

fly_data hidden_fly(std::int32_t appear_at)
{
    return fly_data{false, 0, 0, appear_at, 0};
}

fly_data shown_fly(double x, double y, std::int32_t escape_at)
{
    return fly_data{true, x, y, 0, escape_at};
}

TEST_F(fly_rules, due_times_are_strict)
{
    struct due_case {
        std::int32_t due;
        std::int32_t time;
        bool past;
    };
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t min = std::numeric_limits<std::int32_t>::min();
    for (const auto c :
         {due_case{5000, 4999, false}, due_case{5000, 5000, false},
          due_case{5000, 5001, true},
          // A due time formed just past 2^31 ms wraps negative.
          due_case{min + 10, max, false}, due_case{min + 10, min + 10, false},
          due_case{min + 10, min + 11, true}, due_case{5, -1, false},
          due_case{5, 6, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "due " << c.due << " time " << c.time);
        EXPECT_EQ(time_to_appear(hidden_fly(c.due), c.time), c.past);
        EXPECT_EQ(time_to_escape(shown_fly(0, 0, c.due), c.time), c.past);
        // Each question only concerns the state it names.
        EXPECT_FALSE(time_to_appear(shown_fly(0, 0, c.due), c.time));
        EXPECT_FALSE(time_to_escape(hidden_fly(c.due), c.time));
    }
}

TEST_F(fly_rules, due_times_wrap_past_the_end_of_the_clock)
{
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(time_after(max - 999, 2000),
              std::numeric_limits<std::int32_t>::min() + 1000);
    EXPECT_EQ(time_after(1, 2999), 3000);
}

TEST_F(fly_rules, a_fly_appearing_on_the_spider_is_caught_at_once)
{
    game_data game{{400, 300}, hidden_fly(100)};
    fake::script_rnd({{800, 410}, {600, 290}, {5000, 123}, {2000, 456}});

    update_game(game, 101);

    EXPECT_EQ(fake::calls_named({"rnd", "circles_intersect"}),
              (std::vector<std::string>{
                  "rnd(800)", "rnd(600)", "rnd(5000)",
                  "circles_intersect(400 300 25 410 290 10)", "rnd(2000)"}));
    EXPECT_FALSE(game.fly.on_screen);
    EXPECT_EQ(game.fly.appear_at, 101 + 1000 + 456);
    // A catch leaves the rest as it was.
    EXPECT_EQ(game.fly.x, 410);
    EXPECT_EQ(game.fly.y, 290);
    EXPECT_EQ(game.fly.escape_at, 101 + 2000 + 123);
    EXPECT_EQ(game.spider.x, 400);
    EXPECT_EQ(game.spider.y, 300);
}

TEST_F(fly_rules, a_fly_appearing_away_from_the_spider_stays_for_its_stay)
{
    game_data game{{400, 300}, hidden_fly(100)};
    fake::script_rnd({{800, 700}, {600, 50}, {5000, 4999}});

    update_game(game, 101);

    EXPECT_TRUE(game.fly.on_screen);
    EXPECT_EQ(game.fly.escape_at, 101 + 2000 + 4999);
    EXPECT_EQ(fake::rnd_left(), 0u);
}

TEST_F(fly_rules, a_hidden_fly_under_the_spider_is_never_caught)
{
    game_data game{{400, 300}, fly_data{false, 400, 300, 5000, 0}};

    update_game(game, 4000);

    EXPECT_FALSE(game.fly.on_screen);
    EXPECT_EQ(game.fly.appear_at, 5000);
    EXPECT_TRUE(fake::calls_named({"rnd", "circles_intersect"}).empty());
}

TEST_F(fly_rules, an_escaping_fly_is_gone_before_the_catch_test)
{
    game_data game{{400, 300}, shown_fly(400, 300, 5000)};
    fake::script_rnd({{2000, 1999}});

    update_game(game, 5001);

    EXPECT_FALSE(game.fly.on_screen);
    EXPECT_EQ(game.fly.appear_at, 5001 + 1000 + 1999);
    EXPECT_EQ(fake::calls_named({"rnd", "circles_intersect"}),
              std::vector<std::string>{"rnd(2000)"});
}

// The moments, in platform ticks, at which the fly changed state while the
// clock ran one tick at a time over [first_tick, first_tick + length).
struct change {
    std::uint32_t tick;
    bool shown;
    friend bool operator==(const change&, const change&) = default;
};

std::vector<change> replay(game_data& game, std::uint32_t first_tick,
                           std::uint32_t length)
{
    std::vector<change> changes;
    for (std::uint32_t step = 0; step < length; ++step) {
        const std::uint32_t tick = first_tick + step; // wraps at 2^32
        const fly_data before = game.fly;
        update_game(game, static_cast<std::int32_t>(tick));
        const fly_data& after = game.fly;
        if (after.on_screen != before.on_screen ||
            after.appear_at != before.appear_at ||
            after.escape_at != before.escape_at) {
            changes.push_back({tick, after.on_screen});
        }
    }
    return changes;
}

// With every random number 0 a fly appearing at t escapes at t + 2001, and one
// escaping at u appears again at u + 1001: the changes a replay from a fly
// due at start + 1000 must show.
std::vector<change> cycles(std::uint32_t start, std::uint32_t length)
{
    std::vector<change> expected;
    std::uint32_t offset = 1001;
    while (offset < length) {
        expected.push_back({start + offset, true});
        offset += 2001;
        if (offset < length) {
            expected.push_back({start + offset, false});
        }
        offset += 1001;
    }
    return expected;
}

class clock_crossing : public fly_rules,
                       public testing::WithParamInterface<std::uint32_t> {};

TEST_P(clock_crossing, the_fly_keeps_cycling_on_time)
{
    // A fly that escaped a minute before the crossing point.
    const std::uint32_t start = GetParam() - 60'000;
    game_data game{
        {400, 300},
        hidden_fly(time_after(static_cast<std::int32_t>(start), 1000))};
    fake::answer_rnd_lowest();

    const std::vector<change> changes = replay(game, start, 120'000);

    EXPECT_EQ(changes, cycles(start, 120'000));
    EXPECT_GT(changes.size(), 70u);
}

INSTANTIATE_TEST_SUITE_P(from_start_past_2_to_31_and_2_to_32, clock_crossing,
                         testing::Values(60'000u, 0x8000'0000u, 0u));

TEST_F(fly_rules, a_spider_in_the_corner_catches_every_fly_as_it_appears)
{
    // With every random number 0 each fly appears at (0, 0), under the spider.
    game_data game{{25, 24}, hidden_fly(1000)};
    fake::answer_rnd_lowest();

    const std::vector<change> changes = replay(game, 0, 10'000);

    std::vector<change> expected;
    for (std::uint32_t t = 1001; t < 10'000; t += 1001) {
        expected.push_back({t, false});
    }
    EXPECT_EQ(changes, expected);
}

} // namespace
