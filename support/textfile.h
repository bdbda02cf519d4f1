// Reading a file as text, the same on every system: CR bytes are dropped, a 0x1A byte ends the
// text, and positions and the size count the file's bytes (CRs included).
#pragma once

#include <cstdint>

// A file opened read-only and read as text through a buffer of its own. Not copyable.
class TextFile {
 public:
  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens `filename` (not null) for reading, closing any file opened before. Returns false when
  // the file cannot be opened or is a folder; the object is then closed.
  bool open(const char* filename);

  // Closes the file, if one is open.
  void close();

  bool isOpen() const { return _fd >= 0; }

  // The file's size in bytes, CR bytes included. The file must be open.
  std::int64_t size() const;

  // Makes the next read start at byte `offset` of the file (0 or more). The file must be open.
  void seek(std::int64_t offset);

  // Reads up to `count` characters into `buffer` (no terminator added) and returns how many
  // arrived: fewer than `count` only when the text ended (end of file or a 0x1A byte).
  int read(char* buffer, int count);

  // Reads one line like a line read into a buffer of `size` bytes (at least 2): characters up to
  // and including the next LF, at most size - 1 of them, then a NUL. Returns the number of
  // characters stored; 0 when the text has ended.
  int readLine(char* line, int size);

 private:
  static constexpr int BUFFER_SIZE = 4096;
  // The least a short read fetches: enough that nearby reads, such as the last probes of a
  // binary search, are served from the buffer without another call to the system.
  static constexpr int MIN_REFILL = 256;

  // Moves up to `count` characters of the text to `out` and returns how many arrived. When the
  // buffer runs out it is refilled with up to `refill` bytes, so that a short read costs only a
  // short read of the file.
  int take(char* out, int count, int refill);

  // Loads up to `count` bytes (at most BUFFER_SIZE) from the current position; false at the end
  // of the file.
  bool fillBuffer(int count);

  int _fd = -1;
  std::int64_t _position = 0;     // the file byte that the next read takes first
  std::int64_t _bufferStart = 0;  // the file byte held in _buffer[0]
  int _bufferLength = 0;          // bytes held in _buffer
  bool _textEnded = false;        // a 0x1A byte was met since the last seek
  char _buffer[BUFFER_SIZE];
};
