// The base behaviour of the word-list interface: a dictionary that cannot count, index or draw
// words answers -1 or the empty string.
#include "dictionary/dictionary.h"

int Dictionary::wordCount() { return -1; }

int Dictionary::wordCount(int) { return -1; }

cString Dictionary::word(int) { return cString(); }

cString Dictionary::randomWord() { return cString(); }

cString Dictionary::randomWord(int) { return cString(); }

int Dictionary::maxWordLength() { return MAX_WORD_LENGTH; }
