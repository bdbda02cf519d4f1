// MemoryDictionary: the word list read into memory once, split in place and sorted, so that it can
// also count its words and hand them out by position.
#pragma once

#include <cstddef>

#include "dictionary/dictionary.h"

// Holds the whole words file in one heap block whose whitespace is overwritten with NULs, and a
// sorted index of pointers to the words in it. Words are separated by whitespace alone (tab, LF,
// VT, FF, CR, space), so two whitespace characters in a row make an empty word; the file need not
// be sorted. Owns both blocks and frees them when destroyed. Random words fall back to
// Dictionary's answer (""). Not copyable; one thread at a time.
class MemoryDictionary : public Dictionary {
 public:
  MemoryDictionary() = default;
  ~MemoryDictionary() override;

  // Loads the file once: after a successful load, every later call returns true without reading.
  // On failure the dictionary stays empty and *error (when `error` is not null) becomes
  //   "Unable to open dictionary file '<filename>' for reading." when it cannot be opened,
  //   "Insufficient memory for dictionary" when the text or the index cannot be had,
  //   "Error reading dictionary file '<filename>'." when no text can be read from it, or a read
  //   of it fails.
  // A read ends at the end of the text (a 0x1A byte or the end of the file); CRs are dropped.
  bool open(const cString& filename, cString* error) override;

  // True when `word` (not null) is one of the loaded words; false before a load.
  bool contains(const char* word) override;

  // The number of loaded words, empty ones included; 0 before a load.
  int wordCount() override;

  // The number of loaded words of exactly `length` characters. Words of MAX_WORD_LENGTH
  // characters or more are counted under no length. Requires 0 <= length < MAX_WORD_LENGTH.
  int wordCount(int length) override;

  // A copy of the n-th word in ascending order, counting from 0. Requires 0 <= n < wordCount().
  cString word(int n) override;

  int maxWordLength() override;

 protected:
  // Every block of the dictionary is had through here: std::realloc's contract (null `block`
  // allocates; null result when memory runs out, `block` then still held). Tests override it to
  // run out of memory at a chosen point.
  virtual void* reallocate(void* block, std::size_t bytes);

 private:
  static constexpr int FIRST_INDEX_SIZE = 512;  // entries; the index doubles when full

  // Reads the file's text into a new _text block ending in a NUL. Fills *error and returns false
  // on failure, with _text null.
  bool readText(const cString& filename, cString* error);

  // Splits _text into words at its whitespace and adds them all. False when the index cannot grow.
  bool splitText();

  // Appends `word` (inside _text, `length` characters) to the index and counts it. False when the
  // index is full and cannot grow; nothing is changed then.
  bool addWord(const char* word, std::ptrdiff_t length);

  // Frees both blocks and forgets every word.
  void clear();

  // Orders the words that two index entries point at: unsigned bytes, a prefix first, which is
  // the order sortWords() gives. Negative, zero or positive, as qsort and bsearch expect.
  static int compareWords(const void* a, const void* b);

  char* _text = nullptr;          // the file's text, NUL after each word; null until a load
  const char** _index = nullptr;  // _maxWords entries pointing into _text, sorted after the load
  int _words = 0;                 // entries of _index in use
  int _maxWords = 0;              // entries _index has room for
  int _lengthCounts[MAX_WORD_LENGTH] = {};  // entry k: the number of words of k characters
};
