// The text-mode reader: positioned reads of raw bytes into a buffer, with the text rules applied
// as characters are taken. The raw reads come from the operating-system seam.
#include "support/textfile.h"

#include <algorithm>

#include "support/assert.h"
#include "support/os.h"

namespace {
constexpr char END_OF_TEXT = 0x1A;
}

TextFile::~TextFile() { close(); }

bool TextFile::open(const char* filename) {
  GW_ASSERT(filename);
  close();
  _fd = os::openForReading(filename);
  if (_fd >= 0 && os::isFolder(_fd)) close();
  seek(0);
  return isOpen();
}

void TextFile::close() {
  if (_fd >= 0) os::closeFile(_fd);
  _fd = -1;
  _bufferLength = 0;
}

std::int64_t TextFile::size() const {
  GW_ASSERT(isOpen());
  return os::fileSize(_fd);
}

void TextFile::seek(std::int64_t offset) {
  GW_ASSERT(offset >= 0);
  _position = offset;
  _textEnded = false;
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
  int arrived = 0;
  while (arrived < count && !_textEnded) {
    std::int64_t index = _position - _bufferStart;
    if ((index < 0 || index >= _bufferLength) && !fillBuffer(refill)) break;
    const char* byte = _buffer + (_position - _bufferStart);
    const char* end = _buffer + _bufferLength;
    for (; byte < end && arrived < count && !_textEnded; ++byte) {
      if (*byte == END_OF_TEXT)
        _textEnded = true;
      else if (*byte != '\r')
        out[arrived++] = *byte;
    }
    _position = _bufferStart + (byte - _buffer);
  }
  return arrived;
}

bool TextFile::fillBuffer(int count) {
  long arrived = os::readAt(_fd, _position, _buffer, std::min(count, BUFFER_SIZE));
  _bufferStart = _position;
  _bufferLength = arrived > 0 ? static_cast<int>(arrived) : 0;
  return _bufferLength > 0;
}
