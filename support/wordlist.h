// Test helper: word lists for the tests and fuzz targets of the dictionaries and the picker. Tells
// whether arbitrary bytes form a well-formed words file, and makes words that a list lacks.
#pragma once

#include <cstddef>
#include <set>
#include <string>

// True when `bytes` form a well-formed words file: lines of 1 to 16 letters A to Z in ascending
// byte order (repeats allowed), each ended by LF or CR LF except perhaps the last, and nothing
// else. Its words then go to *words (not null); otherwise *words is unspecified.
bool parseSortedWords(const std::string& bytes, std::set<std::string>* words);

// Words of 1 to `longest` characters that `words` lacks but that lie close to its words in byte
// order: each word without its last letter, with an 'A' added, with its last letter one higher,
// and with its first letter in lower case.
std::set<std::string> absentNeighbours(const std::set<std::string>& words, std::size_t longest);
