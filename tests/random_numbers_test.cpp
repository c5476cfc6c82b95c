#include <gtest/gtest.h>

#include <vector>

#include "platform/portable/random_numbers.h"

namespace {

TEST(random_numbers, stay_below_the_bound_and_reach_every_value)
{
    std::mt19937 generator(7);
    for (const int bound : {1, 2, 3, 800, 2000}) {
        std::vector<int> seen(static_cast<std::size_t>(bound));
        for (int i = 0; i < 200 * bound; ++i) {
            const int value = draw_below(generator, bound);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, bound);
            ++seen[static_cast<std::size_t>(value)];
        }
        for (const int count : seen) {
            ASSERT_GT(count, 0) << "bound " << bound;
        }
    }
}

TEST(random_numbers, no_bound_gives_zero)
{
    std::mt19937 generator(7);
    for (const int bound : {0, -1, -2'000'000'000}) {
        EXPECT_EQ(draw_below(generator, bound), 0);
    }
}

// A bound just over two thirds of the generator's range is where a modulo
// would favour the low third twice over.
TEST(random_numbers, are_not_biased_towards_low_values)
{
    std::mt19937 generator(11);
    const int bound = 1'500'000'000;
    int low = 0;
    const int draws = 60'000;
    for (int i = 0; i < draws; ++i) {
        low += draw_below(generator, bound) < bound / 2;
    }
    EXPECT_NEAR(low, draws / 2, 600);
}

TEST(random_numbers, each_run_is_seeded_afresh)
{
    std::mt19937 first = seeded_generator();
    std::mt19937 second = seeded_generator();
    std::vector<int> a, b;
    for (int i = 0; i < 8; ++i) {
        a.push_back(draw_below(first, 1'000'000));
        b.push_back(draw_below(second, 1'000'000));
    }
    EXPECT_NE(a, b);
}

} // namespace
