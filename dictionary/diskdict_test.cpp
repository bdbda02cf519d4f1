// The disk dictionary on drawn sorted lists (LF, CR LF, no final line end, tiny files), where the
// memory dictionary must give the same answers, on the shipped list, and at its edges: empty,
// missing, junk, failing and changing files, a file past 4 GiB, random words, the open-file
// assertion.
#include "dictionary/diskdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "dictionary/memdict.h"
#include "support/random.h"
#include "testing/failingfile.h"
#include "testing/standinfile.h"
#include "testing/stderrmatcher.h"
#include "testing/wordlist.h"

namespace {

using namespace std::string_literals;

// The memory dictionary is held to the same answers on the same files.
TEST(DiskDictionaryTest, FindsEveryWordAndNoOtherInSortedLists) {
  seedRandom(7);
  const std::vector<std::string> drawn = drawWords(2000, "ABCD", 1, 16);  // prefixes abound
  const std::set<std::string> lists[] = {
      {drawn.begin(), drawn.end()}, {"ABLE"}, {"AB", "CD"}, {"A", "BE", "CAT", "DOGS"}};
  for (const auto& words : lists)
    for (const char* lineEnd : {"\n", "\r\n"})
      for (bool finalLineEnd : {true, false}) {
        SCOPED_TRACE(::testing::PrintToString(lineEnd) + (finalLineEnd ? "" : " not at the end"));
        const std::string path = writeWordsFile(linesOf(words, lineEnd, finalLineEnd));
        DiskDictionary disk;
        MemoryDictionary memory;  // which must agree with it
        for (Dictionary* dictionary : std::initializer_list<Dictionary*>{&disk, &memory}) {
          ASSERT_TRUE(dictionary->open(path.c_str(), nullptr));
          for (const std::string& word : words)
            EXPECT_TRUE(word.size() > 11 || dictionary->contains(word.c_str())) << word;
          for (const std::string& word : absentNeighbours(words, 11))
            EXPECT_FALSE(dictionary->contains(word.c_str())) << word;
        }
      }
}

TEST(DiskDictionaryTest, LookupsAtTheEdgesOfTheText) {
  const std::string junk = "ABLE\nBAKE\nCA\xC9S\nDOGS\n\x80\x81\x82\x83\n\0\0\0\0\n"s;
  const std::string endsEarly = "ABLE\nBAKE\n\x1A\nCATS\nDOGS\n";
  struct Row {
    std::string bytes;
    const char* word;
    bool found;
  };
  const Row rows[] = {
      // A one-letter word alone, without a line end.
      {"A", "A", true},
      // Before the first word: the empty word.
      {"B\nCAT\n", "", false},
      // After the text's end there is no word.
      {endsEarly, "BAKE", true},
      {endsEarly, "CATS", false},
      // Lines of bytes other than letters, and an empty file.
      {junk, "BAKE", true},
      {junk, "\x80\x81\x82\x83", false},
      {junk, "CA\xC9S", false},
      {"", "CATS", false},
  };
  for (const Row& row : rows) {
    DiskDictionary dictionary;
    ASSERT_TRUE(dictionary.open(writeWordsFile(row.bytes).c_str(), nullptr));
    EXPECT_EQ(dictionary.contains(row.word), row.found) << row.word << " in " << row.bytes;
  }
}

TEST(DiskDictionaryTest, OpenReportsFailureAndKeepsErrorOnSuccess) {
  const std::string words = writeWordsFile("ABLE\nBAKE\n"), missing = words + "-missing";
  DiskDictionary dictionary;
  cString error;
  EXPECT_FALSE(dictionary.open(missing.c_str(), &error));
  EXPECT_EQ(std::string(error), "Error opening '" + missing + "' for reading");
  error = "untouched";
  ASSERT_TRUE(dictionary.open(words.c_str(), &error));
  EXPECT_STREQ(error, "untouched");
  EXPECT_TRUE(dictionary.contains("BAKE"));
  // A failed second open leaves no file open rather than the first one's size.
  EXPECT_FALSE(dictionary.open(missing.c_str(), nullptr));
  EXPECT_FALSE(dictionary.contains("BAKE"));
}

TEST(DiskDictionaryTest, RandomWordsAreWordsOfTheListWithinAHundredDraws) {
  const std::set<std::string> words = {"AB", "BEAR", "CAT", "DOGS", "ZEBRA"};
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(writeWordsFile(linesOf(words)).c_str(), nullptr));
  seedRandom(11);
  EXPECT_STREQ(dictionary.randomWord(7), "");
  const int next = drawRandom();
  seedRandom(11);
  for (int i = 0; i < 100; ++i) dictionary.randomWord();
  EXPECT_EQ(drawRandom(), next);  // no word of 7 letters: a hundred draws, no more
  std::set<std::string> drawn;
  for (int i = 0; i < 300; ++i) drawn.insert(static_cast<const char*>(dictionary.randomWord()));
  EXPECT_EQ(drawn, words);
  EXPECT_STREQ(dictionary.randomWord(5), "ZEBRA");
  ASSERT_TRUE(dictionary.open(writeWordsFile("").c_str(), nullptr));
  EXPECT_STREQ(dictionary.randomWord(), "");
}

TEST(DiskDictionaryTest, ShippedListIsSortedAndEveryGameWordIsFound) {
  std::ifstream list(SHIPPED_WORDS, std::ios::binary);
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(SHIPPED_WORDS, nullptr));
  std::string previous, word;
  int count = 0;
  for (; std::getline(list, word); previous = word, ++count) {
    EXPECT_LT(previous, word);
    EXPECT_TRUE(word.size() > 11 || dictionary.contains(word.c_str())) << word;
  }
  EXPECT_GT(count, 50000);
}

// The words file changes under the open dictionary: it keeps answering from the file it opened,
// as far as that file now goes, and a random word is a word of it or, at worst, "". The list holds
// 200 four-letter words, so that the first half of the file holds the first 100. Rewritten in
// place, a file small enough to be read ahead whole gives random words of its new text, even with
// no lookup since the change.
TEST(DiskDictionaryTest, KeepsAnsweringWhenItsFileChangesWhileOpen) {
  std::vector<std::string> words;
  for (char first = 'A'; first < 'I'; ++first)
    for (char second = 'A'; second <= 'Z'; ++second) words.push_back({first, second, 'A', 'A'});
  words.resize(200);
  const std::string list = linesOf(words);
  for (bool removed : {true, false}) {
    SCOPED_TRACE(removed ? "removed" : "truncated to half");
    const std::string path = writeWordsFile(list);
    DiskDictionary dictionary;
    ASSERT_TRUE(dictionary.open(path.c_str(), nullptr));
    ASSERT_TRUE(dictionary.contains("DWAA"));  // the first word after the middle
    removed ? (void)std::filesystem::remove(path) : std::filesystem::resize_file(path, 500);
    const std::size_t wordsLeft = removed ? 200 : 100;
    EXPECT_EQ(dictionary.contains("DWAA"), removed);  // not from what was read before
    for (std::size_t i = 0; i < words.size(); ++i)
      EXPECT_EQ(dictionary.contains(words[i].c_str()), i < wordsLeft) << words[i];
    seedRandom(1);
    for (int draw = 0; draw < 2000; ++draw) {
      std::string word = static_cast<const char*>(dictionary.randomWord());
      std::size_t line = list.find(word + "\n");
      EXPECT_TRUE(word.empty() ? !removed : line % 5 == 0 && line < 5 * wordsLeft) << word;
    }
  }
  std::string small = list.substr(0, 100), rewritten = small;
  std::replace(rewritten.begin(), rewritten.end(), 'A', 'Q');
  const std::string path = writeWordsFile(small);
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(path.c_str(), nullptr));
  ASSERT_FALSE(dictionary.contains("A"));  // its last window, at byte 0, reads the file ahead
  std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << rewritten;
  for (int draw = 0; draw < 20; ++draw) {
    std::string word = static_cast<const char*>(dictionary.randomWord());
    std::size_t line = rewritten.find(word + "\n");
    EXPECT_TRUE(line % 5 == 0 && line < rewritten.size()) << word;
  }
}

// Each row: where the disk fails under a sorted list once it is open. A lookup or a random word
// whose window reaches the bad byte has no word there: no word cut short by the error is found or
// drawn, and past the text nothing fails.
TEST(DiskDictionaryTest, AReadErrorCutsNoWordShort) {
  seedRandom(9);
  const std::vector<std::string> drawn = drawWords(400, "ABC", 2, 9);
  const std::set<std::string> words(drawn.begin(), drawn.end());
  const std::string list = linesOf(words);
  auto lastLetterOf = [&](const std::string& word) {  // the byte of its last letter
    return static_cast<std::int64_t>(list.find("\n" + word + "\n") + word.size());
  };
  const std::string middle = *std::next(words.begin(), static_cast<long>(words.size() / 2));
  struct Row {
    std::int64_t errorAt;
    bool allFound;
  };
  const Row rows[] = {
      {lastLetterOf(*std::next(words.begin(), 5)), false},
      {lastLetterOf(middle), false},
      {lastLetterOf(*words.rbegin()), false},
      {static_cast<std::int64_t>(list.size()), true},
  };
  for (const Row& row : rows) {
    FailingFile failing("failing.txt", list, row.errorAt);
    DiskDictionary dictionary;
    ASSERT_TRUE(dictionary.open("failing.txt", nullptr));
    for (const std::string& word : absentNeighbours(words, 11))
      EXPECT_FALSE(dictionary.contains(word.c_str()))
          << word << " with the error at " << row.errorAt;
    for (const std::string& word : words)
      EXPECT_TRUE(!row.allFound || dictionary.contains(word.c_str())) << word;
    for (int draw = 0; draw < 500; ++draw) {
      std::string word = static_cast<const char*>(dictionary.randomWord());
      EXPECT_TRUE(word.empty() ? !row.allFound : words.count(word) == 1) << word;
    }
  }
}

// A sorted words file of just over 4 GiB that exists only in memory, behind the operating-system
// seam: lines of ten letters, "MMMMMMMMMM" up to its last 2000 lines, which hold distinct words
// ("N" and nine letters counting up), the 1000th of them spanning the 4 GiB mark.
class LargeWordsFile : public os::StandInFile {
 public:
  static constexpr std::int64_t LINE = 11;  // ten letters and LF
  static constexpr std::int64_t WINDOW = (std::int64_t{4} << 30) / LINE - 1000;  // its first line

  static std::string wordAt(std::int64_t line) {
    std::string word = line < WINDOW ? "MMMMMMMMMM" : "NAAAAAAAAA";
    for (std::int64_t rest = line - WINDOW, at = 9; rest > 0; rest /= 26, --at)
      word[static_cast<std::size_t>(at)] = static_cast<char>('A' + rest % 26);
    return word;
  }

  std::int64_t size() override { return (WINDOW + 2000) * LINE; }

  // One piece at a time, as a read may give (TextFile reads on): up to PIECE bytes of filler lines,
  // copied from a repeated pattern so that a pass over the whole file (the search for a 0x1A at
  // open) stays quick, or the rest of one of the last lines.
  long readAt(std::int64_t offset, char* buffer, int count) override {
    const std::int64_t line = offset / LINE;
    const std::string word = wordAt(line) + "\n";
    const std::string& text = line < WINDOW ? _filler : word;
    const std::int64_t pieceEnd =
        line < WINDOW ? std::min(WINDOW * LINE, offset + PIECE) : (line + 1) * LINE;
    const std::int64_t length = std::min({offset + count, size(), pieceEnd}) - offset;
    if (length <= 0) return 0;
    std::memcpy(buffer, text.data() + offset % LINE, static_cast<std::size_t>(length));
    return static_cast<long>(length);
  }

 private:
  static constexpr std::int64_t PIECE = 1 << 16;
  const std::string _filler = [] {  // PIECE + LINE bytes of filler lines
    std::string text;
    while (static_cast<std::int64_t>(text.size()) < PIECE + LINE) text += wordAt(0) + "\n";
    return text;
  }();
};

TEST(DiskDictionaryDrillTest, LooksUpAcrossTheFourGibibyteMark) {
  LargeWordsFile file;
  os::putStandInFile("large.txt", &file);
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open("large.txt", nullptr));
  for (std::int64_t line : {0, 1, 999, 1000, 1001, 1999}) {
    std::string word = LargeWordsFile::wordAt(LargeWordsFile::WINDOW + line);
    EXPECT_TRUE(dictionary.contains(word.c_str())) << word;
    EXPECT_FALSE(dictionary.contains((word + "A").c_str())) << word;
  }
  EXPECT_TRUE(dictionary.contains("MMMMMMMMMM"));
  for (const char* word : {"MMMMMMMMMN", "NAAAAAADAA", "O"})
    EXPECT_FALSE(dictionary.contains(word));
  os::putStandInFile("large.txt", nullptr);
}

// Without a file, lookups find nothing and a random word fails its assertion; counting and
// indexing are the interface's, as they are for a memory dictionary's random words.
TEST(DiskDictionaryDeathTest, UnopenedDictionary) {
  DiskDictionary dictionary;
  MemoryDictionary memory;
  EXPECT_FALSE(dictionary.contains("ABLE"));
  EXPECT_EQ(dictionary.wordCount(), -1);
  EXPECT_EQ(dictionary.wordCount(5), -1);
  EXPECT_STREQ(dictionary.word(0), "");
  EXPECT_STREQ(memory.randomWord(), "");
  EXPECT_STREQ(memory.randomWord(5), "");
  EXPECT_EXIT(dictionary.randomWord(), ::testing::ExitedWithCode(3),
              standardErrorMatches("Assertion failed: _fp, file diskdict, line [0-9]+\r\n"));
}

}  // namespace
