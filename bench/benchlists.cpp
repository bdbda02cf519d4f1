// The benchmarks' word lists, generated once per run into a temporary folder with the project's
// random generator, so that every run measures the same words.
#include "bench/benchlists.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/random.h"
#include "testing/tempfolder.h"

namespace {

WordsFile prepare(const std::string& path) {
  std::vector<std::string> words = readWords(path);
  WordsFile file{path, {}};
  seedRandom(99);
  for (int i = 0; i < 4096; ++i) {
    std::string word =
        words[static_cast<size_t>(drawRandom() * 32768 + drawRandom()) % words.size()];
    file.lookups.push_back(i % 2 == 0 ? word : word + "Q");
  }
  return file;
}

// A million distinct words of `minLength` to `maxLength` letters A to Z, in drawn order.
std::vector<std::string> drawMillion(int minLength, int maxLength) {
  std::set<std::string> seen;
  std::vector<std::string> words;
  seedRandom(5);
  while (words.size() < 1000000) {
    std::string word(static_cast<size_t>(minLength + drawRandom() % (maxLength - minLength + 1)),
                     'A');
    for (char& c : word) c = static_cast<char>('A' + drawRandom() % 26);
    if (seen.insert(word).second) words.push_back(word);
  }
  return words;
}

// Writes `words` one a line to the file `name` of a temporary folder that lasts the run.
WordsFile generated(const std::string& name, const std::vector<std::string>& words) {
  static TempFolder folder;
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return prepare(folder.write(name, text));
}

}  // namespace

std::vector<std::string> readWords(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> words;
  for (std::string word; std::getline(in, word);) words.push_back(word);
  return words;
}

const WordsFile& shippedList() {
  static const WordsFile file = prepare(SHIPPED_WORDS);
  return file;
}

const WordsFile& sortedMillion() {
  static const WordsFile file = [] {
    std::vector<std::string> words = drawMillion(4, 12);
    std::sort(words.begin(), words.end());
    return generated("sorted.txt", words);
  }();
  return file;
}

const WordsFile& unsortedMillion() {
  static const WordsFile file = generated("unsorted.txt", drawMillion(4, 16));
  return file;
}
