// Test hook into the operating-system seam (support/os.h): a file that a test puts in place of one
// on disk, for files too large to make (past 4 GiB, say). Implemented in support/os.cpp.
#pragma once

#include <cstdint>

namespace os {

class StandInFile {
 public:
  virtual ~StandInFile() = default;
  // The file's size in bytes.
  virtual std::int64_t size() = 0;
  // As os::readAt: up to `count` bytes at `offset`; the number given, 0 at the end, -1 on error.
  virtual long readAt(std::int64_t offset, char* buffer, int count) = 0;
};

// From now on, opening `path` (not null; compared as given) opens `file` instead of the disk's,
// until the next call; a null `file` ends it. `file` is not owned and must outlive its use.
void putStandInFile(const char* path, StandInFile* file);

}  // namespace os
