// Fuzz helpers for the targets' oracles: a failed check stops the run as a finding, and the rules
// by which the dictionaries and the picker read a words file's bytes as text and lines.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

inline void check(bool ok) {
  if (!ok) std::abort();
}

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
