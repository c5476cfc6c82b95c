// Uniform random whole numbers for the game, seeded once per run.
#pragma once

#include <random>

// A generator seeded from the operating system's entropy.
std::mt19937 seeded_generator();

// Uniform on [0, bound) without modulo bias; 0 when bound <= 0.
int draw_below(std::mt19937& generator, int bound);
