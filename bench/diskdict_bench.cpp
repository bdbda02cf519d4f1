// Benchmark of DiskDictionary::contains on the shipped list and on a generated list of a million
// words, beside the same search done with plain positioned reads of raw bytes: the floor for a
// search that keeps nothing of the list in memory. Built by ./check, run by hand.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "bench/benchlists.h"
#include "dictionary/diskdict.h"

namespace {

// The binary search of DiskDictionary on raw bytes: one pread of the 32-byte window per probe.
bool floorContains(int fd, std::int64_t size, const char* word) {
  std::int64_t low = 0;
  std::int64_t high = size;
  while (low < high) {
    std::int64_t probe = low + (high - low) / 2;
    if (probe == low || probe == high) return false;
    std::int64_t start = probe > 20 ? probe - 20 : 0;
    char window[33];
    ssize_t count = pread(fd, window, 32, start);
    if (count <= 0) return false;
    auto isLetter = [&](std::int64_t i) {
      return i < count && window[i] >= 'A' && window[i] <= 'Z';
    };
    std::int64_t first = probe - start;
    if (isLetter(first)) {
      while (first > 0 && isLetter(first - 1)) --first;
    } else {
      ++first;
    }
    std::int64_t end = first;
    while (isLetter(end)) ++end;
    window[end] = '\0';
    int order = std::strcmp(window + first, word);
    if (order == 0) return true;
    (order > 0 ? high : low) = probe;
  }
  return false;
}

void runFloor(benchmark::State& state, const WordsFile& file) {
  int fd = ::open(file.path.c_str(), O_RDONLY);
  std::int64_t size = lseek(fd, 0, SEEK_END);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        floorContains(fd, size, file.lookups[next++ % file.lookups.size()].c_str()));
  }
  ::close(fd);
}

void DiskDictionaryShipped(benchmark::State& state) {
  lookUpEach<DiskDictionary>(state, shippedList());
}
void FloorShipped(benchmark::State& state) { runFloor(state, shippedList()); }
void DiskDictionaryMillion(benchmark::State& state) {
  lookUpEach<DiskDictionary>(state, sortedMillion());
}
void FloorMillion(benchmark::State& state) { runFloor(state, sortedMillion()); }

BENCHMARK(DiskDictionaryShipped);
BENCHMARK(FloorShipped);
BENCHMARK(DiskDictionaryMillion);
BENCHMARK(FloorMillion);

}  // namespace
