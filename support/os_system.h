// Inside the operating-system seam: the file calls of the system itself, which os.cpp puts a
// test's stand-in file in front of. Each has the contract of the os.h call of the same name.
#pragma once

#include <cstdint>

namespace os::disk {

int openForReading(const char* path);
long readAt(int fd, std::int64_t offset, char* buffer, int count);
std::int64_t fileSize(int fd);
void closeFile(int fd);

}  // namespace os::disk
