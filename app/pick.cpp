// The secret-word picker: draws random offsets into the words file, takes the first whole line of
// the wanted length after each, and falls back to one pass from the start of the file.
#include "app/pick.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "app/game.h"
#include "support/ascii.h"
#include "support/assert.h"
#include "support/clock.h"
#include "support/random.h"
#include "support/textfile.h"

const char WORDS_FILE[] = "words.txt";

namespace {

constexpr int CHUNK_SIZE = 2048;                // bytes read at each random offset
constexpr int LINE_PIECE = GAME_TEXT_SIZE - 1;  // the most a 256-byte line buffer takes at once
constexpr int MAX_RANDOM_TRIES = 10000;         // random chunks before the one pass from the start

// True when the `length` characters at `line` are a word the game can play: exactly
// `letterCount` (1 or more) upper-case letters A to Z.
bool isPlayableWord(const char* line, int length, int letterCount) {
  auto isUpperLetter = [](char c) { return isAsciiLetter(c) && asciiUpper(c) == c; };
  return length == letterCount && length > 0 && std::all_of(line, line + length, isUpperLetter);
}

void copyWord(const char* line, int length, char* word) {
  std::memcpy(word, line, static_cast<std::size_t>(length));
  word[length] = '\0';
}

// Looks for the first playable line of `letterCount` letters in a chunk of `length` characters,
// after skipping its first line. Only whole lines count: a last line that the chunk cuts short
// counts only when the text ended inside the chunk.
bool takeWordFromChunk(const char* text, int length, bool textEnded, int letterCount, char* word) {
  const char* end = text + length;
  for (const char* lineEnd = std::find(text, end, '\n'); lineEnd != end;) {
    const char* line = lineEnd + 1;
    lineEnd = std::find(line, end, '\n');
    if (lineEnd == end && !textEnded) return false;
    int lineLength = static_cast<int>(lineEnd - line);
    if (isPlayableWord(line, lineLength, letterCount)) {
      copyWord(line, lineLength, word);
      return true;
    }
  }
  return false;
}

// One try: reads a chunk at an offset made of two draws and examines at most its first 2047
// characters (the last byte of the buffer is kept for a terminator). The offset has 31 bits, so
// a text longer than 2 GiB is drawn from only in its first 2 GiB. Picked, NoWord when the chunk
// holds none, or ReadError.
PickResult tryRandomChunk(TextFile& file, int letterCount, char* word) {
  std::int64_t first = drawRandom();
  std::int64_t second = drawRandom();
  file.seek((second * 65536 + first) % file.textEnd());
  char chunk[CHUNK_SIZE];
  int arrived = file.read(chunk, CHUNK_SIZE);
  if (file.readFailed()) return PickResult::ReadError;
  bool taken = takeWordFromChunk(chunk, std::min(arrived, CHUNK_SIZE - 1), arrived < CHUNK_SIZE,
                                 letterCount, word);
  return taken ? PickResult::Picked : PickResult::NoWord;
}

// The fallback once the random tries are spent: the first playable line of `letterCount` letters
// of the whole text, so that a word that exists is always found. It reads up to the text's end
// found at open; for a length that the file lacks, that is a pass over all of it, however large.
// Picked, NoWord or ReadError.
PickResult takeFirstWord(TextFile& file, int letterCount, char* word) {
  file.seek(0);
  char line[GAME_TEXT_SIZE];
  bool atLineStart = true;  // the piece read begins a line
  // A line that a read error cuts short is never taken.
  for (int length; (length = file.readLine(line, GAME_TEXT_SIZE)) > 0 && !file.readFailed();) {
    bool lineEnded = line[length - 1] == '\n';
    int letters = lineEnded ? length - 1 : length;
    // A piece of a line longer than the buffer is never taken, nor are the pieces after it.
    bool wholeLine = atLineStart && (lineEnded || length < LINE_PIECE);
    if (wholeLine && isPlayableWord(line, letters, letterCount)) {
      copyWord(line, letters, word);
      return PickResult::Picked;
    }
    atLineStart = lineEnded;
  }
  return file.readFailed() ? PickResult::ReadError : PickResult::NoWord;
}

}  // namespace

PickResult PickSecretWord(int letterCount, char* word) {
  GW_ASSERT(word);
  TextFile file;
  if (!file.open(WORDS_FILE)) {
    std::strcpy(word, "error");
    return PickResult::NoFile;
  }
  seedRandom(static_cast<std::uint32_t>(calendarSeconds()));
  std::printf("Words file is %" PRId64 " bytes long\n", file.size());
  PickResult result = PickResult::NoWord;
  for (int tries = 0; file.textEnd() > 0 && tries < MAX_RANDOM_TRIES; ++tries) {
    result = tryRandomChunk(file, letterCount, word);
    if (result != PickResult::NoWord) break;
  }
  if (result == PickResult::NoWord) result = takeFirstWord(file, letterCount, word);
  if (result != PickResult::Picked) std::strcpy(word, "error");
  return result;
}

void DescribePickFailure(PickResult result, int letterCount, char* text, std::size_t size) {
  if (result == PickResult::NoFile)
    std::snprintf(text, size, "Error opening '%s' for reading", WORDS_FILE);
  else if (result == PickResult::ReadError)
    std::snprintf(text, size, "Error reading '%s'", WORDS_FILE);
  else
    std::snprintf(text, size, "No %d-letter word in '%s'", letterCount, WORDS_FILE);
}
