// The memory dictionary: what a load makes of line ends, blank lines, odd bytes and unsorted words;
// its failures and the memory it asks for. Its agreement with the disk dictionary on sorted lists
// is tested with the disk dictionary's lookups.
#include "dictionary/memdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/random.h"
#include "testing/failingfile.h"
#include "testing/stderrmatcher.h"
#include "testing/wordlist.h"

namespace {

// Records the size of every block the dictionary asks for, and runs out of memory from one
// request on.
class TestDictionary : public MemoryDictionary {
 public:
  std::size_t failingRequest = SIZE_MAX;  // the first request to fail, counting from 0
  std::vector<std::size_t> requests;
  void* reallocate(void* block, std::size_t bytes) override {
    requests.push_back(bytes);
    return requests.size() > failingRequest ? nullptr : MemoryDictionary::reallocate(block, bytes);
  }
};

// Each row: a text and the words it holds. The loaded words, in order, and their counts by length
// are those words sorted; the index starts at 512 entries and doubles when full.
TEST(MemoryDictionaryTest, LoadsSortsAndCountsTheWordsOfTheText) {
  // Thousands of words over bytes on both sides of 128, many sharing 20 bytes, use every stage of
  // the sort; those of 0 to 24 bytes hold every length that is counted and some that are not.
  seedRandom(3);
  std::vector<std::string> drawn = drawWords(20000, "AB0\x7F\x80\xFF", 0, 24);
  for (const std::string& word : drawWords(300, "AB\xFF", 0, 6))
    drawn.push_back(std::string(20, 'A') + word);
  struct Row {
    std::string text;
    std::vector<std::string> words;
  };
  Row rows[] = {
      {"DOG\nCAT\nANT\n", {"DOG", "CAT", "ANT"}},
      {"DOG\nCAT\nANT\n\x1A", {"DOG", "CAT", "ANT"}},
      {"DOG\n\nCAT\n\n", {"", "", "CAT", "DOG"}},
      {linesOf(drawn), drawn},
  };
  for (auto& [text, words] : rows) {
    SCOPED_TRACE(text.substr(0, 20));
    TestDictionary dictionary;
    ASSERT_TRUE(dictionary.open(writeWordsFile(text).c_str(), nullptr));
    std::vector<std::size_t> requests = {text.size() + 1, 512 * sizeof(char*)};
    for (std::size_t entries = 1024; entries / 2 < words.size(); entries *= 2)
      requests.push_back(entries * sizeof(char*));
    EXPECT_EQ(dictionary.requests, requests);
    std::sort(words.begin(), words.end());  // std::string orders bytes as unsigned values
    std::vector<std::string> loaded;
    for (int n = 0; n < dictionary.wordCount(); ++n) loaded.emplace_back(dictionary.word(n));
    EXPECT_EQ(loaded, words);
    int counts[MAX_WORD_LENGTH] = {};
    for (const std::string& word : words)
      if (word.size() < MAX_WORD_LENGTH) ++counts[word.size()];
    for (int length = 0; length < MAX_WORD_LENGTH; ++length)
      EXPECT_EQ(dictionary.wordCount(length), counts[length]) << length;
    EXPECT_TRUE(dictionary.contains(words.back().c_str()));
    EXPECT_FALSE(dictionary.contains("COW") || dictionary.contains("cat"));
  }
}

TEST(MemoryDictionaryTest, FailedOpenReportsAndLeavesItEmpty) {
  seedRandom(4);
  const std::string words = writeWordsFile(linesOf(drawWords(1500, "AB", 3, 12)));
  const std::string missing = words + "-missing", empty = writeWordsFile("");
  const std::string noText = writeWordsFile("\x1A\nANT\n");
  const std::string noMemory = "Insufficient memory for dictionary";
  const std::string failing = "failing.txt";  // "APPLE\nBERRY\n", whose reads fail at errorAt
  const std::string failingError = "Error reading dictionary file 'failing.txt'.";
  struct Row {
    std::string path;
    std::size_t failingRequest;
    std::string message;
    std::int64_t errorAt;
  };
  const Row rows[] = {
      {missing, SIZE_MAX, "Unable to open dictionary file '" + missing + "' for reading.", 0},
      {empty, SIZE_MAX, "Error reading dictionary file '" + empty + "'.", 0},
      {noText, SIZE_MAX, "Error reading dictionary file '" + noText + "'.", 0},
      {words, 0, noMemory, 0},  // the text
      {words, 1, noMemory, 0},  // the first 512 entries of the index
      {words, 3, noMemory, 0},  // the 1025th word's growth to 2048 entries
      // A read error at the first byte, inside the last word, at the last line end.
      {failing, SIZE_MAX, failingError, 0},
      {failing, SIZE_MAX, failingError, 8},
      {failing, SIZE_MAX, failingError, 11},
  };
  for (const auto& [path, failingRequest, message, errorAt] : rows) {
    FailingFile failingFile(failing, "APPLE\nBERRY\n", errorAt);
    TestDictionary dictionary;
    dictionary.failingRequest = failingRequest;
    cString error;
    EXPECT_FALSE(dictionary.open(path.c_str(), &error)) << errorAt;
    EXPECT_EQ(std::string(error), message) << errorAt;
    EXPECT_EQ(dictionary.wordCount() + dictionary.wordCount(3), 0) << message;
    EXPECT_FALSE(dictionary.open(path.c_str(), nullptr));
    dictionary.failingRequest = SIZE_MAX;
    EXPECT_TRUE(dictionary.open(words.c_str(), nullptr));  // a failed open leaves it to try again
    EXPECT_EQ(dictionary.wordCount(), 1500) << message;
    EXPECT_TRUE(dictionary.open(missing.c_str(), &error));  // a second load reads nothing
    EXPECT_EQ(std::string(error), message);                 // and leaves *error alone
  }
}

TEST(MemoryDictionaryDeathTest, QueriesOutOfRange) {
  struct Row {
    const char* condition;
    void (*query)();
  };
  const Row rows[] = {
      {"length >= 0", [] { MemoryDictionary().wordCount(-1); }},
      {"length < MAX_WORD_LENGTH", [] { MemoryDictionary().wordCount(16); }},
      {"n >= 0", [] { MemoryDictionary().word(-1); }},
      {"n < _words", [] { MemoryDictionary().word(0); }},
  };
  for (const Row& row : rows)
    EXPECT_EXIT(row.query(), ::testing::ExitedWithCode(3),
                standardErrorMatches(std::string("Assertion failed: ") + row.condition +
                                     ", file memdict, line [0-9]+\r\n"));
}

}  // namespace
