// The secret-word picker: draws random offsets into the words file, takes the first whole line of
// the wanted length after each, and falls back to one pass from the start of the file.
#include "app/pick.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "app/game.h"
#include "support/assert.h"
#include "support/clock.h"
#include "support/random.h"
#include "support/textfile.h"

const char WORDS_FILE[] = "words.txt";

namespace {

constexpr int CHUNK_SIZE = 2048;                // bytes read at each random offset
constexpr int LINE_PIECE = GAME_TEXT_SIZE - 1;  // the longest line a 256-byte buffer takes
constexpr int MAX_RANDOM_TRIES = 10000;         // random chunks before the one pass from the start

// Looks for the first line of `letterCount` characters in a chunk of `length` characters, after
// skipping its first line. Lines are taken as a 256-byte line buffer takes them: a longer line
// comes in pieces of at most 255 characters. A last line that the chunk cuts short counts only
// when the text ended inside the chunk.
bool takeWordFromChunk(const char* text, int length, bool textEnded, int letterCount, char* word) {
  const char* end = text + length;
  const char* line = std::find(text, end, '\n');
  if (line == end) return false;
  for (++line; line < end;) {
    const char* stop = std::min(end, line + LINE_PIECE);
    const char* lineEnd = std::find(line, stop, '\n');
    int pieceLength = static_cast<int>(lineEnd - line);
    if (lineEnd == end && pieceLength < LINE_PIECE && !textEnded) return false;
    if (pieceLength == letterCount) {
      std::memcpy(word, line, static_cast<std::size_t>(pieceLength));
      word[pieceLength] = '\0';
      return true;
    }
    line = lineEnd < stop ? lineEnd + 1 : lineEnd;
  }
  return false;
}

// One try: reads a chunk at an offset made of two draws and examines at most its first 2047
// characters (the last byte of the buffer is kept for a terminator).
bool tryRandomChunk(TextFile& file, std::int64_t size, int letterCount, char* word) {
  std::int64_t first = drawRandom();
  std::int64_t second = drawRandom();
  file.seek((second * 65536 + first) % size);
  char chunk[CHUNK_SIZE];
  int arrived = file.read(chunk, CHUNK_SIZE);
  return takeWordFromChunk(chunk, std::min(arrived, CHUNK_SIZE - 1), arrived < CHUNK_SIZE,
                           letterCount, word);
}

// The fallback once the random tries are spent: the first line of `letterCount` characters of the
// whole file, so that a word that exists is always found.
bool takeFirstWord(TextFile& file, int letterCount, char* word) {
  file.seek(0);
  char line[GAME_TEXT_SIZE];
  for (int length; (length = file.readLine(line, GAME_TEXT_SIZE)) > 0;) {
    if (line[length - 1] == '\n') line[--length] = '\0';
    if (length == letterCount) {
      std::memcpy(word, line, static_cast<std::size_t>(length) + 1);
      return true;
    }
  }
  return false;
}

}  // namespace

PickResult PickWord(int letterCount, char* word) {
  GW_ASSERT(word);
  TextFile file;
  if (!file.open(WORDS_FILE)) {
    std::strcpy(word, "error");
    return PickResult::NoFile;
  }
  std::int64_t size = file.size();
  seedRandom(static_cast<std::uint32_t>(calendarSeconds()));
  std::printf("Words file is %" PRId64 " bytes long\n", size);
  for (int tries = 0; size > 0 && tries < MAX_RANDOM_TRIES; ++tries) {
    if (tryRandomChunk(file, size, letterCount, word)) return PickResult::Picked;
  }
  if (takeFirstWord(file, letterCount, word)) return PickResult::Picked;
  std::strcpy(word, "error");
  return PickResult::NoWord;
}

bool PickSecretWord(int letterCount, char* word) {
  return PickWord(letterCount, word) == PickResult::Picked;
}

void DescribePickFailure(PickResult result, int letterCount, char* text, std::size_t size) {
  if (result == PickResult::NoFile)
    std::snprintf(text, size, "Error opening '%s' for reading", WORDS_FILE);
  else
    std::snprintf(text, size, "No %d-letter word in '%s'", letterCount, WORDS_FILE);
}
