// Reading a file as text, the same on every system: CR bytes are dropped, the file's first 0x1A
// byte ends the text for every read, positions and the size count the file's bytes, and a read
// error is told from the end of the text.
#pragma once

#include <cstdint>

// A file opened read-only and read as text through a buffer of its own. Not copyable.
class TextFile {
 public:
  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens `filename` (not null) for reading, closing any file opened before, and finds once where
  // its text ends. Returns false, without waiting on it, when the file cannot be opened or is no
  // regular file (a folder, FIFO, device or socket); the object is then closed.
  bool open(const char* filename);

  // Closes the file, if one is open.
  void close();

  bool isOpen() const { return _fd >= 0; }

  // The file's size in bytes when it was opened, CR bytes included. The file must be open.
  std::int64_t size() const;

  // Where the text ends, the same for every read: the offset of the file's first 0x1A byte, or
  // size(). No read goes past it, even when the file grows later. The file must be open.
  std::int64_t textEnd() const;

  // Makes the next read start at byte `offset` of the file (0 or more). The file must be open.
  void seek(std::int64_t offset);

  // Forgets the bytes read ahead, so that the next read sees the file as it is now rather than as
  // it was when they were read.
  void dropReadAhead() { _bufferLength = 0; }

  // Reads up to `count` characters into `buffer` (no terminator added) and returns how many
  // arrived: fewer than `count` only when the text ended (at textEnd(), or where the file ends
  // when it has shrunk since it was opened) or a read of the file failed (readFailed()).
  int read(char* buffer, int count);

  // Reads one line like a line read into a buffer of `size` bytes (at least 2): characters up to
  // and including the next LF, at most size - 1 of them, then a NUL. Returns the number of
  // characters stored; 0 when the text has ended. When a failed read of the file cuts the line
  // short, readFailed() says so: what was stored is then no whole line.
  int readLine(char* line, int size);

  // True when the last read() or readLine() stopped at a read error of the file rather than where
  // the text ends: what it gave is only what came before the error. The next read tries again.
  bool readFailed() const { return _readFailed; }

 private:
  static constexpr int BUFFER_SIZE = 4096;
  // The least a short read fetches: enough that nearby reads, such as the last probes of a
  // binary search, are served from the buffer without another call to the system.
  static constexpr int MIN_REFILL = 256;

  // Moves up to `count` characters of the text to `out` and returns how many arrived. When the
  // buffer runs out it is refilled with up to `refill` bytes, so that a short read costs only a
  // short read of the file.
  int take(char* out, int count, int refill);

  // Loads up to `count` bytes (at most BUFFER_SIZE, none at or past _textEnd) from the current
  // position; false when none arrived, with _readFailed set when the read failed.
  bool fillBuffer(int count);

  // The offset of the first 0x1A byte among the file's first _size bytes; else _size, or where
  // the file ends sooner; -1 when a read fails.
  std::int64_t findTextEnd() const;

  int _fd = -1;
  std::int64_t _size = 0;         // the file's size when it was opened
  std::int64_t _textEnd = 0;      // the first byte past the text
  std::int64_t _position = 0;     // the file byte that the next read takes first
  std::int64_t _bufferStart = 0;  // the file byte held in _buffer[0]
  int _bufferLength = 0;          // bytes held in _buffer
  bool _readFailed = false;       // the last read() or readLine() met a read error
  char _buffer[BUFFER_SIZE];
};
