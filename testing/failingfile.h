// Test helper: a file whose disk goes bad under the reader, put in place of a path through the
// stand-in file hook (testing/standinfile.h), for the tests of everything that reads words files.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "testing/standinfile.h"

// Opening `path` opens `bytes` instead, until the object is destroyed. The file reads well until
// it has been read through once (as opening it does, to find where its text ends); from then on a
// read stops short of byte `errorAt` and a read from there on fails, as on a damaged disk, for
// the reads of a later open too. An `errorAt` at or past the end never fails.
class FailingFile : public os::StandInFile {
 public:
  FailingFile(std::string path, std::string bytes, std::int64_t errorAt)
      : _path(std::move(path)), _bytes(std::move(bytes)), _errorAt(errorAt) {
    os::putStandInFile(_path.c_str(), this);
  }
  ~FailingFile() override { os::putStandInFile(_path.c_str(), nullptr); }
  FailingFile(const FailingFile&) = delete;
  FailingFile& operator=(const FailingFile&) = delete;

  std::int64_t size() override { return static_cast<std::int64_t>(_bytes.size()); }

  long readAt(std::int64_t offset, char* buffer, int count) override {
    if (offset >= size()) return 0;
    if (_readThrough && offset >= _errorAt) return -1;
    std::int64_t end = std::min({offset + count, size(), _readThrough ? _errorAt : size()});
    _readThrough = _readThrough || end == size();
    std::memcpy(buffer, _bytes.data() + offset, static_cast<std::size_t>(end - offset));
    return static_cast<long>(end - offset);
  }

 private:
  std::string _path, _bytes;
  std::int64_t _errorAt;
  bool _readThrough = false;
};
