// The secret-word picker on small words files made in a temporary working folder, with the clock
// fixed so that each pick can be reproduced.
#include "app/pick.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/clock.h"
#include "support/tempfolder.h"

namespace {

std::string sizeLine(const std::string& words) {
  return "Words file is " + std::to_string(words.size()) + " bytes long\n";
}

class PickTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.enter(); }
  void TearDown() override { releaseClock(); }

  // Picks from `words` (no file when null) with the clock fixed at `seconds`; the standard output
  // of the pick goes to `printed`.
  bool pick(const char* words, int letterCount, std::int64_t seconds) {
    if (words != nullptr)
      folder.write("words.txt", words);
    else
      std::filesystem::remove(folder.path("words.txt"));
    fixClock(seconds);
    ::testing::internal::CaptureStdout();
    bool picked = PickSecretWord(letterCount, word);
    printed = ::testing::internal::GetCapturedStdout();
    return picked;
  }

  TempFolder folder;
  char word[GAME_TEXT_SIZE] = {};
  std::string printed;
};

TEST_F(PickTest, TakesTheFirstWholeWordAfterTheLineTheDrawsLandIn) {
  std::string cut = "X\n";
  for (int i = 0; i < 600; ++i) cut += "ABC\n";
  cut += "APPLEX\n";
  for (int i = 0; i < 10; ++i) cut += "ABC\n";
  cut += "BERRY\n";
  ASSERT_EQ(cut.find("APPLEX") + 5 - 2047, 360u);
  const struct {
    std::string words;
    std::int64_t from, to;  // the clocks tried
    const char* expected;
  } rows[] = {
      // Clock 1 draws 346 and 130: (130 * 65536 + 346) % 60 = 26, inside the fifth line.
      {"AAAAA\nBBBBB\nCCCCC\nDDDDD\nEEEEE\nFFFFF\nGGGGG\nHHHHH\nIIIII\nJJJJJ\n", 1, 1, "FFFFF"},
      // Clock 138 gives offset 360, whose 2047 characters end with "APPLE" of the line "APPLEX":
      // that cut piece is passed over.
      {cut, 138, 138, "BERRY"},
      // Files where any clock can reach only one word:
      {"APPLE\nAB\nBERRY\n", 0, 99, "BERRY"},          // the first line is never taken
      {"A\nBERRY", 0, 99, "BERRY"},                    // an unended last line at the end
      {"A\r\nAB\r\nBERRY\r\nCD\r\n", 0, 99, "BERRY"},  // CR LF line ends
      {"APPLE\nAB\nABC\n", 0, 99, "APPLE"},            // only on the first line: the final pass
  };
  for (const auto& row : rows) {
    for (std::int64_t seconds = row.from; seconds <= row.to; ++seconds) {
      ASSERT_TRUE(pick(row.words.c_str(), 5, seconds)) << row.expected << " at " << seconds;
      ASSERT_STREQ(word, row.expected) << "at " << seconds;
      ASSERT_EQ(printed, sizeLine(row.words));
    }
  }
}

TEST_F(PickTest, GivesUpWhenNoWordFitsOrTheFileIsMissing) {
  for (const char* words : {"", "A\nAB\nABCD\n", static_cast<const char*>(nullptr)}) {
    EXPECT_FALSE(pick(words, 5, 3));
    EXPECT_STREQ(word, "error");
    EXPECT_EQ(printed, words != nullptr ? sizeLine(words) : "");
  }
}

}  // namespace
