// Fuzz target: arbitrary bytes as the memory dictionary's words file. What it loads must agree with
// the load rules applied here to the same bytes: the text ends at the first 0x1A, CRs are dropped,
// a NUL ends the split, each whitespace byte ends a word, and a last word needs no line end.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "dictionary/memdict.h"
#include "fuzz/oracle.h"
#include "testing/tempfolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFolder folder;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string text = wordsText(bytes);
  // Every whitespace byte ends a line, so each line is one word, empty ones included.
  std::replace_if(text.begin(), text.end(), isSpace, '\n');
  std::multiset<std::string> words;
  for (const std::string& word : splitLines(text.substr(0, text.find('\0')))) words.insert(word);
  MemoryDictionary dictionary;
  check(dictionary.open(folder.write("words.txt", bytes).c_str(), nullptr) == !text.empty());
  check(dictionary.wordCount() == static_cast<int>(words.size()));
  int n = 0, counts[MAX_WORD_LENGTH] = {};
  for (const std::string& word : words) {
    check(word == static_cast<const char*>(dictionary.word(n++)) &&
          dictionary.contains(word.c_str()));
    if (word.size() < std::size_t{MAX_WORD_LENGTH}) ++counts[word.size()];
  }
  for (int k = 0; k < MAX_WORD_LENGTH; ++k) check(dictionary.wordCount(k) == counts[k]);
  for (const char* absent : {"ZZZZZZZZZZZZZZZZZZ", "APPLE", "a"})
    check(dictionary.contains(absent) == (words.count(absent) != 0));
  return 0;
}
