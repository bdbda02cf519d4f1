// The console guess tester: the dialogue on standard input and output, with its own scoring that
// has no whole-word test and writes the counts as "wrong / right".
#include "tester/guess.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/game.h"
#include "app/pick.h"
#include "support/ascii.h"
#include "support/assert.h"
#include "support/number.h"
#include "support/os.h"

namespace {

constexpr int STANDARD_INPUT = 0;
constexpr int STANDARD_OUTPUT = 1;
constexpr int STANDARD_ERROR = 2;

constexpr int MIN_LETTERS = 3;
constexpr int ANSWER_SIZE = GAME_TEXT_SIZE;     // the length answer: 255 characters and a NUL
constexpr int GUESS_SIZE = GAME_TEXT_SIZE - 1;  // a guess: 254 characters and a NUL

// Scores `guess` against the secret `word` without a whole-word test. Named as the game's own
// ScoreGuess on purpose: the callers below live in this unnamed namespace, so this one is found
// first. No argument may be null.
void ScoreGuess(const char* word, const char* guess, int* wrongSpot, int* rightSpot) {
  GW_ASSERT(word);
  GW_ASSERT(guess);
  GW_ASSERT(wrongSpot);
  GW_ASSERT(rightSpot);
  CountLetterMatches(word, guess, wrongSpot, rightSpot);
}

// Reads one line of standard input into `line` (`size` bytes). CR bytes are dropped, the LF is
// not stored, and the characters beyond size - 1 are read and dropped, so that a long line never
// becomes the next one. False when the input ended, or failed, before the line began.
bool readLine(char* line, int size) {
  int c = std::getchar();
  if (c == EOF) return false;
  int length = 0;
  for (; c != EOF && c != '\n'; c = std::getchar()) {
    if (c != '\r' && length < size - 1) line[length++] = static_cast<char>(c);
  }
  line[length] = '\0';
  return true;
}

// Asks for the word length until the answer is MIN_LETTERS to MAX_WORD_LENGTH, the lengths a
// words file can hold. Returns it, or 0 when the input ended first.
int askLetterCount() {
  char answer[ANSWER_SIZE];
  int letterCount = 0;
  while (letterCount < MIN_LETTERS || letterCount > MAX_WORD_LENGTH) {
    std::fputs("How many letters (min 3)? ", stdout);
    std::fflush(stdout);
    if (!readLine(answer, ANSWER_SIZE)) return 0;
    letterCount = parseLeadingInt(answer);
  }
  return letterCount;
}

// Scores guesses until one is the secret `word`, byte for byte once upper-cased. True then; false
// when the input ended first.
bool playGuesses(const char* word) {
  char guess[GUESS_SIZE];
  for (int guessNumber = 1;; ++guessNumber) {
    std::printf("Guess %d: ", guessNumber);
    std::fflush(stdout);
    if (!readLine(guess, GUESS_SIZE)) return false;
    upperCaseInPlace(guess);
    int wrongSpot = 0;
    int rightSpot = 0;
    ScoreGuess(word, guess, &wrongSpot, &rightSpot);
    std::printf("%d / %d\n", wrongSpot, rightSpot);
    std::fflush(stdout);
    if (std::strcmp(guess, word) == 0) return true;
  }
}

// The run ends without an answer: one line end, so that a shell's prompt starts on a line of its
// own.
int endOfInput() {
  std::fputs("\n", stdout);
  return EXIT_FAILURE;
}

// Writes the game's message for a failed pick to standard error.
int reportPickFailure(PickResult result, int letterCount) {
  char message[GAME_TEXT_SIZE];
  DescribePickFailure(result, letterCount, message, sizeof message);
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", message);
  return EXIT_FAILURE;
}

}  // namespace

int runGuessTester() {
  os::setBinaryMode(STANDARD_INPUT);
  os::setBinaryMode(STANDARD_OUTPUT);
  os::setBinaryMode(STANDARD_ERROR);
  std::fputs("Guess tester\n", stdout);
  int letterCount = askLetterCount();
  if (letterCount == 0) return endOfInput();
  char word[GAME_TEXT_SIZE];
  PickResult result = PickSecretWord(letterCount, word);
  if (result != PickResult::Picked) return reportPickFailure(result, letterCount);
  std::printf("Word has %d letters\n", static_cast<int>(std::strlen(word)));
  if (!playGuesses(word)) return endOfInput();
  std::fputs("Woohoo! You got it!\n", stdout);
  return EXIT_SUCCESS;
}
