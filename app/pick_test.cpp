// The secret-word picker on small words files made in a temporary working folder, with the clock
// fixed so that each pick can be reproduced; junk lines, and words files changed during a game.
#include "app/pick.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/clock.h"
#include "support/tempfolder.h"
#include "support/textfile.h"

namespace {

using namespace std::string_literals;

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
    return pickNow(letterCount, seconds) == PickResult::Picked;
  }

  // Picks from the words file as it is now.
  PickResult pickNow(int letterCount, std::int64_t seconds) {
    fixClock(seconds);
    ::testing::internal::CaptureStdout();
    PickResult result = PickWord(letterCount, word);
    printed = ::testing::internal::GetCapturedStdout();
    return result;
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

// Lines that are no playable word are never taken, nor is anything after the text's end, in the
// random tries or in the pass from the start.
TEST_F(PickTest, TakesOnlyWholeLinesOfUpperCaseLetters) {
  const std::string q259(259, 'Q');
  const struct {
    std::string words;
    std::int64_t from, to;  // the clocks tried
    const char* expected;   // "error": no word
  } rows[] = {
      {"X\n\0\0\0\0\n\x80\x81\x82\x83\nwork\nWO\x01K\nWORD\n"s, 0, 99, "WORD"},
      {"X\n" + q259 + "\nWORD\n", 0, 99, "WORD"},  // not the 4 Q that end the long line
      {"X\nABLE\n\x1AWORD\n", 0, 99, "ABLE"},
      {"ABLE\n\x1AX\nWORD\n", 5, 5, "ABLE"},  // only in the pass from the start
      {"X\n" + q259 + "\n\0\0\0\0\n\n\n\nab\xC9z\n"s, 5, 5, "error"},
  };
  for (const auto& row : rows) {
    folder.write("words.txt", row.words);
    for (std::int64_t seconds = row.from; seconds <= row.to; ++seconds) {
      pickNow(4, seconds);
      ASSERT_STREQ(word, row.expected) << "at " << seconds;
    }
  }
}

// While the game holds the words file open, it is changed; the next pick opens it anew. The game's
// handle is closed before the pick: Wine, unlike Windows, still opens a removed file by its name
// while a handle to it is open.
TEST_F(PickTest, PicksFromTheWordsFileAsItIsAtThePick) {
  std::string list;
  for (const char* line : {"ABLE\n", "ZOOM\n"}) {
    for (int i = 0; i < 100; ++i) list += line;
  }
  const struct {
    const char* change;
    void (*apply)(const std::string& path);
    PickResult result;
    const char* expected;
    const char* printed;
  } rows[] = {
      {"removed", [](const std::string& path) { std::filesystem::remove(path); },
       PickResult::NoFile, "error", ""},
      {"replaced by a folder",
       [](const std::string& path) {
         std::filesystem::rename(path, path + ".old");
         std::filesystem::create_directory(path);
       },
       PickResult::NoFile, "error", ""},
      {"replaced by a link to the zero device",  // where there is none (Windows): no file
       [](const std::string& path) {
         std::filesystem::rename(path, path + ".old");
         std::error_code ignored;
         std::filesystem::create_symlink("/dev/zero", path, ignored);
       },
       PickResult::NoFile, "error", ""},
      {"truncated to half",
       [](const std::string& path) { std::filesystem::resize_file(path, 500); }, PickResult::Picked,
       "ABLE", "Words file is 500 bytes long\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.change);
    std::string path = folder.write("words.txt", list);
    TextFile held;
    ASSERT_TRUE(held.open(path.c_str()));
    row.apply(path);
    held.close();
    for (std::int64_t seconds = 0; seconds < 10; ++seconds) {
      EXPECT_EQ(pickNow(4, seconds), row.result);
      EXPECT_STREQ(word, row.expected);
      EXPECT_EQ(printed, row.printed);
    }
    std::filesystem::remove_all(path);
    std::filesystem::remove(path + ".old");
  }
}

TEST_F(PickTest, AnUnreadableWordsFileCannotBeOpened) {
  std::string path = folder.write("words.txt", "X\nABLE\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  bool stillReadable = std::ifstream(path).is_open();
  PickResult result = pickNow(4, 0);
  // Readable again, so that the folder can be removed where a read-only file cannot be.
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  if (stillReadable) GTEST_SKIP() << "this user reads files without permission";
  EXPECT_EQ(result, PickResult::NoFile);
  EXPECT_STREQ(word, "error");
}

}  // namespace
