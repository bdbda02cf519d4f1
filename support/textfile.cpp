// The text-mode reader: positioned reads of raw bytes into a buffer, with the text rules applied
// as characters are taken. The operating system calls differ; the rules do not.
#include "support/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <algorithm>
#include <cstdio>  // SEEK_SET and SEEK_END, which only POSIX's <unistd.h> also declares

#include "support/assert.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr char END_OF_TEXT = 0x1A;

int openForReading(const char* filename) {
#ifdef _WIN32
  return _open(filename, _O_RDONLY | _O_BINARY);
#else
  return ::open(filename, O_RDONLY | O_CLOEXEC);
#endif
}

void closeFile(int fd) {
#ifdef _WIN32
  _close(fd);
#else
  ::close(fd);
#endif
}

bool isFolder(int fd) {
  struct stat status {};
  return fstat(fd, &status) != 0 || (status.st_mode & S_IFMT) == S_IFDIR;
}

std::int64_t fileSize(int fd) {
#ifdef _WIN32
  return _lseeki64(fd, 0, SEEK_END);
#else
  return lseek(fd, 0, SEEK_END);
#endif
}

// Reads up to `count` bytes at `offset`; returns the number read, 0 at the end, -1 on error.
long readAt(int fd, std::int64_t offset, char* buffer, int count) {
#ifdef _WIN32
  if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
  return _read(fd, buffer, static_cast<unsigned>(count));
#else
  return pread(fd, buffer, static_cast<size_t>(count), offset);
#endif
}

}  // namespace

TextFile::~TextFile() { close(); }

bool TextFile::open(const char* filename) {
  GW_ASSERT(filename);
  close();
  _fd = openForReading(filename);
  if (_fd >= 0 && isFolder(_fd)) close();
  seek(0);
  return isOpen();
}

void TextFile::close() {
  if (_fd >= 0) closeFile(_fd);
  _fd = -1;
  _bufferLength = 0;
}

std::int64_t TextFile::size() const {
  GW_ASSERT(isOpen());
  return fileSize(_fd);
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
  long arrived = readAt(_fd, _position, _buffer, std::min(count, BUFFER_SIZE));
  _bufferStart = _position;
  _bufferLength = arrived > 0 ? static_cast<int>(arrived) : 0;
  return _bufferLength > 0;
}
