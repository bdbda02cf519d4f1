// The memory dictionary: what a load makes of line ends, blank lines, odd bytes and unsorted words;
// its failures and the memory it asks for; agreement with the disk dictionary on sorted lists.
#include "dictionary/memdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "dictionary/diskdict.h"
#include "support/random.h"
#include "support/stderrmatcher.h"
#include "support/tempfolder.h"

namespace {

using Words = std::vector<std::string>;

// Records the size of every block the dictionary asks for; memory runs out from one request on.
class ScarceDictionary : public MemoryDictionary {
 public:
  std::size_t failingRequest = SIZE_MAX;  // the first request to fail, counting from 0
  std::vector<std::size_t> requests;

 protected:
  void* reallocate(void* block, std::size_t bytes) override {
    requests.push_back(bytes);
    return requests.size() > failingRequest ? nullptr : MemoryDictionary::reallocate(block, bytes);
  }
};

// Claims longer words than the counts by length cover: those must still be counted under none.
class LongWordDictionary : public MemoryDictionary {
  int maxWordLength() override { return 20; }
};

// `count` words of `minLength` to `maxLength` bytes of `alphabet`, in drawn order.
Words drawWords(int count, const std::string& alphabet, int minLength, int maxLength) {
  Words words(static_cast<size_t>(count));
  for (std::string& word : words) {
    word.resize(static_cast<size_t>(minLength + drawRandom() % (maxLength - minLength + 1)));
    for (char& c : word) c = alphabet[static_cast<size_t>(drawRandom()) % alphabet.size()];
  }
  return words;
}

std::string linesOf(const Words& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

// The loaded words, their counts by length and their lookups are those of `words`, sorted.
void expectWords(MemoryDictionary& dictionary, Words words) {
  std::sort(words.begin(), words.end());  // std::string orders bytes as unsigned values
  ASSERT_EQ(dictionary.wordCount(), static_cast<int>(words.size()));
  int counts[MAX_WORD_LENGTH] = {};
  for (int n = 0; n < dictionary.wordCount(); ++n) {
    const std::string& word = words[static_cast<size_t>(n)];
    EXPECT_EQ(std::string(dictionary.word(n)), word) << n;
    EXPECT_TRUE(dictionary.contains(word.c_str())) << word;
    if (word.size() < MAX_WORD_LENGTH) ++counts[word.size()];
  }
  for (int length = 0; length < MAX_WORD_LENGTH; ++length) {
    EXPECT_EQ(dictionary.wordCount(length), counts[length]) << length;
  }
}

// Writes `bytes` to a new file of the test program's temporary folder and returns its path.
std::string file(const std::string& bytes) {
  static TempFolder folder;
  static int files = 0;
  return folder.write("w" + std::to_string(files++) + ".txt", bytes);
}

TEST(MemoryDictionaryTest, LoadsTheWordsOfTheText) {
  const Words animals = {"ANT", "CAT", "DOG"};
  const std::pair<std::string, Words> rows[] = {
      {"DOG\nCAT\nANT\n", animals},
      {"DOG\r\nCAT\r\nANT\r\n", animals},
      {"DOG\nCAT\nANT", animals},
      {"DOG\nCAT\nANT\n\x1A", animals},
      {"DOG\nCAT\nANT\x1A\nBEE\n", animals},
      {"DOG CAT\tANT\n", animals},
      {"DOG\n\nCAT\n\n", {"", "", "CAT", "DOG"}},
      {"\xC9T\nA-1\nAB7\n", {"A-1", "AB7", "\xC9T"}},
      {"ABCDEFGHIJKLMNOPQ\nABCDEFGHIJKLMNOP\nABCDEFGHIJKLMNO\n",
       {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQ"}},
  };
  for (const auto& [text, words] : rows) {
    SCOPED_TRACE(text);
    LongWordDictionary dictionary;
    ASSERT_TRUE(dictionary.open(file(text).c_str(), nullptr));
    cString error("untouched");  // a second open reads nothing, whatever it names
    EXPECT_TRUE(dictionary.open("missing.txt", &error));
    EXPECT_STREQ(error, "untouched");
    expectWords(dictionary, words);
    EXPECT_FALSE(dictionary.contains("COW") || dictionary.contains("cat"));
  }
}

// Thousands of unsorted words over bytes on both sides of 128, many sharing 20 bytes, use every
// stage of the sort; the index grows from 512 entries by doubling.
TEST(MemoryDictionaryTest, SortsAnyOrderAndGrowsTheIndexByDoubling) {
  seedRandom(3);
  Words words = drawWords(20000, "AB0\x7F\x80\xFF", 0, 24);
  for (std::string& word : drawWords(300, "AB\xFF", 0, 6))
    words.push_back(std::string(20, 'A') + word);
  std::string text = linesOf(words);
  ScarceDictionary dictionary;
  ASSERT_TRUE(dictionary.open(file(text).c_str(), nullptr));
  std::vector<std::size_t> requests = {text.size() + 1};
  for (std::size_t entries = 512; entries / 2 < words.size(); entries *= 2) {
    requests.push_back(entries * sizeof(char*));
  }
  EXPECT_EQ(dictionary.requests, requests);
  expectWords(dictionary, words);
}

TEST(MemoryDictionaryTest, FailedOpenReportsAndLeavesItEmpty) {
  seedRandom(4);
  const std::string words = file(linesOf(drawWords(1500, "AB", 3, 12)));
  const std::string missing = words + "-missing", empty = file(""), noText = file("\032ANT\n");
  const std::string noMemory = "Insufficient memory for dictionary";
  const struct {
    std::string path;
    std::size_t failingRequest;
    std::string message;
  } rows[] = {
      {missing, SIZE_MAX, "Unable to open dictionary file '" + missing + "' for reading."},
      {empty, SIZE_MAX, "Error reading dictionary file '" + empty + "'."},
      {noText, SIZE_MAX, "Error reading dictionary file '" + noText + "'."},
      {words, 0, noMemory},  // the text
      {words, 1, noMemory},  // the first 512 entries of the index
      {words, 3, noMemory},  // the 1025th word's growth to 2048 entries
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    ScarceDictionary dictionary;
    dictionary.failingRequest = row.failingRequest;
    cString error("untouched");
    EXPECT_FALSE(dictionary.open(row.path.c_str(), &error));
    EXPECT_EQ(std::string(error), row.message);
    EXPECT_EQ(dictionary.wordCount() + dictionary.wordCount(3), 0);
    EXPECT_FALSE(dictionary.open(row.path.c_str(), nullptr));
    dictionary.failingRequest = SIZE_MAX;
    EXPECT_TRUE(dictionary.open(words.c_str(), nullptr));  // a failed open leaves it to try again
    EXPECT_EQ(dictionary.wordCount(), 1500);
  }
}

// On a sorted list the two dictionaries agree on every word of up to 11 letters and on words next
// to them that are absent.
TEST(MemoryDictionaryTest, AgreesWithTheDiskDictionary) {
  seedRandom(9);
  const Words drawn = drawWords(3000, "ABCD", 1, 16);
  const std::set<std::string> words(drawn.begin(), drawn.end());
  std::string path = file(linesOf(Words(words.begin(), words.end())));
  MemoryDictionary memory;
  DiskDictionary disk;
  ASSERT_TRUE(memory.open(path.c_str(), nullptr) && disk.open(path.c_str(), nullptr));
  for (const std::string& word : words) {
    for (const std::string& probe :
         {word, word.substr(0, word.size() - 1), word + "A", word + "E"}) {
      if (probe.size() < 2 || probe.size() > 11) continue;  // where the disk dictionary may miss
      EXPECT_EQ(memory.contains(probe.c_str()), disk.contains(probe.c_str())) << probe;
      EXPECT_EQ(memory.contains(probe.c_str()), words.count(probe) == 1) << probe;
    }
  }
}

TEST(MemoryDictionaryDeathTest, QueriesOutOfRange) {
  const struct {
    const char* condition;
    void (*query)(MemoryDictionary&);
  } rows[] = {{"length >= 0", [](MemoryDictionary& d) { d.wordCount(-1); }},
              {"length < MAX_WORD_LENGTH", [](MemoryDictionary& d) { d.wordCount(16); }},
              {"n >= 0", [](MemoryDictionary& d) { d.word(-1); }},
              {"n < _words", [](MemoryDictionary& d) { d.word(0); }}};
  for (const auto& row : rows) {
    MemoryDictionary dictionary;
    EXPECT_EXIT(row.query(dictionary), ::testing::ExitedWithCode(3),
                standardErrorMatches(std::string("Assertion failed: ") + row.condition +
                                     ", file memdict, line [0-9]+\r\n"))
        << row.condition;
  }
}

}  // namespace
