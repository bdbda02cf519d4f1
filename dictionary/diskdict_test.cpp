// The disk dictionary on generated sorted lists (LF, CR LF, no final line end, tiny files), on the
// shipped list, and at its edges: empty and missing files, random words, the open-file assertion.
#include "dictionary/diskdict.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <string>

#include "support/random.h"
#include "support/stderrmatcher.h"
#include "support/tempfolder.h"

namespace {

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
  for (std::string word : words) {
    absent.insert(word.substr(0, word.size() - 1));
    absent.insert(word + "A");
    std::string lower = word;
    lower[0] = static_cast<char>(lower[0] + 32);
    absent.insert(lower);
    word.back() = static_cast<char>(word.back() + 1);
    absent.insert(word);
  }
  for (const std::string& word : words) absent.erase(word);
  return absent;
}

void expectExactLookups(const std::string& bytes, const std::set<std::string>& words) {
  TempFolder folder;
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(folder.write("words.txt", bytes).c_str(), nullptr));
  for (const std::string& word : words) {
    bool firstOfOneLetter = word.size() == 1 && word == *words.begin();
    if (word.size() <= 11 && !firstOfOneLetter) {
      EXPECT_TRUE(dictionary.contains(word.c_str())) << word;
    }
  }
  for (const std::string& word : absentNeighbours(words)) {
    if (word.size() <= 11) {
      EXPECT_FALSE(dictionary.contains(word.c_str())) << word;
    }
  }
}

TEST(DiskDictionaryTest, FindsEveryWordAndNoOtherInGeneratedLists) {
  const std::set<std::string> words = makeWords();
  for (const char* lineEnd : {"\n", "\r\n"}) {
    for (bool finalLineEnd : {true, false}) {
      SCOPED_TRACE(std::string(lineEnd == std::string("\n") ? "LF" : "CR LF") +
                   (finalLineEnd ? "" : ", no final line end"));
      expectExactLookups(fileOf(words, lineEnd, finalLineEnd), words);
    }
  }
}

TEST(DiskDictionaryTest, FindsWordsOfFilesShorterThanTheWindow) {
  const std::set<std::string> lists[] = {
      {"ABLE"}, {"AB", "CD"}, {"A", "BE", "CAT", "DOGS"}, {"ALPHA", "BETA", "GAMMA", "ZETA"}};
  for (const auto& words : lists) {
    expectExactLookups(fileOf(words, "\n", true), words);
    expectExactLookups(fileOf(words, "\r\n", false), words);
  }
}

TEST(DiskDictionaryTest, OneLetterFirstWordAndBlankLineAsBefore) {
  TempFolder folder;
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(folder.write("a.txt", "A\nBE\nCAT\n").c_str(), nullptr));
  EXPECT_FALSE(dictionary.contains("A"));
  EXPECT_TRUE(dictionary.contains("BE"));
  // The first probe of this 14-byte file lands on the first of two line ends.
  ASSERT_TRUE(dictionary.open(folder.write("b.txt", "ABLE\nBA\n\nCATS\n").c_str(), nullptr));
  EXPECT_FALSE(dictionary.contains("ABLE"));
}

TEST(DiskDictionaryTest, EmptyFileOpensAndHoldsNothing) {
  TempFolder folder;
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(folder.write("empty.txt", "").c_str(), nullptr));
  EXPECT_FALSE(dictionary.contains("ABLE"));
  EXPECT_STREQ(dictionary.randomWord(), "");
  EXPECT_STREQ(dictionary.randomWord(4), "");
}

TEST(DiskDictionaryTest, OpenReportsFailureAndKeepsErrorOnSuccess) {
  TempFolder folder;
  DiskDictionary dictionary;
  cString error("untouched");
  std::string missing = folder.path("missing.txt");
  EXPECT_FALSE(dictionary.open(missing.c_str(), nullptr));
  EXPECT_FALSE(dictionary.open(missing.c_str(), &error));
  EXPECT_EQ(std::string(error), "Error opening '" + missing + "' for reading");
  error = "untouched";
  ASSERT_TRUE(dictionary.open(folder.write("w.txt", "ABLE\nBAKE\n").c_str(), &error));
  EXPECT_STREQ(error, "untouched");
  EXPECT_TRUE(dictionary.contains("BAKE"));
  // A failed second open leaves no file open rather than the first one's size.
  EXPECT_FALSE(dictionary.open(missing.c_str(), nullptr));
  EXPECT_FALSE(dictionary.contains("BAKE"));
}

TEST(DiskDictionaryTest, CountsAndIndexingFallBackToTheInterface) {
  DiskDictionary dictionary;
  EXPECT_EQ(dictionary.wordCount(), -1);
  EXPECT_EQ(dictionary.wordCount(5), -1);
  EXPECT_STREQ(dictionary.word(0), "");
  EXPECT_EQ(dictionary.maxWordLength(), MAX_WORD_LENGTH);
}

TEST(DiskDictionaryTest, RandomWordsAreWordsOfTheList) {
  const std::set<std::string> words = {"AB", "BEAR", "CAT", "DOGS", "ZEBRA"};
  TempFolder folder;
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(folder.write("w.txt", fileOf(words, "\n", true)).c_str(), nullptr));
  seedRandom(11);
  std::set<std::string> drawn;
  for (int i = 0; i < 300; ++i) drawn.insert(static_cast<const char*>(dictionary.randomWord()));
  EXPECT_EQ(drawn, words);
  EXPECT_STREQ(dictionary.randomWord(5), "ZEBRA");
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

TEST(DiskDictionaryTest, RandomWordOfLengthGivesUpAfterAHundredDraws) {
  TempFolder folder;
  CountingDictionary dictionary;
  ASSERT_TRUE(dictionary.open(folder.write("w.txt", "ABLE\nBAKE\nCAKE\n").c_str(), nullptr));
  EXPECT_STREQ(dictionary.randomWord(7), "");
  EXPECT_EQ(dictionary.draws, 100);
}

TEST(DiskDictionaryTest, RandomWordNeedsAnOpenFile) {
  DiskDictionary dictionary;
  EXPECT_FALSE(dictionary.contains("ABLE"));
  EXPECT_EXIT(dictionary.randomWord(), ::testing::ExitedWithCode(3),
              standardErrorMatches("Assertion failed: _fp, file diskdict, line [0-9]+\r\n"));
}

TEST(DiskDictionaryTest, ShippedListIsSortedAndEveryGameWordIsFound) {
  std::ifstream list(SHIPPED_WORDS, std::ios::binary);
  std::string previous, word;
  DiskDictionary dictionary;
  ASSERT_TRUE(dictionary.open(SHIPPED_WORDS, nullptr));
  int count = 0;
  while (std::getline(list, word)) {
    EXPECT_LT(previous, word);
    if (word.size() <= 11 && count++ > 0) {
      ASSERT_TRUE(dictionary.contains(word.c_str())) << word;
    }
    previous = word;
  }
  EXPECT_GT(count, 50000);
}

}  // namespace
