// Fuzz target: arbitrary bytes as the memory dictionary's words file. What it loads must agree with
// the load rules applied here to the same bytes: the text ends at the first 0x1A, CRs are dropped,
// a NUL ends the split, each whitespace byte ends a word, and a last word needs no line end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "dictionary/memdict.h"
#include "support/tempfolder.h"

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The words that a load of `bytes` gives, in sorted order; false when it gives none at all.
bool expectedWords(const std::string& bytes, std::multiset<std::string>* words) {
  std::string text = bytes.substr(0, bytes.find('\x1A'));
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  // Every whitespace byte ends a line, so each line is one word, empty ones included.
  std::replace_if(text.begin(), text.end(), isSpace, '\n');
  std::istringstream lines(text.substr(0, text.find('\0')));
  for (std::string word; std::getline(lines, word);) words->insert(word);
  return !text.empty();
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFolder folder;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  MemoryDictionary dictionary;
  std::multiset<std::string> words;
  const bool loads = expectedWords(bytes, &words);
  check(dictionary.open(folder.write("words.txt", bytes).c_str(), nullptr) == loads);
  check(dictionary.wordCount() == static_cast<int>(words.size()));
  int n = 0, counts[MAX_WORD_LENGTH] = {};
  for (const std::string& word : words) {
    check(word == static_cast<const char*>(dictionary.word(n++)) &&
          dictionary.contains(word.c_str()));
    if (word.size() < std::size_t{MAX_WORD_LENGTH}) ++counts[word.size()];
  }
  for (int length = 0; length < MAX_WORD_LENGTH; ++length) {
    check(dictionary.wordCount(length) == counts[length]);
  }
  for (const char* absent : {"ZZZZZZZZZZZZZZZZZZ", "APPLE", "a"}) {
    check(dictionary.contains(absent) == (words.count(absent) != 0));
  }
  return 0;
}
