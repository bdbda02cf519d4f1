// The process's one pseudo-random generator: a 32-bit linear congruential state whose draws are
// the same on every system (never the C library's rand()).
#pragma once

#include <cstdint>

// The largest value a draw yields.
constexpr int RANDOM_MAX = 32767;

// Sets the generator's state to `seed`.
void seedRandom(std::uint32_t seed);

// Advances the state to state * 22695477 + 1 (mod 2^32) and returns its bits 16 to 30: 0 to 32767.
int drawRandom();
