// The leading-number reader against the rows that matter for the letter-count prompt, including
// the whitespace set, signs and 32-bit wrap-around.
#include "support/number.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberTest, ReadsTheLeadingNumberLikeAtoi) {
  struct Row {
    const char* text;
    int value;
  };
  const Row rows[] = {
      {"7 letters", 7},
      {" 5", 5},
      {"abc", 0},
      {"", 0},
      {"-12", -12},
      {"+3", 3},
      {"\t\n\v\f\r 9", 9},
      {"- 5", 0},
      {"+-5", 0},
      {"0x10", 0},
      {"\x85+5", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},
      {"4294967297", 1},
      {"-4294967295", 1},
  };
  for (const Row& row : rows) EXPECT_EQ(parseLeadingInt(row.text), row.value) << row.text;
}

}  // namespace
