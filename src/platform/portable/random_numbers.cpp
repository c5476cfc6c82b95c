#include "platform/portable/random_numbers.h"

std::mt19937 seeded_generator()
{
    std::random_device entropy;
    std::seed_seq seed{entropy(), entropy(), entropy(), entropy()};
    return std::mt19937(seed);
}

int draw_below(std::mt19937& generator, int bound)
{
    if (bound <= 0) {
        return 0;
    }
    // The distribution rejects the generator's uneven top range, so every
    // value below bound is equally likely.
    return std::uniform_int_distribution<int>(0, bound - 1)(generator);
}
