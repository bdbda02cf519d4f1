// The word lists that the dictionary benchmarks share: the shipped list and generated lists of a
// million words, each with the words to look up in it, and the lookup loop run on them. Used by the
// benchmark program only.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

struct WordsFile {
  std::string path;
  std::vector<std::string> lookups;  // present words and as many absent ones, in drawn order
};

// The words of the file at `path`, one a line, in file order.
std::vector<std::string> readWords(const std::string& path);

// The shipped words list.
const WordsFile& shippedList();

// A million distinct words of 4 to 12 letters, sorted: a file the disk dictionary can search.
const WordsFile& sortedMillion();

// A million distinct words of 4 to 16 letters in the order they were drawn.
const WordsFile& unsortedMillion();

// Opens a `Dictionary` (DiskDictionary or MemoryDictionary) on `file` and looks up its words in
// turn, one lookup an iteration.
template <class Dictionary>
void lookUpEach(benchmark::State& state, const WordsFile& file) {
  Dictionary dictionary;
  dictionary.open(file.path.c_str(), nullptr);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        dictionary.contains(file.lookups[next++ % file.lookups.size()].c_str()));
  }
}
