// The file calls of the operating-system seam: the system's own (os::disk), unless a test has put
// a stand-in file in place of the path being opened.
#include <string>

#include "support/os.h"
#include "support/os_system.h"
#include "testing/standinfile.h"

namespace os {

namespace {

// The descriptor of the stand-in file while it is open: one that the system never gives.
constexpr int STAND_IN_FD = 1 << 30;

std::string standInPath;
StandInFile* standIn = nullptr;

bool isStandIn(int fd) { return fd == STAND_IN_FD && standIn != nullptr; }

}  // namespace

void putStandInFile(const char* path, StandInFile* file) {
  standInPath = path;
  standIn = file;
}

int openForReading(const char* path) {
  return standIn != nullptr && standInPath == path ? STAND_IN_FD : disk::openForReading(path);
}

long readAt(int fd, std::int64_t offset, char* buffer, int count) {
  return isStandIn(fd) ? standIn->readAt(offset, buffer, count)
                       : disk::readAt(fd, offset, buffer, count);
}

std::int64_t fileSize(int fd) { return isStandIn(fd) ? standIn->size() : disk::fileSize(fd); }

void closeFile(int fd) {
  if (!isStandIn(fd)) disk::closeFile(fd);
}

}  // namespace os
