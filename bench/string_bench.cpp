// Benchmark of the cString operations most used in loops (append, find, replace, format, read)
// beside the same work done on std::string in the same run. Built natively, run by hand.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "string/string.h"
#include "support/ascii.h"

namespace {

const char* const PIECE = "glyphs, ";
constexpr int PIECES = 32;

// A 4 KB text whose only "Needle" stands near its end.
const std::string& haystack() {
  static const std::string text = std::string(4000, 'a') + "Needle" + std::string(90, 'b');
  return text;
}

// 64 KB of eight-letter words, one blank after each.
const std::string& words() {
  static const std::string text = [] {
    std::string all;
    while (all.size() < 65536) all += "abcdefgh ";
    return all;
  }();
  return text;
}

// 64 KB of 1000-character lines.
const std::string& lines() {
  static const std::string text = [] {
    std::string all;
    while (all.size() < 65536) all += std::string(1000, 'x') + "\n";
    return all;
  }();
  return text;
}

void AppendCString(benchmark::State& state) {
  for (auto _ : state) {
    cString s;
    for (int i = 0; i < PIECES; ++i) s.append(PIECE);
    benchmark::DoNotOptimize(s.bufferLength());
  }
}

void AppendStdString(benchmark::State& state) {
  for (auto _ : state) {
    std::string s;
    for (int i = 0; i < PIECES; ++i) s.append(PIECE);
    benchmark::DoNotOptimize(s.size());
  }
}

void FindCString(benchmark::State& state) {
  cString text(haystack().c_str());
  int caseSensitive = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(text.find(0, "Needle", caseSensitive));
}

void FindStdString(benchmark::State& state) {
  const std::string& text = haystack();
  const std::string needle = "Needle";
  auto sameIgnoringCase = [](char a, char b) { return asciiUpper(a) == asciiUpper(b); };
  for (auto _ : state) {
    if (state.range(0)) {
      benchmark::DoNotOptimize(text.find(needle));
    } else {
      benchmark::DoNotOptimize(
          std::search(text.begin(), text.end(), needle.begin(), needle.end(), sameIgnoringCase));
    }
  }
}

void ReplaceCString(benchmark::State& state) {
  for (auto _ : state) {
    cString s("The quick brown fox jumps over the lazy dog, then naps in the sun.");
    s.replace(4, 5, "slow and steady");
    s.replace(0, 3, "A");
    benchmark::DoNotOptimize(s.length());
  }
}

void ReplaceStdString(benchmark::State& state) {
  for (auto _ : state) {
    std::string s("The quick brown fox jumps over the lazy dog, then naps in the sun.");
    s.replace(4, 5, "slow and steady");
    s.replace(0, 3, "A");
    benchmark::DoNotOptimize(s.size());
  }
}

void FormatCString(benchmark::State& state) {
  cString s;
  for (auto _ : state) benchmark::DoNotOptimize(format(s, "%3d: %s  %d/%d", 12, "PAPER", 1, 3));
}

// The same single print into a 1024-byte working buffer, then fitted to the text.
void FormatStdString(benchmark::State& state) {
  std::string s;
  for (auto _ : state) {
    s.resize(1024);
    int n = std::snprintf(&s[0], s.size(), "%3d: %s  %d/%d", 12, "PAPER", 1, 3);
    s.resize(static_cast<size_t>(n));
    s.shrink_to_fit();
    benchmark::DoNotOptimize(s.data());
  }
}

void ReadCString(benchmark::State& state, const std::string& (*input)(), char delimiter) {
  for (auto _ : state) {
    std::istringstream in(input());
    cString s;
    // Until a read fails at the end, as the getline loop below ends.
    while (in) {
      s[0] = '\0';  // emptied in its own buffer, as getline empties its string
      s.read(in, delimiter, 1);
    }
    benchmark::DoNotOptimize(s.length());
  }
}

void ReadStdString(benchmark::State& state, const std::string& (*input)(), char delimiter) {
  for (auto _ : state) {
    std::istringstream in(input());
    std::string s;
    while (std::getline(in, s, delimiter)) {
    }
    benchmark::DoNotOptimize(s.size());
  }
}

BENCHMARK(AppendCString);
BENCHMARK(AppendStdString);
BENCHMARK(FindCString)->ArgName("caseSensitive")->Arg(1)->Arg(0);
BENCHMARK(FindStdString)->ArgName("caseSensitive")->Arg(1)->Arg(0);
BENCHMARK(ReplaceCString);
BENCHMARK(ReplaceStdString);
BENCHMARK(FormatCString);
BENCHMARK(FormatStdString);
BENCHMARK_CAPTURE(ReadCString, words, words, ' ');
BENCHMARK_CAPTURE(ReadStdString, words, words, ' ');
BENCHMARK_CAPTURE(ReadCString, lines, lines, '\n');
BENCHMARK_CAPTURE(ReadStdString, lines, lines, '\n');

}  // namespace

BENCHMARK_MAIN();
