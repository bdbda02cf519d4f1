// Test helper: temporary folders under fresh random names, each created only where no folder
// stood, so that tests running in parallel processes never share one.
#include "testing/tempfolder.h"

#include <fstream>
#include <random>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  static std::random_device source;
  do {
    _folder = fs::temp_directory_path() / ("glyphwise-" + std::to_string(source()));
  } while (!fs::create_directory(_folder));
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!_previousWorkingFolder.empty()) fs::current_path(_previousWorkingFolder, ignored);
  fs::remove_all(_folder, ignored);
}

std::string TempFolder::path(const std::string& name) const { return (_folder / name).string(); }

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::string file = path(name);
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

void TempFolder::enter() {
  if (_previousWorkingFolder.empty()) _previousWorkingFolder = fs::current_path();
  fs::current_path(_folder);
}
