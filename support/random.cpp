// The pseudo-random generator behind every draw of the game: secret-word offsets and the disk
// dictionary's random words. One state for the whole process.
#include "support/random.h"

namespace {
std::uint32_t state = 1;
}

void seedRandom(std::uint32_t seed) { state = seed; }

int drawRandom() {
  state = state * 22695477u + 1u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}
