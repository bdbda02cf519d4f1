// Fuzz helpers for the targets' oracles: a failed check stops the run as a finding, the input is
// read a byte at a time, and the rules by which the dictionaries and the picker read a words file's
// bytes as text and lines.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

inline void check(bool ok) {
  if (!ok) std::abort();
}

// Reads the input a byte at a time; 0 once it is used up.
struct Input {
  const std::uint8_t* data;
  std::size_t size;
  unsigned byte() { return size > 0 ? (--size, *data++) : 0u; }
  // A text of up to 15 bytes without NUL.
  std::string text() {
    std::string text;
    for (unsigned length = byte() % 16; length > 0; --length) text += static_cast<char>(byte() | 1);
    return text;
  }
};

// Tab, LF, VT, FF, CR and space.
inline bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text of a words file: its bytes up to the first 0x1A, every CR dropped.
inline std::string wordsText(std::string bytes) {
  bytes.erase(std::min(bytes.find('\x1A'), bytes.size()));
  bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
  return bytes;
}

// The lines of `text` without their LFs; the last one needs no LF.
inline std::vector<std::string> splitLines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A line of 1 to 16 letters A to Z: the longest word a words file may hold.
inline bool isWordLine(const std::string& line) {
  return !line.empty() && line.size() <= 16 &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// True when `bytes` form a well-formed words file: word lines (isWordLine) in ascending byte order,
// repeats allowed, each ended by LF or CR LF except perhaps the last, and nothing else. Its words
// are then added to *words (not null); otherwise some of them may be.
inline bool parseSortedWords(const std::string& bytes, std::set<std::string>* words) {
  std::string previous;
  for (std::string line : splitLines(bytes)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!isWordLine(line) || line < previous) return false;
    words->insert(previous = line);
  }
  return true;
}
