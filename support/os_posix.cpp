// The operating-system seam on POSIX systems (Linux): plain descriptors, pread and fstat.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "support/os.h"

namespace os {

int openForReading(const char* path) { return ::open(path, O_RDONLY | O_CLOEXEC); }

long readAt(int fd, std::int64_t offset, char* buffer, int count) {
  return pread(fd, buffer, static_cast<size_t>(count), offset);
}

std::int64_t fileSize(int fd) { return lseek(fd, 0, SEEK_END); }

bool isFolder(int fd) {
  struct stat status {};
  return fstat(fd, &status) != 0 || S_ISDIR(status.st_mode);
}

void closeFile(int fd) { ::close(fd); }

void setBinaryMode(int) {}

bool writeStandardError(const char* bytes, std::size_t size) {
  return ::write(2, bytes, size) >= 0;
}

void endProcessNow(int code) { _exit(code); }

std::int64_t clockSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

int processId() { return static_cast<int>(getpid()); }

}  // namespace os
