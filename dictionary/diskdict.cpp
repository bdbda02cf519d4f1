// The disk dictionary: a binary search whose probes are byte offsets into the words file, each
// answered by the word found in a small window of text read around it.
#include "dictionary/diskdict.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "support/ascii.h"
#include "support/assert.h"
#include "support/random.h"

namespace {

constexpr int WINDOW_BEFORE = 20;  // bytes the window starts before the probe
constexpr int RANDOM_WORD_DRAWS = 100;

}  // namespace

DiskDictionary::~DiskDictionary() = default;

bool DiskDictionary::open(const cString& filename, cString* error) {
  _filename = filename;
  _fp.reset();
  _size = 0;
  auto file = std::make_unique<TextFile>();
  if (!file->open(_filename)) {
    if (error != nullptr)
      *error = ("Error opening '" + std::string(_filename) + "' for reading").c_str();
    return false;
  }
  _size = file->textEnd();
  _fp = std::move(file);
  return true;
}

bool DiskDictionary::contains(const char* word) {
  GW_ASSERT(word);
  std::int64_t low = 0;
  std::int64_t high = _size;
  char found[WINDOW_SIZE + 1];
  // The probes of one lookup share what is read ahead; a later lookup sees the file as it is then.
  if (_fp) _fp->dropReadAhead();
  while (high - low > 1) {
    std::int64_t probe = low + (high - low) / 2;
    int order = orderAt(probe, word, found);
    if (found[0] == '\0') return false;
    if (order == 0) return true;
    (order > 0 ? high : low) = probe;
  }
  // No probe falls on byte 0, and the line end after a first word of one letter yields the next
  // word: the first word is looked at once the search has closed in on the start of the file.
  return low == 0 && high > 0 && orderAt(0, word, found) == 0 && found[0] != '\0';
}

cString DiskDictionary::randomWord() {
  GW_ASSERT(_fp);
  if (_size == 0) return cString();
  _fp->dropReadAhead();
  std::int64_t first = drawRandom();
  std::int64_t second = drawRandom();
  // 31 bits: beyond the first 2 GiB of a longer text no offset is drawn.
  return wordAt((first * 65536 + second) % _size);
}

cString DiskDictionary::randomWord(int length) {
  for (int draw = 0; draw < RANDOM_WORD_DRAWS; ++draw) {
    cString word = randomWord();
    if (static_cast<int>(word.length()) == length) return word;
  }
  return cString();
}

int DiskDictionary::orderAt(std::int64_t offset, const char* word, char* found) {
  bool cut = readWordAt(offset, found);
  int order = std::strcmp(found, word);  // unsigned bytes; a prefix sorts first
  // A word cut by the window's end may go on beyond it. A byte further on, the window shows one
  // more character of it (or the same text again where the byte it drops is a CR).
  for (std::int64_t next = offset + 1; order == 0 && cut; ++next) {
    cut = readWordAt(next, found);
    order = std::strcmp(found, word);
  }
  return order;
}

cString DiskDictionary::wordAt(std::int64_t offset) {
  char word[WINDOW_SIZE + 1];
  readWordAt(offset, word);
  return cString(word);
}

bool DiskDictionary::readWordAt(std::int64_t offset, char* word) {
  GW_ASSERT(_fp);
  int probe = offset > WINDOW_BEFORE ? WINDOW_BEFORE : static_cast<int>(offset);
  _fp->seek(offset - probe);
  int count = _fp->read(word, WINDOW_SIZE);
  if (_fp->readFailed()) {  // a window cut short by a read error holds no word
    word[0] = '\0';
    return false;
  }
  auto isLetterAt = [&](int i) { return i < count && isAsciiLetter(word[i]); };
  int start = probe;
  if (isLetterAt(probe)) {
    while (start > 0 && isLetterAt(start - 1)) --start;
  } else if (probe + 1 < count) {
    start = probe + 1;
  } else {
    // The text ends at the probe: the word is the last one before it. Where that run reaches
    // back to the start of a window that does not begin the file, it may be the tail of a word
    // cut off by the window (the file has shrunk since it was opened): no word then.
    start = std::min(probe, count);
    while (start > 0 && !isLetterAt(start - 1)) --start;
    while (start > 0 && isLetterAt(start - 1)) --start;
    if (start == 0 && offset > probe) {
      word[0] = '\0';
      return false;
    }
  }
  int end = start;
  while (isLetterAt(end)) ++end;
  std::memmove(word, word + start, static_cast<std::size_t>(end - start));
  word[end - start] = '\0';
  return end == WINDOW_SIZE;
}
