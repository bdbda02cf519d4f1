// The text-mode reader: positioned reads of raw bytes into a buffer, with the text rules applied
// as characters are taken. The raw reads come from the operating-system seam.
#include "support/textfile.h"

#include <algorithm>
#include <cstring>

#include "support/assert.h"
#include "support/os.h"

namespace {
constexpr char END_OF_TEXT = 0x1A;
constexpr int SCAN_BLOCK = 1 << 16;  // bytes read at a time while looking for the text's end
}  // namespace

TextFile::~TextFile() { close(); }

bool TextFile::open(const char* filename) {
  GW_ASSERT(filename);
  close();
  _fd = os::openForReading(filename);
  if (_fd < 0) return false;
  _size = os::fileSize(_fd);
  _textEnd = _size < 0 ? -1 : findTextEnd();  // a size or a read that fails: no text to give
  if (_textEnd < 0) {
    close();
    return false;
  }
  seek(0);
  return true;
}

void TextFile::close() {
  if (_fd >= 0) os::closeFile(_fd);
  _fd = -1;
  _size = _textEnd = 0;
  _bufferLength = 0;
}

std::int64_t TextFile::size() const {
  GW_ASSERT(isOpen());
  return _size;
}

std::int64_t TextFile::textEnd() const {
  GW_ASSERT(isOpen());
  return _textEnd;
}

void TextFile::seek(std::int64_t offset) {
  GW_ASSERT(offset >= 0);
  _position = offset;
}

int TextFile::read(char* buffer, int count) {
  GW_ASSERT(buffer && count >= 0);
  return take(buffer, count, std::max(count, MIN_REFILL));
}

int TextFile::readLine(char* line, int size) {
  GW_ASSERT(line && size >= 2);
  int stored = 0;
  for (char c; stored < size - 1 && take(&c, 1, BUFFER_SIZE) == 1;) {
    line[stored++] = c;
    if (c == '\n') break;
  }
  line[stored] = '\0';
  return stored;
}

int TextFile::take(char* out, int count, int refill) {
  GW_ASSERT(isOpen());
  _readFailed = false;
  int arrived = 0;
  while (arrived < count && _position < _textEnd) {
    std::int64_t index = _position - _bufferStart;
    if ((index < 0 || index >= _bufferLength) && !fillBuffer(refill)) break;
    const char* byte = _buffer + (_position - _bufferStart);
    const char* end = _buffer + _bufferLength;
    for (; byte < end && arrived < count; ++byte) {
      if (*byte != '\r') out[arrived++] = *byte;
    }
    _position = _bufferStart + (byte - _buffer);
  }
  return arrived;
}

bool TextFile::fillBuffer(int count) {
  std::int64_t wanted = std::min<std::int64_t>(std::min(count, BUFFER_SIZE), _textEnd - _position);
  long arrived = os::readAt(_fd, _position, _buffer, static_cast<int>(wanted));
  _bufferStart = _position;
  _bufferLength = arrived > 0 ? static_cast<int>(arrived) : 0;
  _readFailed = arrived < 0;
  return _bufferLength > 0;
}

std::int64_t TextFile::findTextEnd() const {
  char block[SCAN_BLOCK];
  for (std::int64_t offset = 0; offset < _size;) {
    std::int64_t wanted = std::min<std::int64_t>(SCAN_BLOCK, _size - offset);
    long arrived = os::readAt(_fd, offset, block, static_cast<int>(wanted));
    if (arrived <= 0) return arrived < 0 ? -1 : offset;
    const void* mark = std::memchr(block, END_OF_TEXT, static_cast<std::size_t>(arrived));
    if (mark != nullptr) return offset + (static_cast<const char*>(mark) - block);
    offset += arrived;
  }
  return _size;
}
