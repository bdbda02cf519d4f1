// The memory dictionary: one read of the whole words file into a single block, one pass that cuts
// it into words in place, one sort of the pointer index; every query is answered from memory.
#include "dictionary/memdict.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "dictionary/wordsort.h"
#include "support/ascii.h"
#include "support/assert.h"
#include "support/textfile.h"

namespace {

constexpr const char* NO_MEMORY = "Insufficient memory for dictionary";
constexpr int MAX_READ = 1 << 30;  // characters asked of one read call

// Assigns `message` to *error when `error` is not null; returns false for the caller to pass on.
bool fail(cString* error, const std::string& message) {
  if (error != nullptr) *error = message.c_str();
  return false;
}

}  // namespace

MemoryDictionary::~MemoryDictionary() { clear(); }

bool MemoryDictionary::open(const cString& filename, cString* error) {
  if (_text != nullptr) return true;
  if (!readText(filename, error)) return false;
  if (!splitText()) {
    clear();
    return fail(error, NO_MEMORY);
  }
  sortWords(_index, _words);
  return true;
}

bool MemoryDictionary::contains(const char* word) {
  GW_ASSERT(word);
  if (_words == 0) return false;
  // A binary search for the last entry not after `word`. While one probe is compared, the words
  // that the next probe may land on, and the entries of the probe after, are fetched from memory,
  // so that in a list larger than the caches the waits overlap rather than add up.
  const char** first = _index;
  for (int count = _words; count > 1;) {
    int half = count / 2;
    int next = (count - half) / 2;                      // the next probe, in either half
    int after = (count - half - next) / 2;              // the probe after it, in its lower half
    for (const char** start : {first, first + half}) {  // the two ranges this probe may leave
      __builtin_prefetch(start[next]);
      __builtin_prefetch(start + after);
      __builtin_prefetch(start + next + after);
    }
    if (compareWords(&first[half], &word) <= 0) first += half;
    count -= half;
  }
  return compareWords(first, &word) == 0;
}

int MemoryDictionary::wordCount() { return _words; }

int MemoryDictionary::wordCount(int length) {
  GW_ASSERT(length >= 0);
  GW_ASSERT(length < MAX_WORD_LENGTH);
  return _lengthCounts[length];
}

cString MemoryDictionary::word(int n) {
  GW_ASSERT(n >= 0);
  GW_ASSERT(n < _words);
  return cString(_index[n]);
}

int MemoryDictionary::maxWordLength() { return MAX_WORD_LENGTH; }

void* MemoryDictionary::reallocate(void* block, std::size_t bytes) {
  return std::realloc(block, bytes);
}

bool MemoryDictionary::readText(const cString& filename, cString* error) {
  TextFile file;
  if (!file.open(filename)) {
    return fail(error,
                "Unable to open dictionary file '" + std::string(filename) + "' for reading.");
  }
  const std::string readError = "Error reading dictionary file '" + std::string(filename) + "'.";
  std::int64_t size = file.size();  // negative when the file has no size, such as a pipe
  if (size <= 0) return fail(error, readError);
  _text = static_cast<char*>(reallocate(nullptr, static_cast<std::size_t>(size) + 1));
  if (_text == nullptr) return fail(error, NO_MEMORY);
  // CRs dropped and a 0x1A byte ending the text make fewer characters arrive than the file has
  // bytes; whatever arrived before the end of the text is the text.
  std::int64_t length = 0;
  while (length < size) {
    int wanted = static_cast<int>(std::min<std::int64_t>(size - length, MAX_READ));
    int arrived = file.read(_text + length, wanted);
    length += arrived;
    if (arrived < wanted) break;
  }
  if (length == 0 || file.readFailed()) {  // a read error is no end of the text
    clear();
    return fail(error, readError);
  }
  _text[length] = '\0';
  return true;
}

bool MemoryDictionary::splitText() {
  char* start = _text;
  char* at = _text;
  for (; *at != '\0'; ++at) {
    if (!isAsciiSpace(*at)) continue;
    *at = '\0';
    if (!addWord(start, at - start)) return false;
    start = at + 1;
  }
  return start == at || addWord(start, at - start);  // the last word may have no line end after it
}

bool MemoryDictionary::addWord(const char* word, std::ptrdiff_t length) {
  if (_words >= _maxWords) {
    if (_maxWords > std::numeric_limits<int>::max() / 2) return false;
    int grown = _maxWords <= 0 ? FIRST_INDEX_SIZE : 2 * _maxWords;
    void* index = reallocate(_index, static_cast<std::size_t>(grown) * sizeof *_index);
    if (index == nullptr) return false;
    _index = static_cast<const char**>(index);
    _maxWords = grown;
  }
  GW_ASSERT(_words < _maxWords);
  _index[_words++] = word;
  if (length < MAX_WORD_LENGTH) ++_lengthCounts[length];
  return true;
}

void MemoryDictionary::clear() {
  std::free(_text);
  std::free(_index);
  _text = nullptr;
  _index = nullptr;
  _words = 0;
  _maxWords = 0;
  std::fill(std::begin(_lengthCounts), std::end(_lengthCounts), 0);
}

int MemoryDictionary::compareWords(const void* a, const void* b) {
  return std::strcmp(*static_cast<const char* const*>(a), *static_cast<const char* const*>(b));
}
