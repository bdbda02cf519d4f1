// The game controller and the scoring rule. Portable: the window is reached only through GameView,
// the words list through Dictionary and the secret word through the picker.
#include "app/game.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "app/pick.h"
#include "app/product.h"
#include "support/ascii.h"
#include "support/assert.h"
#include "support/number.h"

namespace {

// The letter counts a game can be played with, and the prompt that asks for one.
constexpr int MIN_LETTER_COUNT = 4;
constexpr int MAX_LETTER_COUNT = 10;
const char LETTER_COUNT_PROMPT[] = "How many letters (4-10)?";

// Copies at most GAME_TEXT_SIZE - 1 bytes of `text` into `buffer` (GAME_TEXT_SIZE bytes),
// terminated.
void copyText(char* buffer, const char* text) {
  std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(GAME_TEXT_SIZE - 1));
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}

}  // namespace

GameController::GameController(Dictionary& dictionary, GameView& view)
    : _dictionary(dictionary), _view(view) {}

void GameController::start() {
  setState(AskLetterCount);
  _view.clearLines();
  _view.addLine(PRODUCT_TITLE);
  _view.addLine(PRODUCT_COPYRIGHT);
  _view.addLine("");
  _view.addLine(LETTER_COUNT_PROMPT);
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
  _view.addLine(LETTER_COUNT_PROMPT);
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
  if (_letterCount < MIN_LETTER_COUNT || _letterCount > MAX_LETTER_COUNT) return;
  PickResult result = PickSecretWord(_letterCount, _secretWord);
  if (result != PickResult::Picked) {
    char message[GAME_TEXT_SIZE];
    DescribePickFailure(result, _letterCount, message, sizeof message);
    _view.addLine(message);
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
  copyText(w, word);
  copyText(g, guess);
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
