// The game's rules and its controller, free of any window system: the controller asks for the
// word length, has the secret word picked, scores guesses and writes the history through a
// GameView.
#pragma once

#include "dictionary/dictionary.h"

// The state of the game.
enum GameState { Finished = 0, AskLetterCount = 1, Playing = 2 };

// The three buttons whose state follows the game.
enum class GameButton { Guess, NewGame, Concede };

// Size of every text buffer of the game: the secret word, the entry text and the history lines.
constexpr int GAME_TEXT_SIZE = 256;

// What the controller needs from its window. Lines of the history list are numbered from 0 in the
// order in which they were added.
class GameView {
 public:
  virtual ~GameView() = default;
  // Appends `text` at the end of the history list.
  virtual void addLine(const char* text) = 0;
  // Empties the history list.
  virtual void clearLines() = 0;
  // Scrolls so that line `index` is the first visible line, as far as the list can scroll.
  virtual void setTopLine(int index) = 0;
  // From now on the entry accepts at most `count` characters of typing or pasting.
  virtual void setEntryLimit(int count) = 0;
  // Copies the entry's text, at most 254 characters and a NUL, into `text` (GAME_TEXT_SIZE bytes).
  virtual void readEntry(char* text) = 0;
  // Sets the entry's text to "".
  virtual void clearEntry() = 0;
  // Enables or disables one game button.
  virtual void enableButton(GameButton button, bool enabled) = 0;
};

// Runs one window's games. Holds references to the dictionary and the view, which it does not own
// and which must outlive it. Every operation runs on the window's one thread.
class GameController {
 public:
  GameController(Dictionary& dictionary, GameView& view);

  // Called once when the window is ready: writes the start lines and asks for the letter count.
  void start();
  // The Guess command: takes the entry as the letter count or as a guess, by the state.
  void onGuess();
  // The New Game command: drops any game in progress and asks for the letter count again.
  void onNewGame();
  // The Concede command: reveals the word and ends the game (only while playing).
  void onConcede();
  // Sets the three game buttons for `state`, then stores it.
  void setState(GameState state);

 private:
  void takeLetterCount(const char* text);
  void takeGuess(char* text);
  void addFormattedLine(const char* format, ...) __attribute__((format(printf, 2, 3)));

  GameState _state = Finished;
  int _letterCount = 0;
  int _guessCount = 0;
  char _secretWord[GAME_TEXT_SIZE] = {};
  Dictionary& _dictionary;
  GameView& _view;
};

// Scores `guess` against the secret `word` (both NUL-terminated, at most 255 characters, neither
// changed): letters in the right spot go to *rightSpot, further letters of the word in the wrong
// spot to *wrongSpot, each letter of the word counted once. Returns true when the guess is the
// word, ignoring the case of letters; then *rightSpot is the word's length and *wrongSpot 0.
// No argument may be null.
bool ScoreGuess(const char* word, const char* guess, int* wrongSpot, int* rightSpot);

// The letter counting of ScoreGuess without its whole-word test: two passes over copies of the
// texts (at most 255 characters of each), exact bytes, right spots first. No argument may be null;
// neither text is changed. Shared with the console tester, whose scoring has no whole-word test.
void CountLetterMatches(const char* word, const char* guess, int* wrongSpot, int* rightSpot);
