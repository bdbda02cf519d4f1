// The secret-word picker on small words files made in a temporary working folder, with the clock
// fixed so that each pick can be reproduced; junk lines and words files changed during a game.
#include "app/pick.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/textfile.h"
#include "testing/fixedclock.h"
#include "testing/tempfolder.h"

#include <unistd.h>  // dup and dup2, in Windows runtimes too

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

std::string times(int count, const std::string& line) {
  std::string lines;
  while (count-- > 0) lines += line;
  return lines;
}

// Changes to the words file made while the game holds it open. Wine, unlike Windows, still opens a
// removed file by its name while a handle to it is open, so the handle is closed before the pick.
void removeFile(const std::string& path) { fs::remove(path); }
void truncateToHalf(const std::string& path) { fs::resize_file(path, 500); }

// Runs `run` and returns what it wrote on standard output, which meanwhile goes to a temporary
// file. The picker writes with printf, so the descriptor under the C stream is pointed there, not
// std::cout's buffer; GoogleTest's reports, written after `run`, are shown as usual.
template <class Run>
std::string printedBy(Run run) {
  FILE* file = std::tmpfile();
  std::fflush(stdout);
  const int standardOutput = dup(fileno(stdout));
  dup2(fileno(file), fileno(stdout));
  run();
  std::fflush(stdout);
  dup2(standardOutput, fileno(stdout));
  close(standardOutput);
  std::rewind(file);
  std::string written;
  for (int c; (c = std::fgetc(file)) != EOF;) written += static_cast<char>(c);
  std::fclose(file);
  return written;
}

class PickTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.enter(); }
  void TearDown() override { releaseClock(); }
  TempFolder folder;
};

// Each row: the words file and a change made while it is held open, the length asked for, the
// clocks tried, and what every one of them picks ("error": nothing). A file that can be opened has
// its size printed, whatever is picked.
TEST_F(PickTest, PicksTheWordTheClockPinsFromWholeLinesOfTheText) {
  const std::string cut = "X\n" + times(600, "ABC\n") + "APPLEX\n" + times(10, "ABC\n") + "BERRY\n";
  ASSERT_EQ(cut.find("APPLEX") + 5 - 2047, 360u);
  const std::string q259(259, 'Q'), held = times(100, "ABLE\n") + times(100, "ZOOM\n");
  struct Row {
    std::string words;
    void (*change)(const std::string& path);
    int letters;
    std::int64_t from, to;  // the clocks tried
    PickResult result;
    const char* word;
  };
  const Row rows[] = {
      // Clock 1 draws 346 and 130 everywhere: (130 * 65536 + 346) % 60 = 26, in the fifth line.
      {"AAAAA\nBBBBB\nCCCCC\nDDDDD\nEEEEE\nFFFFF\nGGGGG\nHHHHH\nIIIII\nJJJJJ\n", nullptr, 5, 1, 1,
       PickResult::Picked, "FFFFF"},
      // Clock 138 gives offset 360, whose 2047 characters end with "APPLE" of the line "APPLEX":
      // that cut piece is passed over.
      {cut, nullptr, 5, 138, 138, PickResult::Picked, "BERRY"},
      // The first line is never taken by a random chunk; an unended last line at the text's end is.
      {"APPLE\nAB\nBERRY\n", nullptr, 5, 0, 99, PickResult::Picked, "BERRY"},
      {"A\nBERRY", nullptr, 5, 0, 99, PickResult::Picked, "BERRY"},
      {"A\r\nAB\r\nBERRY\r\nCD\r\n", nullptr, 5, 0, 99, PickResult::Picked, "BERRY"},  // CR LF
      {"APPLE\nAB\nABC\n", nullptr, 5, 0, 99, PickResult::Picked, "APPLE"},            // final pass
      {"", nullptr, 5, 3, 3, PickResult::NoWord, "error"},
      {"A\nAB\nABCD\n", nullptr, 5, 3, 3, PickResult::NoWord, "error"},
      // Lines that are no playable word, and anything after the text's end, are never taken in the
      // random tries or in the pass from the start; nor are the last 4 Q of a long line.
      {"X\n\0\0\0\0\n\x80\x81\x82\x83\nwork\nWO\x01K\nWORD\n"s, nullptr, 4, 0, 99,
       PickResult::Picked, "WORD"},
      {"X\n" + q259 + "\nWORD\n", nullptr, 4, 0, 99, PickResult::Picked, "WORD"},
      {"X\nABLE\n\x1AWORD\n", nullptr, 4, 0, 99, PickResult::Picked, "ABLE"},
      {"ABLE\n\x1AX\nWORD\n", nullptr, 4, 5, 5, PickResult::Picked, "ABLE"},
      {"X\n" + q259 + "\n\0\0\0\0\n\n\n\nab\xC9z\n"s, nullptr, 4, 5, 5, PickResult::NoWord,
       "error"},
      // The next pick opens the file anew.
      {held, removeFile, 4, 0, 9, PickResult::NoFile, "error"},
      {held, truncateToHalf, 4, 0, 9, PickResult::Picked, "ABLE"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.words.substr(0, 20)));
    std::string path = folder.write("words.txt", row.words);
    TextFile file;
    ASSERT_TRUE(file.open(path.c_str()));
    if (row.change != nullptr) row.change(path);
    file.close();
    const std::string printed =
        row.result == PickResult::NoFile
            ? ""
            : "Words file is " + std::to_string(fs::file_size(path)) + " bytes long\n";
    for (std::int64_t seconds = row.from; seconds <= row.to; ++seconds) {
      fixClock(seconds);
      char word[GAME_TEXT_SIZE] = {};
      PickResult result{};
      EXPECT_EQ(printedBy([&] { result = PickSecretWord(row.letters, word); }), printed);
      EXPECT_EQ(result, row.result) << seconds;
      ASSERT_STREQ(word, row.word) << "at " << seconds;
    }
    fs::remove(path);
  }
}

}  // namespace
