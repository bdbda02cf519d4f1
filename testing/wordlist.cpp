// Test helper: drawn word lists and their files, and words near those of a list, for the tests
// and fuzz targets of the dictionaries.
#include "testing/wordlist.h"

#include "support/random.h"
#include "testing/tempfolder.h"

std::vector<std::string> drawWords(int count, const std::string& alphabet, int minLength,
                                   int maxLength) {
  std::vector<std::string> words(static_cast<std::size_t>(count));
  for (std::string& word : words) {
    word.resize(static_cast<std::size_t>(minLength + drawRandom() % (maxLength - minLength + 1)));
    for (char& c : word) c = alphabet[static_cast<std::size_t>(drawRandom()) % alphabet.size()];
  }
  return words;
}

std::string writeWordsFile(const std::string& bytes) {
  static TempFolder folder;
  static int files = 0;
  return folder.write("words" + std::to_string(files++) + ".txt", bytes);
}

std::set<std::string> absentNeighbours(const std::set<std::string>& words, std::size_t longest) {
  std::set<std::string> absent;
  for (const std::string& word : words) {
    std::string lower = word, next = word;
    lower[0] = static_cast<char>(lower[0] + ('a' - 'A'));
    ++next.back();
    for (const std::string& near : {word.substr(0, word.size() - 1), word + "A", lower, next})
      if (!near.empty() && near.size() <= longest && words.count(near) == 0) absent.insert(near);
  }
  return absent;
}
