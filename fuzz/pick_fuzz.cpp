// Fuzz target: arbitrary bytes as the picker's words.txt. The input's first four bytes fix the
// clock that seeds the pick; the rest is the file. A picked word must have exactly the length asked
// for, be made of the letters A to Z, and be a whole line of the file's text.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

#include "app/pick.h"
#include "fuzz/oracle.h"
#include "testing/fixedclock.h"
#include "testing/tempfolder.h"

namespace {

// The lines of the file's text that are words of 1 to 16 letters A to Z: the longest length this
// target asks for.
std::set<std::string> wordLines(const std::string& bytes) {
  std::set<std::string> words;
  for (const std::string& line : splitLines(wordsText(bytes)))
    if (isWordLine(line)) words.insert(line);
  return words;
}

TempFolder& enterFolder() {
  static TempFolder folder;
  folder.enter();
  check(std::freopen("/dev/null", "w", stdout) != nullptr);
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFolder& folder = enterFolder();
  // A pick reads 2048-byte chunks; files of at most 8 KiB keep the target fast.
  if (size < 4 || size > 4 + 8192) return 0;
  std::uint32_t seed = 0;
  std::memcpy(&seed, data, sizeof seed);
  const std::string bytes(reinterpret_cast<const char*>(data) + 4, size - 4);
  folder.write("words.txt", bytes);
  const std::set<std::string> words = wordLines(bytes);
  // Mostly the length of one of the file's words, so that most picks succeed: a length that no line
  // has makes the pick try 10,000 chunks before its pass over the file.
  const std::size_t letterCount = words.empty() || seed % 16 == 0
                                      ? 4 + seed % 7
                                      : std::next(words.begin(), seed % words.size())->size();
  fixClock(seed);
  char buffer[GAME_TEXT_SIZE];
  const bool picked = PickSecretWord(static_cast<int>(letterCount), buffer) == PickResult::Picked;
  const std::string word = buffer;
  // A failed pick leaves "error" as the word.
  check(picked ? word.size() == letterCount && words.count(word) == 1 : word == "error");
  return 0;
}
