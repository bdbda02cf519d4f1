// The word-list interface the game asks "is this a word?" through, with the fallbacks that an
// implementation which cannot count or index words inherits.
#pragma once

#include "string/string.h"
#include "support/wordlength.h"

// A word list read from a sorted words file: one upper-case word per line. Created on the heap by
// its user, who owns it and deletes it through this interface; never copied or assigned.
// Call open() once, then any query.
class Dictionary {
 public:
  Dictionary() = default;
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;
  virtual ~Dictionary() = default;

  // Attaches the dictionary to the words file `filename`. On failure returns false and, when
  // `error` is not null, assigns a message naming the file to *error; on success *error is left
  // untouched.
  virtual bool open(const cString& filename, cString* error) = 0;

  // True when `word` (NUL-terminated, not null) is a word of the list, compared byte for byte.
  virtual bool contains(const char* word) = 0;

  // The number of words, or -1 when this dictionary cannot count.
  virtual int wordCount();

  // The number of words of `length` letters, or -1 when this dictionary cannot count.
  virtual int wordCount(int length);

  // The n-th word in ascending order, counting from 0, or "" when there is none to give.
  virtual cString word(int n);

  // A word drawn with the process's random generator, or "" when the draw yields none.
  virtual cString randomWord();

  // A random word of exactly `length` letters, or "" when none is found.
  virtual cString randomWord(int length);

  // The longest word the dictionary is built for: MAX_WORD_LENGTH.
  virtual int maxWordLength();
};
