// The operating-system seam on POSIX systems (Linux): plain descriptors, pread and fstat.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "support/os.h"
#include "support/os_system.h"

namespace os {

namespace disk {

int openForReading(const char* path) {
  // O_NONBLOCK keeps the open of a FIFO without a writer from waiting for one. It is cleared
  // again, so that the reads of a regular file never depend on it.
  int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat status {};
  int flags = fcntl(fd, F_GETFL);
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
      fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

long readAt(int fd, std::int64_t offset, char* buffer, int count) {
  return pread(fd, buffer, static_cast<size_t>(count), offset);
}

std::int64_t fileSize(int fd) { return lseek(fd, 0, SEEK_END); }

void closeFile(int fd) { ::close(fd); }

}  // namespace disk

void setBinaryMode(int) {}

bool writeStandardError(const char* bytes, std::size_t size) {
  return ::write(2, bytes, size) >= 0;
}

void endProcessNow(int code) { _exit(code); }

std::int64_t clockSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace os
