#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "fake_platform.h"
#include "game/fly.h"
#include "game/game_clock.h"
#include "game/steering.h"
#include "game_invariants.h"

namespace {

// A few minutes of random play, the short form of the long soak, starting a
// minute and a half before the given platform tick.
void play_around(std::uint32_t crossing, unsigned seed)
{
    fake::reset();
    fake::answer_rnd_randomly(seed);
    std::mt19937 player(seed);

    const std::uint32_t start = crossing - 90'000;
    const auto start_time = static_cast<std::int32_t>(start);
    game_data game{{400, 300}, {false, 0, 0, time_after(start_time, 1000), 0}};
    invariant_watch watch;

    int stretch_left = 0;
    for (std::int64_t frame = 0; frame < 3 * 60 * 60; ++frame) {
        if (stretch_left-- == 0) {
            std::vector<key_code> keys;
            for (const key_code key :
                 {key_code::right_arrow, key_code::left_arrow,
                  key_code::down_arrow, key_code::up_arrow}) {
                if (player() % 2 != 0)
                    keys.push_back(key);
            }
            fake::hold_keys(keys);
            stretch_left = static_cast<int>(player() % 120);
        }
        // Elapsed game clock since start, and the platform's wrapping ticks.
        const std::int64_t now = frame * 1000 / 60;
        const auto ticks = static_cast<std::uint32_t>(start + now);
        const game_data before = game;
        handle_input(game.spider);
        update_game(game, static_cast<std::int32_t>(ticks));
        ASSERT_TRUE(check_frame(watch, before, game, now))
            << watch.fault << " (ticks " << ticks << ")";
        fake::clear_calls();
    }
    EXPECT_GT(watch.appearances, 20);
}

TEST(play, keeps_its_rules_across_the_clock_wrapping)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        play_around(0x8000'0000u, seed); // 2^31 ms, 24.9 days
        play_around(0u, seed);           // 2^32 ms, 49.7 days
    }
}

} // namespace
