// The one seam between the project and the operating system: the few calls that differ between
// Windows and POSIX. os_posix.cpp and os_windows.cpp implement them; the build picks one. os.cpp
// puts a test's stand-in file (testing/standinfile.h) in front of the file calls.
#pragma once

#include <cstddef>
#include <cstdint>

namespace os {

// Opens the regular file `path` for reading raw bytes (no line-end translation), without ever
// waiting: a descriptor, or -1 when it cannot be opened or is no regular file (a folder, FIFO,
// device or socket).
int openForReading(const char* path);

// Reads up to `count` bytes at byte `offset` of `fd`; the number read, 0 at the end, -1 on error.
long readAt(int fd, std::int64_t offset, char* buffer, int count);

// The size in bytes of the open file `fd`, or -1 when it cannot be found.
std::int64_t fileSize(int fd);

// Closes `fd`.
void closeFile(int fd);

// Makes `fd` read and write bytes as they are: Windows' runtime starts the standard streams in
// text mode, which turns LF into CR LF. Nothing to do on POSIX.
void setBinaryMode(int fd);

// Writes `size` bytes straight to the standard error descriptor, past any stream buffer; false
// when the write fails.
bool writeStandardError(const char* bytes, std::size_t size);

// Ends the process at once with `code`: no exit handlers, no stream flushing.
[[noreturn]] void endProcessNow(int code);

// The current calendar time in whole seconds since 1970.
std::int64_t clockSeconds();

}  // namespace os
