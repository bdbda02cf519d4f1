// Test helper: word lists for the tests and fuzz targets of the dictionaries and the picker. Draws
// lists and writes them as words files, and makes words that a list lacks.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

// `count` words of `minLength` to `maxLength` characters of `alphabet`, drawn with the process's
// random generator (seed it first): in drawn order, repeats possible.
std::vector<std::string> drawWords(int count, const std::string& alphabet, int minLength,
                                   int maxLength);

// The text of a words file holding `words` in their order, each followed by `lineEnd`, the last
// one only when `finalLineEnd`.
template <class Words>
std::string linesOf(const Words& words, const std::string& lineEnd = "\n",
                    bool finalLineEnd = true) {
  std::string text;
  for (const std::string& word : words) text += word + lineEnd;
  if (!finalLineEnd && !text.empty()) text.resize(text.size() - lineEnd.size());
  return text;
}

// Writes `bytes` to a new file (a new name each call: an open file cannot be overwritten on every
// system) in a temporary folder that lasts until the program ends; returns the file's path.
std::string writeWordsFile(const std::string& bytes);

// Words of 1 to `longest` characters that `words` lacks but that lie close to its words in byte
// order: each word without its last letter, with an 'A' added, with its last letter one higher,
// and with its first letter in lower case.
std::set<std::string> absentNeighbours(const std::set<std::string>& words, std::size_t longest);
