// Fuzz target: arbitrary bytes as the disk dictionary's words file. Every query must return without
// a sanitizer report; when the bytes are a well-formed sorted list, every word of up to 10 letters
// is found and no absent word of up to 11 letters is.
#include <cstdint>
#include <set>
#include <string>

#include "dictionary/diskdict.h"
#include "fuzz/oracle.h"
#include "testing/tempfolder.h"
#include "testing/wordlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFolder folder;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  DiskDictionary dictionary;
  if (!dictionary.open(folder.write("words.txt", bytes).c_str(), nullptr)) return 0;
  // Every line of the input and a few fixed words are asked for.
  for (const std::string& line : splitLines(bytes)) dictionary.contains(line.c_str());
  for (const char* word : {"", "A", "APPLE", "ZZZZZZZZZZZZZZZZZZ"}) dictionary.contains(word);
  std::set<std::string> words;
  if (parseSortedWords(bytes, &words)) {
    for (const auto& word : words) check(word.size() > 10 || dictionary.contains(word.c_str()));
    for (const auto& word : absentNeighbours(words, 11)) check(!dictionary.contains(word.c_str()));
  }
  dictionary.randomWord();
  dictionary.randomWord(size % 20);
  return 0;
}
