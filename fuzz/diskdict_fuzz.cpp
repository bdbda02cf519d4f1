// Fuzz target: arbitrary bytes as the disk dictionary's words file. Every query must return without
// a sanitizer report; when the bytes are a well-formed sorted list, every word of up to 10 letters
// is found and no absent word of up to 11 letters is.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "dictionary/diskdict.h"
#include "support/tempfolder.h"
#include "support/wordlist.h"

namespace {

// Asks for every line of the input as a word, and for a few fixed words.
void askEveryLine(DiskDictionary& dictionary, const std::string& bytes) {
  for (std::size_t start = 0; start <= bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    dictionary.contains(bytes.substr(start, end - start).c_str());
    start = end + 1;
  }
  for (const char* word : {"", "A", "APPLE", "ZZZZZZZZZZZZZZZZZZ"}) dictionary.contains(word);
}

void checkSortedList(DiskDictionary& dictionary, const std::set<std::string>& words) {
  for (const std::string& word : words) {
    if (word.size() <= 10 && !dictionary.contains(word.c_str())) std::abort();
  }
  for (const std::string& word : absentNeighbours(words, 11)) {
    if (dictionary.contains(word.c_str())) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFolder folder;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  DiskDictionary dictionary;
  if (!dictionary.open(folder.write("words.txt", bytes).c_str(), nullptr)) return 0;
  askEveryLine(dictionary, bytes);
  std::set<std::string> words;
  if (parseSortedWords(bytes, &words)) checkSortedList(dictionary, words);
  dictionary.randomWord();
  dictionary.randomWord(size % 20);
  return 0;
}
