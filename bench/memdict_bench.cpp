// Benchmark of MemoryDictionary's load and lookups on the shipped list and on a million words in
// no order, beside a baseline that reads the lines into a vector of strings, sorts it and searches
// it with std::binary_search. Load benchmarks also report the peak heap use of one load, counted
// through operator new and the dictionary's allocation seam, beside what the design allows.
// On a busy machine, compare the two sides with --benchmark_repetitions=8
// --benchmark_enable_random_interleaving=true, which alternates them through the run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "bench/benchlists.h"
#include "dictionary/memdict.h"

namespace {

std::vector<std::string> baselineLoad(const std::string& path) {
  std::vector<std::string> words = readWords(path);
  std::sort(words.begin(), words.end());
  return words;
}

// Heap bytes in use, as far as they are counted here: every operator new of the program, and the
// memory dictionary's blocks through its reallocate(). `peak` is the most in use since a reset.
struct HeapUse {
  long long inUse = 0;
  long long peak = 0;

  void add(long long bytes) {
    inUse += bytes;
    peak = std::max(peak, inUse);
  }
} heapUse;

// Measures the greatest heap use from when it is made to when growthKiB() is asked, above the use
// at the start. Ask while what was loaded is still alive.
class PeakMemory {
 public:
  PeakMemory() : _start(heapUse.peak = heapUse.inUse) {}
  double growthKiB() const { return static_cast<double>(heapUse.peak - _start) / 1024; }

 private:
  long long _start;
};

// Counts its blocks in heapUse. A block that grows counts at its new size only, as when realloc
// extends it in place or remaps its pages (glibc does so for large blocks) rather than copying it.
// The blocks it frees are not counted off, which only matters after the measure.
class CountedDictionary : public MemoryDictionary {
 protected:
  void* reallocate(void* block, std::size_t bytes) override {
    long long before = block != nullptr ? static_cast<long long>(malloc_usable_size(block)) : 0;
    void* grown = MemoryDictionary::reallocate(block, bytes);
    if (grown != nullptr) heapUse.add(static_cast<long long>(malloc_usable_size(grown)) - before);
    return grown;
  }
};

// The most a load may take: the text block, the index with room for up to twice the words, 64 KiB.
double memoryBudgetKiB(const WordsFile& file, int words) {
  double entries = 512;
  while (entries < words) entries *= 2;
  double textBytes = static_cast<double>(std::ifstream(file.path, std::ios::ate).tellg()) + 1;
  return (textBytes + entries * sizeof(char*)) / 1024 + 64;
}

void loadMemoryDictionary(benchmark::State& state, const WordsFile& file) {
  {
    PeakMemory peak;
    CountedDictionary dictionary;
    dictionary.open(file.path.c_str(), nullptr);
    state.counters["peak_KiB"] = peak.growthKiB();
    state.counters["budget_KiB"] = memoryBudgetKiB(file, dictionary.wordCount());
  }
  for (auto _ : state) {
    MemoryDictionary dictionary;
    benchmark::DoNotOptimize(dictionary.open(file.path.c_str(), nullptr));
  }
}

void loadBaseline(benchmark::State& state, const WordsFile& file) {
  {
    PeakMemory peak;
    std::vector<std::string> words = baselineLoad(file.path);
    state.counters["peak_KiB"] = peak.growthKiB();
  }
  for (auto _ : state) benchmark::DoNotOptimize(baselineLoad(file.path));
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
void MemoryLookupShipped(benchmark::State& state) {
  lookUpEach<MemoryDictionary>(state, shippedList());
}
void BaselineLookupShipped(benchmark::State& state) { lookUpBaseline(state, shippedList()); }
void MemoryLookupUnsorted(benchmark::State& state) {
  lookUpEach<MemoryDictionary>(state, unsortedMillion());
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

void* operator new(std::size_t bytes) {
  void* block = std::malloc(bytes > 0 ? bytes : 1);
  if (block == nullptr) throw std::bad_alloc();
  heapUse.add(static_cast<long long>(malloc_usable_size(block)));
  return block;
}

void operator delete(void* block) noexcept {
  if (block != nullptr) heapUse.add(-static_cast<long long>(malloc_usable_size(block)));
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
