// The fuzz target's platform: arbitrary bytes become held keys and random
// numbers.
#pragma once

#include <cstddef>
#include <cstdint>

struct fuzz_input {
    const std::uint8_t* data;
    std::size_t size;
};

// The next count bytes, big-endian; zeros once the input runs out.
std::uint32_t take_bytes(fuzz_input& from, int count);

// rnd answers from these bytes from now on.
void play_from(fuzz_input& from);

// Bit 0 right, 1 left, 2 down, 3 up.
void hold_arrows(unsigned mask);
