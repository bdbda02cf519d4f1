// Whole-text helpers on top of the ASCII character classes: upper-casing in place and comparing
// without regard to the case of letters.
#include "support/ascii.h"

#include "support/assert.h"

void upperCaseInPlace(char* text) {
  GW_ASSERT(text);
  for (; *text != '\0'; ++text) *text = asciiUpper(*text);
}

bool equalIgnoringCase(const char* a, const char* b) {
  GW_ASSERT(a && b);
  for (; *a != '\0' && asciiUpper(*a) == asciiUpper(*b); ++a, ++b) {
  }
  return asciiUpper(*a) == asciiUpper(*b);
}
