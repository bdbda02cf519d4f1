// Benchmark of MemoryDictionary's load and lookups on the shipped list and on a million words in
// no order, beside a baseline that reads the lines into a vector of strings, sorts it and searches
// it with std::binary_search. Load benchmarks also report the peak memory of one load (Linux).
// On a busy machine, compare the two sides with --benchmark_repetitions=8
// --benchmark_enable_random_interleaving=true, which alternates them through the run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "dictionary/benchlists.h"
#include "dictionary/memdict.h"

namespace {

std::vector<std::string> baselineLoad(const std::string& path) {
  std::vector<std::string> words = readWords(path);
  std::sort(words.begin(), words.end());
  return words;
}

// A value in KiB from the process's status, such as "VmRSS:" or "VmHWM:".
double statusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, field.size(), field) == 0) return std::stod(line.substr(field.size()));
  }
  return 0;
}

// How far the process's peak resident memory rose above its resident memory while `load` ran, in
// KiB (Linux: writing 5 to clear_refs resets the peak). Meanwhile every block of a page or more
// gets a mapping of its own, which its release returns, so that heap memory freed earlier in the
// run cannot hide what the load takes.
template <typename Load>
double peakGrowthKiB(Load load) {
  mallopt(M_MMAP_THRESHOLD, 4096);
  std::ofstream("/proc/self/clear_refs") << "5";
  double before = statusKiB("VmRSS:");
  load();
  double peak = statusKiB("VmHWM:") - before;
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);  // glibc's default
  return peak;
}

// The most a load may take: the text block, the index with room for up to twice the words, 64 KiB.
double memoryBudgetKiB(const WordsFile& file, int words) {
  double entries = 512;
  while (entries < words) entries *= 2;
  double textBytes = static_cast<double>(std::ifstream(file.path, std::ios::ate).tellg()) + 1;
  return (textBytes + entries * sizeof(char*)) / 1024 + 64;
}

void loadMemoryDictionary(benchmark::State& state, const WordsFile& file) {
  int words = 0;
  state.counters["peak_KiB"] = peakGrowthKiB([&] {
    MemoryDictionary dictionary;
    dictionary.open(file.path.c_str(), nullptr);
    words = dictionary.wordCount();
  });
  state.counters["budget_KiB"] = memoryBudgetKiB(file, words);
  for (auto _ : state) {
    MemoryDictionary dictionary;
    benchmark::DoNotOptimize(dictionary.open(file.path.c_str(), nullptr));
  }
}

void loadBaseline(benchmark::State& state, const WordsFile& file) {
  state.counters["peak_KiB"] = peakGrowthKiB([&] { baselineLoad(file.path); });
  for (auto _ : state) benchmark::DoNotOptimize(baselineLoad(file.path));
}

void lookUpMemoryDictionary(benchmark::State& state, const WordsFile& file) {
  MemoryDictionary dictionary;
  dictionary.open(file.path.c_str(), nullptr);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        dictionary.contains(file.lookups[next++ % file.lookups.size()].c_str()));
  }
}

void lookUpBaseline(benchmark::State& state, const WordsFile& file) {
  std::vector<std::string> words = baselineLoad(file.path);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        std::binary_search(words.begin(), words.end(), file.lookups[next++ % file.lookups.size()]));
  }
}

void MemoryLoadShipped(benchmark::State& state) { loadMemoryDictionary(state, shippedList()); }
void BaselineLoadShipped(benchmark::State& state) { loadBaseline(state, shippedList()); }
void MemoryLoadUnsorted(benchmark::State& state) { loadMemoryDictionary(state, unsortedMillion()); }
void BaselineLoadUnsorted(benchmark::State& state) { loadBaseline(state, unsortedMillion()); }
void MemoryLookupShipped(benchmark::State& state) { lookUpMemoryDictionary(state, shippedList()); }
void BaselineLookupShipped(benchmark::State& state) { lookUpBaseline(state, shippedList()); }
void MemoryLookupUnsorted(benchmark::State& state) {
  lookUpMemoryDictionary(state, unsortedMillion());
}
void BaselineLookupUnsorted(benchmark::State& state) { lookUpBaseline(state, unsortedMillion()); }

BENCHMARK(MemoryLoadShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineLoadShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryLoadUnsorted)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineLoadUnsorted)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryLookupShipped);
BENCHMARK(BaselineLookupShipped);
BENCHMARK(MemoryLookupUnsorted);
BENCHMARK(BaselineLookupUnsorted);

}  // namespace
