// The atoi-style number reader: the arithmetic is done on an unsigned 32-bit value so that a
// number too large for an int wraps instead of overflowing.
#include "support/number.h"

#include <cstdint>

#include "support/ascii.h"
#include "support/assert.h"

int parseLeadingInt(const char* text) {
  GW_ASSERT(text);
  while (isAsciiSpace(*text)) ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  std::uint32_t value = 0;
  for (; isAsciiDigit(*text); ++text) value = value * 10u + static_cast<std::uint32_t>(*text - '0');
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}
