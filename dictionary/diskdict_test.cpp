// The disk dictionary on generated sorted lists (LF, CR LF, no final line end, tiny files), on the
// shipped list, and at its edges: empty, missing, junk and changing files, random words, the
// open-file assertion.
#include "dictionary/diskdict.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/random.h"
#include "support/stderrmatcher.h"
#include "support/tempfolder.h"

namespace {

using namespace std::string_literals;

// Words of 1 to 16 letters over a small alphabet, so that prefixes and neighbours abound.
std::set<std::string> makeWords() {
  std::set<std::string> words;
  seedRandom(7);
  while (words.size() < 2000) {
    std::string word(static_cast<size_t>(1 + drawRandom() % 16), 'A');
    for (char& c : word) c = static_cast<char>('A' + drawRandom() % 4);
    words.insert(word);
  }
  return words;
}

std::string fileOf(const std::set<std::string>& words, const char* lineEnd, bool finalLineEnd) {
  std::string text;
  for (const std::string& word : words) text += word + lineEnd;
  if (!finalLineEnd) text.resize(text.size() - std::strlen(lineEnd));
  return text;
}

// Words close to the list's own that are not in it: prefixes, neighbours, lower case.
std::set<std::string> absentNeighbours(const std::set<std::string>& words) {
  std::set<std::string> absent;
  for (const std::string& word : words) {
    std::string lower = word, next = word;
    lower[0] = static_cast<char>(lower[0] + 32);
    ++next.back();
    absent.insert({word.substr(0, word.size() - 1), word + "A", lower, next});
  }
  for (const std::string& word : words) absent.erase(word);
  return absent;
}

// Counts the draws that randomWord(length) makes through the virtual randomWord().
class CountingDictionary : public DiskDictionary {
 public:
  int draws = 0;
  cString randomWord() override {
    ++draws;
    return DiskDictionary::randomWord();
  }
  using DiskDictionary::randomWord;
};

class DiskDictionaryTest : public ::testing::Test {
 protected:
  // Writes `bytes` to a new file of the folder (an open file cannot be overwritten everywhere)
  // and opens it.
  bool open(const std::string& bytes, cString* error = nullptr) {
    std::string name = "w" + std::to_string(files++) + ".txt";
    return dictionary.open(folder.write(name, bytes).c_str(), error);
  }

  // Every word of `words` up to 11 letters is found, and none of their near neighbours.
  void expectExactLookups(const std::string& bytes, const std::set<std::string>& words) {
    ASSERT_TRUE(open(bytes));
    for (const std::string& word : words) {
      EXPECT_TRUE(word.size() > 11 || dictionary.contains(word.c_str())) << word;
    }
    for (const std::string& word : absentNeighbours(words)) {
      EXPECT_TRUE(word.size() > 11 || !dictionary.contains(word.c_str())) << word;
    }
  }

  TempFolder folder;
  CountingDictionary dictionary;
  int files = 0;
};

TEST_F(DiskDictionaryTest, FindsEveryWordAndNoOtherInGeneratedLists) {
  const std::set<std::string> generated = makeWords();
  const std::set<std::string> lists[] = {generated,
                                         {"ABLE"},
                                         {"AB", "CD"},
                                         {"A", "BE", "CAT", "DOGS"},
                                         {"ALPHA", "BETA", "GAMMA", "ZETA"}};
  for (const auto& words : lists) {
    for (const char* lineEnd : {"\n", "\r\n"}) {
      for (bool finalLineEnd : {true, false}) {
        SCOPED_TRACE(std::to_string(words.size()) + " words, " +
                     (lineEnd == std::string("\n") ? "LF" : "CR LF") +
                     (finalLineEnd ? "" : ", no final line end"));
        expectExactLookups(fileOf(words, lineEnd, finalLineEnd), words);
      }
    }
  }
}

TEST_F(DiskDictionaryTest, LookupsAtTheEdgesOfTheText) {
  const std::string junk = "ABLE\nBAKE\nCA\xC9S\nDOGS\nEACH\nFROG\n\x80\x81\x82\x83\n\0\0\0\0\n"s;
  const std::string endsEarly = "ABLE\nBAKE\n\x1A\nCATS\nDOGS\n";
  const struct {
    std::string bytes;
    const char* word;
    bool found;
  } rows[] = {
      {"A\nBE\nCAT\n", "A", true},  // a one-letter first word
      {"A", "A", true},
      {"B\nCAT\n", "A", false},  // before the first word
      {"B\nCAT\n", "", false},
      {"ABLE\nBA\n\nCATS\n", "ABLE", false},  // the first probe lands on the first of two line ends
      {"", "CATS", false},
      {endsEarly, "BAKE", true},
      {endsEarly, "CATS", false},  // after the text's end: the picker never takes it either
      {junk, "BAKE", true},
      {junk, "\x80\x81\x82\x83", false},
      {junk, "CA\xC9S", false},
      {junk, "FROG", false},  // a probe lands on two non-letters in a row, as on a blank line
  };
  for (const auto& row : rows) {
    ASSERT_TRUE(open(row.bytes));
    EXPECT_EQ(dictionary.contains(row.word), row.found) << row.word << " in " << row.bytes;
  }
  ASSERT_TRUE(open(""));
  EXPECT_STREQ(dictionary.randomWord(), "");
  EXPECT_STREQ(dictionary.randomWord(4), "");
}

TEST_F(DiskDictionaryTest, OpenReportsFailureAndKeepsErrorOnSuccess) {
  cString error("untouched");
  std::string missing = folder.path("missing.txt");
  EXPECT_FALSE(dictionary.open(missing.c_str(), nullptr));
  // No regular file: a folder, a device.
  for (const std::string& name : {missing, folder.path(""), std::string("/dev/zero")}) {
    EXPECT_FALSE(dictionary.open(name.c_str(), &error));
    EXPECT_EQ(std::string(error), "Error opening '" + name + "' for reading");
  }
  error = "untouched";
  ASSERT_TRUE(open("ABLE\nBAKE\n", &error));
  EXPECT_STREQ(error, "untouched");
  EXPECT_TRUE(dictionary.contains("BAKE"));
  // A failed second open leaves no file open rather than the first one's size.
  EXPECT_FALSE(dictionary.open(missing.c_str(), nullptr));
  EXPECT_FALSE(dictionary.contains("BAKE"));
}

TEST_F(DiskDictionaryTest, RandomWordsAreWordsOfTheListWithinAHundredDraws) {
  const std::set<std::string> words = {"AB", "BEAR", "CAT", "DOGS", "ZEBRA"};
  ASSERT_TRUE(open(fileOf(words, "\n", true)));
  seedRandom(11);
  std::set<std::string> drawn;
  for (int i = 0; i < 300; ++i) drawn.insert(static_cast<const char*>(dictionary.randomWord()));
  EXPECT_EQ(drawn, words);
  EXPECT_STREQ(dictionary.randomWord(5), "ZEBRA");
  dictionary.draws = 0;
  EXPECT_STREQ(dictionary.randomWord(7), "");
  EXPECT_EQ(dictionary.draws, 100);
}

TEST_F(DiskDictionaryTest, ShippedListIsSortedAndEveryGameWordIsFound) {
  std::ifstream list(SHIPPED_WORDS, std::ios::binary);
  std::string previous, word;
  ASSERT_TRUE(dictionary.open(SHIPPED_WORDS, nullptr));
  int count = 0;
  while (std::getline(list, word)) {
    EXPECT_LT(previous, word);
    if (word.size() <= 11) {
      ++count;
      ASSERT_TRUE(dictionary.contains(word.c_str())) << word;
    }
    previous = word;
  }
  EXPECT_GT(count, 50000);
}

// The list of the drills: 200 four-letter words of 5 bytes a line, so that the first half of the
// file holds the first 100 words.
std::string drillWord(int index) {
  return {static_cast<char>('A' + index / 26), static_cast<char>('A' + index % 26), 'A', 'A'};
}

// The words file changes under the open dictionary: it keeps answering from the file it opened,
// as far as that file now goes, and a random word is a word of it or, at worst, "".
TEST_F(DiskDictionaryTest, KeepsAnsweringWhenItsFileChangesWhileOpen) {
  std::string list;
  for (int i = 0; i < 200; ++i) list += drillWord(i) + "\n";
  const struct {
    const char* change;
    void (*apply)(const std::string& path);
    int wordsLeft;  // the words still readable, counted from the first
  } rows[] = {
      {"removed", [](const std::string& path) { std::filesystem::remove(path); }, 200},
      {"replaced by a folder",
       [](const std::string& path) {
         std::filesystem::rename(path, path + ".old");
         std::filesystem::create_directory(path);
       },
       200},
      {"truncated to half",
       [](const std::string& path) { std::filesystem::resize_file(path, 500); }, 100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.change);
    std::string path = folder.write(row.change, list);
    ASSERT_TRUE(dictionary.open(path.c_str(), nullptr));
    ASSERT_TRUE(dictionary.contains("DWAA"));  // the first word after the middle
    row.apply(path);
    EXPECT_EQ(dictionary.contains("DWAA"), row.wordsLeft > 100);  // not from what was read before
    for (int i = 0; i < 200; ++i) {
      EXPECT_EQ(dictionary.contains(drillWord(i).c_str()), i < row.wordsLeft) << drillWord(i);
    }
    seedRandom(1);
    for (int draw = 0; draw < 2000; ++draw) {
      std::string word = static_cast<const char*>(dictionary.randomWord());
      std::size_t line = list.find(word + "\n");
      EXPECT_TRUE(word.empty() ? row.wordsLeft < 200 : line % 5 == 0 && line < 5u * row.wordsLeft)
          << word;
    }
  }
}

TEST_F(DiskDictionaryTest, AnUnreadableFileCannotBeOpenedButAnOpenOneKeepsAnswering) {
  std::string path = folder.write("words.txt", "ABLE\nBAKE\n");
  ASSERT_TRUE(dictionary.open(path.c_str(), nullptr));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EXPECT_TRUE(dictionary.contains("BAKE"));
  bool stillReadable = std::ifstream(path).is_open();
  cString error;
  bool reopened = DiskDictionary().open(path.c_str(), &error);
  // Readable again, so that the folder can be removed where a read-only file cannot be.
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  if (stillReadable) GTEST_SKIP() << "this user reads files without permission";
  EXPECT_FALSE(reopened);
  EXPECT_EQ(std::string(error), "Error opening '" + path + "' for reading");
}

// Without a file, lookups find nothing, counting and indexing fall back to the interface's
// answers, and a random word fails its assertion.
TEST(DiskDictionaryDeathTest, UnopenedDictionary) {
  DiskDictionary dictionary;
  EXPECT_FALSE(dictionary.contains("ABLE"));
  EXPECT_EQ(dictionary.wordCount(), -1);
  EXPECT_EQ(dictionary.wordCount(5), -1);
  EXPECT_STREQ(dictionary.word(0), "");
  EXPECT_EQ(dictionary.maxWordLength(), MAX_WORD_LENGTH);
  EXPECT_EXIT(dictionary.randomWord(), ::testing::ExitedWithCode(3),
              standardErrorMatches("Assertion failed: _fp, file diskdict, line [0-9]+\r\n"));
}

}  // namespace
