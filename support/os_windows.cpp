// The operating-system seam on Windows: the C runtime's low-level descriptor calls, opened and
// switched to binary so that the runtime translates no line end. Files are opened through the
// Win32 file calls, whose sharing the runtime's own open cannot ask for.
#include <fcntl.h>
#include <fileapi.h>
#include <handleapi.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <cstdio>  // SEEK_SET
#include <cstdlib>
#include <ctime>

#include "support/os.h"
#include "support/os_system.h"

namespace os {

namespace disk {

int openForReading(const char* path) {
  // Sharing deletion too lets the file be removed or renamed while it is open, as on POSIX.
  HANDLE handle =
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return -1;
  int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    return -1;
  }
  struct _stat64 status {};
  if (_fstat64(fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
    _close(fd);
    return -1;
  }
  return fd;
}

long readAt(int fd, std::int64_t offset, char* buffer, int count) {
  if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
  return _read(fd, buffer, static_cast<unsigned>(count));
}

std::int64_t fileSize(int fd) { return _lseeki64(fd, 0, SEEK_END); }

void closeFile(int fd) { _close(fd); }

}  // namespace disk

void setBinaryMode(int fd) { _setmode(fd, _O_BINARY); }

bool writeStandardError(const char* bytes, std::size_t size) {
  return _write(2, bytes, static_cast<unsigned>(size)) >= 0;
}

void endProcessNow(int code) { _exit(code); }

std::int64_t clockSeconds() { return _time64(nullptr); }

}  // namespace os
