// The secret-word picker on small words files made in a temporary working folder, with the clock
// fixed so that each pick can be reproduced; junk lines, text after a 0x1A, a missing file and
// read errors.
#include "app/pick.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "testing/failingfile.h"
#include "testing/fixedclock.h"
#include "testing/tempfolder.h"

#include <unistd.h>  // dup and dup2, in Windows runtimes too

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

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

// Each row: the words file, the length asked for, the clocks tried, and what every one of them
// picks ("error": nothing). A NoFile row has no words file; any other has its size printed,
// whatever is picked. A row with an error byte has a file whose reads fail there once it is open.
TEST_F(PickTest, PicksTheWordTheClockPinsFromWholeLinesOfTheText) {
  const std::string cut =
      "X\n" + std::string(2400, '\n') + "APPLEX\n" + std::string(40, '\n') + "BERRY\n";
  ASSERT_EQ(cut.find("APPLEX") + 5 - 2047, 360u);
  const std::string q259(259, 'Q');
  // Offsets have bit 15 clear (two draws of 15 bits), so no random chunk of a text of 65536 bytes
  // reaches past byte 34815: the pass from the start is the first to read BERRYPICKER.
  std::string unreached = std::string(40000, '\n') + "BERRYPICKER\n";
  unreached.resize(65536, '\n');
  struct Row {
    std::string words;
    int letters;
    std::int64_t from, to;  // the clocks tried
    PickResult result;
    const char* word;
    std::int64_t errorAt = -1;  // the byte whose read fails, or -1: a file on disk
  };
  const Row rows[] = {
      // Clock 1 draws 346 and 130 everywhere: (130 * 65536 + 346) % 60 = 26, in the fifth line.
      {"AAAAA\nBBBBB\nCCCCC\nDDDDD\nEEEEE\nFFFFF\nGGGGG\nHHHHH\nIIIII\nJJJJJ\n", 5, 1, 1,
       PickResult::Picked, "FFFFF"},
      // Clock 138 gives offset 360, whose 2047 characters (blank lines) end with "APPLE" of the
      // line "APPLEX": that cut piece is passed over.
      {cut, 5, 138, 138, PickResult::Picked, "BERRY"},
      // The first line is never taken by a random chunk; an unended last line at the text's end is.
      {"APPLE\nAB\nBERRY\n", 5, 0, 99, PickResult::Picked, "BERRY"},
      {"A\nBERRY", 5, 0, 99, PickResult::Picked, "BERRY"},
      {"A\r\nAB\r\nBERRY\r\nCD\r\n", 5, 0, 99, PickResult::Picked, "BERRY"},  // CR LF
      {"APPLE\nAB\nABC\n", 5, 0, 99, PickResult::Picked, "APPLE"},            // final pass
      {"", 5, 3, 3, PickResult::NoWord, "error"},
      {"A\nAB\nABCD\n", 5, 3, 3, PickResult::NoWord, "error"},
      {"", 5, 3, 3, PickResult::NoFile, "error"},
      // Lines that are no playable word, and anything after the text's end, are never taken in the
      // random tries or in the pass from the start; nor are the last 4 Q of a long line.
      {"X\n\0\0\0\0\n\x80\x81\x82\x83\nwork\nWO\x01K\nWORD\n"s, 4, 0, 99, PickResult::Picked,
       "WORD"},
      {"X\n" + q259 + "\nWORD\n", 4, 0, 99, PickResult::Picked, "WORD"},
      {"X\nABLE\n\x1AWORD\n", 4, 0, 99, PickResult::Picked, "ABLE"},
      {"ABLE\n\x1AX\nWORD\n", 4, 5, 5, PickResult::Picked, "ABLE"},
      {"X\n" + q259 + "\n\0\0\0\0\n\n\n\nab\xC9z\n"s, 4, 5, 5, PickResult::NoWord, "error"},
      // A read error is met by a random chunk, by the pass from the start, or never.
      {"A\nBERRY\nCAT\n", 4, 0, 0, PickResult::ReadError, "error", 6},
      {unreached, 5, 3, 3, PickResult::ReadError, "error", 40005},
      {"X\nABLE\n\x1AWORD\n", 4, 0, 99, PickResult::Picked, "ABLE", 9},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.words.substr(0, 20)));
    fs::remove(WORDS_FILE);
    const bool noFile = row.result == PickResult::NoFile;
    std::optional<FailingFile> failing;
    if (row.errorAt >= 0)
      failing.emplace(WORDS_FILE, row.words, row.errorAt);
    else if (!noFile)
      folder.write(WORDS_FILE, row.words);
    const std::string printed =
        noFile ? "" : "Words file is " + std::to_string(row.words.size()) + " bytes long\n";
    for (std::int64_t seconds = row.from; seconds <= row.to; ++seconds) {
      fixClock(seconds);
      char word[GAME_TEXT_SIZE] = {};
      PickResult result{};
      EXPECT_EQ(printedBy([&] { result = PickSecretWord(row.letters, word); }), printed);
      EXPECT_EQ(result, row.result) << seconds;
      ASSERT_STREQ(word, row.word) << "at " << seconds;
    }
  }
}

}  // namespace
