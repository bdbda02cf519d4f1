// Fuzz target: arbitrary bytes as a saved player record. Whatever load makes of them, saving that
// record and loading it again must give a record that saves to the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/oracle.h"
#include "player/player.h"

namespace {

// The bytes `player` saves.
std::string savedBytes(const Player& player) {
  char* buffer = nullptr;
  std::size_t size = 0;
  FILE* stream = open_memstream(&buffer, &size);
  check(stream != nullptr && player.save(stream));
  std::fclose(stream);
  std::string bytes(buffer, size);
  std::free(buffer);
  return bytes;
}

// Loads `bytes` into `player`; returns what load returned.
bool loadBytes(Player& player, const std::string& bytes) {
  FILE* stream = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
  if (stream == nullptr) return false;  // glibc refuses a buffer of 0 bytes
  bool loaded = player.load(stream);
  std::fclose(stream);
  return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Player first;
  loadBytes(first, std::string(reinterpret_cast<const char*>(data), size));
  const std::string saved = savedBytes(first);
  Player second;
  check(loadBytes(second, saved) && savedBytes(second) == saved);
  for (std::int32_t n = 1; n < MAX_WORD_LENGTH; ++n) check(first.average(n) == second.average(n));
  check(first.overallAverage() == second.overallAverage() &&
        first.overallMinimum() == second.overallMinimum() &&
        first.overallMaximum() == second.overallMaximum());
  return 0;
}
