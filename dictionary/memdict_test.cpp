// The memory dictionary: what a load makes of line ends, blank lines, odd bytes and unsorted words;
// its failures and the memory it asks for; agreement with the disk dictionary on sorted lists.
#include "dictionary/memdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "dictionary/diskdict.h"
#include "support/random.h"
#include "support/stderrmatcher.h"
#include "support/tempfolder.h"

namespace {

using Words = std::vector<std::string>;

// Records the size of every block the dictionary asks for, and runs out of memory at one request.
class ScarceDictionary : public MemoryDictionary {
 public:
  int failingRequest = -1;  // counting from 0; -1: memory never runs out
  std::vector<std::size_t> requests;

 protected:
  void* reallocate(void* block, std::size_t bytes) override {
    requests.push_back(bytes);
    if (static_cast<int>(requests.size()) - 1 == failingRequest) return nullptr;
    return MemoryDictionary::reallocate(block, bytes);
  }
};

std::string linesOf(const Words& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

// Words of `length` characters and more over `alphabet`, in the order drawn (repeats included).
Words drawWords(int count, const std::string& alphabet, int minLength, int maxLength) {
  Words words;
  while (static_cast<int>(words.size()) < count) {
    std::string word(static_cast<size_t>(minLength + drawRandom() % (maxLength - minLength + 1)),
                     ' ');
    for (char& c : word) c = alphabet[static_cast<size_t>(drawRandom()) % alphabet.size()];
    words.push_back(word);
  }
  return words;
}

Words sortedWords(Words words) {
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    return std::strcmp(a.c_str(), b.c_str()) < 0;
  });
  return words;
}

class MemoryDictionaryTest : public ::testing::Test {
 protected:
  // Writes `bytes` to a new file of the folder and returns its path.
  std::string file(const std::string& bytes) {
    return folder.write("w" + std::to_string(files++) + ".txt", bytes);
  }

  // The loaded words, their counts by length and their lookups are those of `expected` (sorted).
  static void expectWords(MemoryDictionary& dictionary, const Words& expected) {
    ASSERT_EQ(dictionary.wordCount(), static_cast<int>(expected.size()));
    int counts[MAX_WORD_LENGTH] = {};
    for (int n = 0; n < dictionary.wordCount(); ++n) {
      const std::string& word = expected[static_cast<size_t>(n)];
      EXPECT_EQ(std::string(dictionary.word(n)), word) << n;
      EXPECT_TRUE(dictionary.contains(word.c_str())) << word;
      if (word.size() < MAX_WORD_LENGTH) ++counts[word.size()];
    }
    for (int length = 0; length < MAX_WORD_LENGTH; ++length) {
      EXPECT_EQ(dictionary.wordCount(length), counts[length]) << length;
    }
  }

  TempFolder folder;
  int files = 0;
};

TEST_F(MemoryDictionaryTest, LoadsSortsAndCountsTheWordsOfTheText) {
  const Words animals = {"ANT", "CAT", "DOG"};
  const struct {
    const char* name;
    std::string text;
    Words expected;
  } rows[] = {
      {"LF", "DOG\nCAT\nANT\n", animals},
      {"CR LF", "DOG\r\nCAT\r\nANT\r\n", animals},
      {"no final line end", "DOG\nCAT\nANT", animals},
      {"0x1A after the text", "DOG\nCAT\nANT\n\x1A", animals},
      {"0x1A ends the text", "DOG\nCAT\nANT\x1A\nBEE\n", animals},
      {"blank line", "DOG\n\nCAT\n", {"", "CAT", "DOG"}},
      {"spaces and tabs", "DOG CAT\tANT\n", animals},
      {"odd bytes belong to words", "\xC9T\nA-1\nAB7\n", {"A-1", "AB7", "\xC9T"}},
      {"lengths 15, 16 and 17",
       "ABCDEFGHIJKLMNOPQ\nABCDEFGHIJKLMNOP\nABCDEFGHIJKLMNO\n",
       {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQ"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryDictionary dictionary;
    ASSERT_TRUE(dictionary.open(file(row.text).c_str(), nullptr));
    expectWords(dictionary, row.expected);
    EXPECT_FALSE(dictionary.contains("COW"));
    EXPECT_FALSE(dictionary.contains("cat"));
  }
}

// Many words, in drawn order, over bytes that straddle 128 and with long shared beginnings, so
// that every stage of the sort is used: distribution, finishing by comparison, the deepest level.
TEST_F(MemoryDictionaryTest, AnyOrderComesOutInUnsignedByteOrder) {
  seedRandom(3);
  Words words = drawWords(20000, "AB0\x7F\x80\xFF", 0, 24);
  for (std::string& word : drawWords(300, "AB\xFF", 0, 6))
    words.push_back(std::string(20, 'A') + word);
  MemoryDictionary dictionary;
  ASSERT_TRUE(dictionary.open(file(linesOf(words)).c_str(), nullptr));
  expectWords(dictionary, sortedWords(words));
}

// The index starts at 512 entries and doubles; the text block is the file's size plus one.
TEST_F(MemoryDictionaryTest, IndexGrowsByDoubling) {
  seedRandom(4);
  Words words = drawWords(1500, "ABCDEFGH", 4, 10);
  std::string text = linesOf(words);
  ScarceDictionary dictionary;
  ASSERT_TRUE(dictionary.open(file(text).c_str(), nullptr));
  const std::vector<std::size_t> expected = {text.size() + 1, 512 * sizeof(char*),
                                             1024 * sizeof(char*), 2048 * sizeof(char*)};
  EXPECT_EQ(dictionary.requests, expected);
  expectWords(dictionary, sortedWords(words));
}

TEST_F(MemoryDictionaryTest, FailedOpenReportsLeavesItEmptyAndAllowsAnother) {
  const std::string missing = folder.path("missing.txt");
  const std::string words = file(linesOf(drawWords(600, "AB", 3, 12)));
  const std::string noMemory = "Insufficient memory for dictionary";
  const struct {
    std::string path;
    int failingRequest;
    std::string message;
  } rows[] = {
      {missing, -1, "Unable to open dictionary file '" + missing + "' for reading."},
      {folder.path(""), -1,
       "Unable to open dictionary file '" + folder.path("") + "' for reading."},
      {file(""), -1, "Error reading dictionary file '" + folder.path("w1.txt") + "'."},
      {file("\x1A"
            "ANT\n"),
       -1, "Error reading dictionary file '" + folder.path("w2.txt") + "'."},
      {words, 0, noMemory},  // the text
      {words, 1, noMemory},  // the first 512 entries of the index
      {words, 2, noMemory},  // the 513th word's growth to 1024 entries
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message + " at request " + std::to_string(row.failingRequest));
    ScarceDictionary dictionary;
    dictionary.failingRequest = row.failingRequest;
    cString error("untouched");
    EXPECT_FALSE(dictionary.open(row.path.c_str(), nullptr));
    dictionary.requests.clear();
    EXPECT_FALSE(dictionary.open(row.path.c_str(), &error));
    EXPECT_EQ(std::string(error), row.message);
    EXPECT_EQ(dictionary.wordCount(), 0);
    EXPECT_EQ(dictionary.wordCount(3), 0);
    EXPECT_FALSE(dictionary.contains("ABA"));
    dictionary.failingRequest = -1;
    error = "untouched";
    EXPECT_TRUE(dictionary.open(words.c_str(), &error));
    EXPECT_STREQ(error, "untouched");
    EXPECT_EQ(dictionary.wordCount(), 600);
  }
}

TEST_F(MemoryDictionaryTest, SecondOpenKeepsTheFirstLoad) {
  MemoryDictionary dictionary;
  ASSERT_TRUE(dictionary.open(file("DOG\nCAT\n").c_str(), nullptr));
  cString error("untouched");
  EXPECT_TRUE(dictionary.open(folder.path("missing.txt").c_str(), &error));
  EXPECT_TRUE(dictionary.open(file("ANT\n").c_str(), &error));
  EXPECT_STREQ(error, "untouched");
  expectWords(dictionary, {"CAT", "DOG"});
  EXPECT_STREQ(dictionary.randomWord(), "");
  EXPECT_STREQ(dictionary.randomWord(3), "");
  EXPECT_EQ(dictionary.maxWordLength(), MAX_WORD_LENGTH);
}

// On sorted lists, LF or CR LF, the two dictionaries agree on every word of up to 11 letters and
// on words close to them that are absent.
TEST_F(MemoryDictionaryTest, AgreesWithTheDiskDictionary) {
  seedRandom(9);
  std::set<std::string> drawn;
  for (const std::string& word : drawWords(3000, "ABCD", 1, 16)) drawn.insert(word);
  const Words words(drawn.begin(), drawn.end());
  Words probes;
  for (const std::string& word : words) {
    probes.insert(probes.end(), {word, word.substr(0, word.size() - 1), word + "A", word + "E"});
  }
  for (const char* lineEnd : {"\n", "\r\n"}) {
    std::string text;
    for (const std::string& word : words) text += word + lineEnd;
    std::string path = file(text);
    MemoryDictionary memory;
    DiskDictionary disk;
    ASSERT_TRUE(memory.open(path.c_str(), nullptr));
    ASSERT_TRUE(disk.open(path.c_str(), nullptr));
    for (const std::string& probe : probes) {
      if (probe.size() < 2 || probe.size() > 11) continue;  // where the disk dictionary may miss
      EXPECT_EQ(memory.contains(probe.c_str()), disk.contains(probe.c_str())) << probe;
      EXPECT_EQ(memory.contains(probe.c_str()), drawn.count(probe) == 1) << probe;
    }
  }
}

TEST(MemoryDictionaryDeathTest, QueriesOutOfRange) {
  const struct {
    const char* condition;
    int (*query)(MemoryDictionary&);
  } rows[] = {
      {"length >= 0", [](MemoryDictionary& d) { return d.wordCount(-1); }},
      {"length < MAX_WORD_LENGTH", [](MemoryDictionary& d) { return d.wordCount(16); }},
      {"n >= 0", [](MemoryDictionary& d) { return static_cast<int>(d.word(-1).length()); }},
      {"n < _words", [](MemoryDictionary& d) { return static_cast<int>(d.word(0).length()); }},
  };
  for (const auto& row : rows) {
    MemoryDictionary dictionary;
    std::string report =
        std::string("Assertion failed: ") + row.condition + ", file memdict, line [0-9]+\r\n";
    EXPECT_EXIT(row.query(dictionary), ::testing::ExitedWithCode(3), standardErrorMatches(report))
        << row.condition;
  }
}

}  // namespace
