// The atoi-style number reader: the arithmetic is done on the unsigned type of the result's width,
// so that a number too large for the result wraps instead of overflowing.
#include "support/number.h"

#include <type_traits>

#include "support/ascii.h"
#include "support/assert.h"

namespace {

template <typename Number>
Number parseLeading(const char* text) {
  using Unsigned = std::make_unsigned_t<Number>;
  GW_ASSERT(text);
  while (isAsciiSpace(*text)) ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  Unsigned value = 0;
  for (; isAsciiDigit(*text); ++text) value = value * 10u + static_cast<Unsigned>(*text - '0');
  if (negative) value = 0u - value;
  return static_cast<Number>(value);
}

}  // namespace

int parseLeadingInt(const char* text) { return parseLeading<int>(text); }

long parseLeadingLong(const char* text) { return parseLeading<long>(text); }
