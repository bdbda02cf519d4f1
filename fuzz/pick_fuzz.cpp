// Fuzz target: arbitrary bytes as the picker's words.txt. The input's first four bytes fix the
// clock that seeds the pick; the rest is the file. A picked word must have exactly the length asked
// for, be made of the letters A to Z, and be a whole line of the file's text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/pick.h"
#include "support/clock.h"
#include "support/tempfolder.h"

namespace {

// Inputs above this size are passed over: a pick reads 2048-byte chunks, and smaller files keep
// the target fast.
constexpr std::size_t MAX_FILE_SIZE = 8192;

// The lines of the file as text: up to its first 0x1A, with every CR dropped.
std::set<std::string> textLines(const std::string& bytes) {
  std::string text = bytes.substr(0, bytes.find('\x1A'));
  std::set<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      lines.insert(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  lines.insert(line);
  return lines;
}

bool isUpperWord(const std::string& line) {
  for (char c : line) {
    if (c < 'A' || c > 'Z') return false;
  }
  return !line.empty();
}

// A length to ask for, chosen by `choice`: mostly that of one of the file's lines of letters A to
// Z, so that most picks can succeed (a length that no such line has makes the pick try 10,000
// chunks before its pass over the file).
int lengthToAsk(const std::set<std::string>& lines, std::uint32_t choice) {
  std::vector<int> lengths;
  for (const std::string& line : lines) {
    if (isUpperWord(line) && line.size() <= 16) lengths.push_back(static_cast<int>(line.size()));
  }
  if (lengths.empty() || choice % 16 == 0) return static_cast<int>(4 + choice % 7);
  return lengths[choice % lengths.size()];
}

TempFolder& enterFolder() {
  static TempFolder folder;
  folder.enter();
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFolder& folder = enterFolder();
  if (size < 4 || size > 4 + MAX_FILE_SIZE) return 0;
  std::uint32_t seed = 0;
  std::memcpy(&seed, data, sizeof seed);
  const std::string bytes(reinterpret_cast<const char*>(data) + 4, size - 4);
  folder.write("words.txt", bytes);
  std::set<std::string> lines = textLines(bytes);
  int letterCount = lengthToAsk(lines, seed);
  fixClock(seed);
  char word[GAME_TEXT_SIZE];
  PickResult result = PickSecretWord(letterCount, word);
  bool wordOfTheFile = static_cast<int>(std::strlen(word)) == letterCount && isUpperWord(word) &&
                       lines.count(word) != 0;
  if (result == PickResult::Picked && !wordOfTheFile) std::abort();
  if (result != PickResult::Picked && std::strcmp(word, "error") != 0) std::abort();
  return 0;
}
