// The game controller, the scoring rule and the secret-word picker. Portable: the window is
// reached only through GameView and the words file through the project's text-mode reader.
#include "app/game.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "support/ascii.h"
#include "support/assert.h"
#include "support/clock.h"
#include "support/number.h"
#include "support/random.h"
#include "support/textfile.h"

namespace {

const char WORDS_FILE[] = "words.txt";
constexpr int CHUNK_SIZE = 2048;                // bytes read at each random offset
constexpr int LINE_PIECE = GAME_TEXT_SIZE - 1;  // the longest line a 256-byte buffer takes
constexpr int MAX_RANDOM_TRIES = 10000;         // random chunks before the one pass from the start

enum class PickResult { Picked, NoFile, NoWord };

// Copies at most LINE_PIECE bytes of `text` into `buffer` (GAME_TEXT_SIZE bytes), terminated.
void copyText(char* buffer, const char* text, std::size_t length) {
  length = std::min(length, static_cast<std::size_t>(LINE_PIECE));
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}

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
      copyText(word, line, static_cast<std::size_t>(pieceLength));
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

PickResult pickWord(int letterCount, char* word) {
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

}  // namespace

GameController::GameController(Dictionary& dictionary, GameView& view)
    : _dictionary(dictionary), _view(view) {}

void GameController::start() {
  setState(AskLetterCount);
  _view.clearLines();
  _view.addLine("GlyphWise V1.0");
  _view.addLine("Copyright (C) 2026 The Glyphwise Authors");
  _view.addLine("");
  _view.addLine("How many letters (4-10)?");
}

void GameController::onGuess() {
  char text[GAME_TEXT_SIZE];
  _view.readEntry(text);
  if (_state == AskLetterCount)
    takeLetterCount(text);
  else if (_state == Playing)
    takeGuess(text);
}

void GameController::onNewGame() {
  _view.clearLines();
  _view.addLine("How many letters (4-10)?");
  setState(AskLetterCount);
}

void GameController::onConcede() {
  if (_state != Playing) return;
  addFormattedLine("The word was %s", _secretWord);
  _view.setTopLine(_guessCount);
  setState(Finished);
}

void GameController::setState(GameState state) {
  _view.enableButton(GameButton::Guess, state != Finished);
  _view.enableButton(GameButton::NewGame, state != AskLetterCount);
  _view.enableButton(GameButton::Concede, state == Playing);
  _state = state;
}

// A game starts only with a word picked: when the pick fails the player is told why and is
// asked for a count again.
void GameController::takeLetterCount(const char* text) {
  _letterCount = parseLeadingInt(text);
  if (_letterCount < 4 || _letterCount > 10) return;
  PickResult result = pickWord(_letterCount, _secretWord);
  if (result == PickResult::NoFile) {
    addFormattedLine("Error opening '%s' for reading", WORDS_FILE);
    return;
  }
  if (result == PickResult::NoWord) {
    addFormattedLine("No %d-letter word in '%s'", _letterCount, WORDS_FILE);
    return;
  }
  _view.setEntryLimit(_letterCount);
  _view.clearLines();
  addFormattedLine("The word has %d letters; guess away!", _letterCount);
  setState(Playing);
  _guessCount = 0;
  _view.clearEntry();
}

void GameController::takeGuess(char* text) {
  upperCaseInPlace(text);
  if (static_cast<int>(std::strlen(text)) != _letterCount) return;
  int wrongSpot = 0;
  int rightSpot = 0;
  bool won = false;
  ++_guessCount;
  if (_dictionary.contains(text)) {
    won = ScoreGuess(_secretWord, text, &wrongSpot, &rightSpot);
    addFormattedLine("%3d: %s  %d/%d", _guessCount, text, rightSpot, wrongSpot);
  } else {
    addFormattedLine("%3d: %s  Unknown Word", _guessCount, text);
  }
  _view.setTopLine(_guessCount);
  _view.clearEntry();
  if (!won) return;
  _view.addLine("Well done, word guessed!");
  _view.setTopLine(_guessCount + 1);
  setState(Finished);
}

void GameController::addFormattedLine(const char* format, ...) {
  char line[GAME_TEXT_SIZE];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  _view.addLine(line);
}

bool ScoreGuess(const char* word, const char* guess, int* wrongSpot, int* rightSpot) {
  GW_ASSERT(word);
  GW_ASSERT(guess);
  GW_ASSERT(wrongSpot);
  GW_ASSERT(rightSpot);
  if (equalIgnoringCase(word, guess)) {
    *wrongSpot = 0;
    *rightSpot = static_cast<int>(std::strlen(word));
    return true;
  }
  CountLetterMatches(word, guess, wrongSpot, rightSpot);
  return false;
}

void CountLetterMatches(const char* word, const char* guess, int* wrongSpot, int* rightSpot) {
  GW_ASSERT(word && guess && wrongSpot && rightSpot);
  char w[GAME_TEXT_SIZE];
  char g[GAME_TEXT_SIZE];
  copyText(w, word, std::strlen(word));
  copyText(g, guess, std::strlen(guess));
  *wrongSpot = 0;
  *rightSpot = 0;
  std::size_t wordLength = std::strlen(w);
  for (std::size_t i = 0; g[i] != '\0'; ++i) {
    if (i < wordLength && g[i] == w[i]) {
      ++*rightSpot;
      g[i] = w[i] = '*';
    }
  }
  for (char* letter = g; *letter != '\0'; ++letter) {
    char* match = *letter == '*' ? nullptr : std::strchr(w, *letter);
    if (match == nullptr) continue;
    ++*wrongSpot;
    *match = *letter = '*';
  }
}

bool PickSecretWord(int letterCount, char* word) {
  return pickWord(letterCount, word) == PickResult::Picked;
}
