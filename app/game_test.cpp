// The game's rules and controller, driven through a recording view and an in-memory dictionary,
// with the secret word picked from small words files made in a temporary working folder.
#include "app/game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dictionary/memdict.h"
#include "testing/failingfile.h"
#include "testing/tempfolder.h"

namespace {

// Records every call the controller makes as one text, the calls parted by '|', and holds the
// entry's text: "read", "+<line>", "clear", "top <n>", "limit <n>", "empty", and G, N or C (the
// Guess, New Game and Concede buttons) followed by 1 (enabled) or 0.
class RecordingView : public GameView {
 public:
  std::string calls, entry;

  void addLine(const char* text) override { record(std::string("+") + text); }
  void clearLines() override { record("clear"); }
  void setTopLine(int index) override { record("top " + std::to_string(index)); }
  void setEntryLimit(int count) override { record("limit " + std::to_string(count)); }
  void readEntry(char* text) override {
    record("read");
    snprintf(text, GAME_TEXT_SIZE - 1, "%s", entry.c_str());
  }
  void clearEntry() override {
    record("empty");
    entry.clear();
  }
  void enableButton(GameButton button, bool enabled) override {
    record(std::string(1, "GNC"[static_cast<int>(button)]) + (enabled ? "1" : "0"));
  }

 private:
  void record(const std::string& call) { calls += (calls.empty() ? "" : "|") + call; }
};

// ---- Scoring ----

TEST(ScoreGuessTest, CountsEachLetterOfTheWordOnce) {
  // The letters right in the right spot and right in the wrong one, and whether the guess wins.
  struct Row {
    const char *word, *guess;
    int right, wrong;
    bool won;
  };
  const Row rows[] = {
      // Each letter of the word counts once, in its right spot first (APPLE and PAPER, HELLO and
      // HOLLY or LLAMA: in the controller's and the console tester's tests).
      {"ROBOT", "FLOOR", 1, 2, false},
      {"CRANE", "EERIE", 1, 1, false},
      // A guess longer or shorter than the word.
      {"ABC", "ABCDE", 3, 0, false},
      {"ABC", "CABCA", 0, 3, false},
      {"ABCDE", "EDC", 1, 2, false},
      // The word itself wins, whatever the case of its letters; other guesses count case.
      {"APPLE", "apple", 5, 0, true},
      {"error", "ERROR", 5, 0, true},
      {"error", "EROOR", 0, 0, false},
  };
  for (const Row& row : rows) {
    int wrongSpot = -1, rightSpot = -1;
    EXPECT_EQ(ScoreGuess(row.word, row.guess, &wrongSpot, &rightSpot), row.won) << row.guess;
    EXPECT_EQ(rightSpot, row.right) << row.guess;
    EXPECT_EQ(wrongSpot, row.wrong) << row.guess;
  }
}

// ---- The controller ----

// Each step runs a command (s start, g Guess, n New Game, c Concede, r remove the words file, f
// Guess with a words file whose reads fail) with a text in the entry, and gives the calls that
// follow. What a pick prints goes to standard output.
TEST(ControllerTest, PlaysThroughEveryStateAndCommand) {
  TempFolder folder;
  folder.enter();
  folder.write("words.txt", "A\nAPPLE\nAPPLE\nBANANA\nBANANA\n");  // every 5-letter pick: APPLE
  MemoryDictionary dictionary;
  ASSERT_TRUE(dictionary.open(folder.write("known.txt", "APPLE\nERROR\nPAPER\n").c_str(), nullptr));
  RecordingView view;
  GameController controller{dictionary, view};
  const std::string asking = "|G1|N0|C0";
  const std::string started =
      "read|limit 5|clear|+The word has 5 letters; guess away!|G1|N1|C1|empty";
  struct Step {
    char command;
    const char* entry;  // the entry's text
    std::string calls;  // the calls that follow
  };
  const Step steps[] = {
      // Before start nothing is played.
      {'g', "5", "read"},
      {'c', "5", ""},
      {'s', "",
       "G1|N0|C0|clear|+GlyphWise V1.0|+Copyright (C) 2026 The Glyphwise Authors|+"
       "|+How many letters (4-10)?"},
      // Asking for the letter count: only 4 to 10 starts a game, and only with a word picked.
      {'c', "5", ""},
      {'g', "abc", "read"},
      {'g', "3", "read"},
      {'g', "11", "read"},
      {'g', "4", "read|+No 4-letter word in 'words.txt'"},
      {'g', "10", "read|+No 10-letter word in 'words.txt'"},
      {'n', "5", "clear|+How many letters (4-10)?" + asking},
      {'g', " 5", started},
      // Playing: each guess of the word's length counts, a repeated one too.
      {'g', "paper", "read|+  1: PAPER  1/3|top 1|empty"},
      {'g', "paper", "read|+  2: PAPER  1/3|top 2|empty"},
      {'g', "pape", "read"},
      {'g', "applesauce", "read"},
      {'g', "12345", "read|+  3: 12345  Unknown Word|top 3|empty"},
      {'c', "APP", "+The word was APPLE|top 3|G0|N1|C0"},
      // Finished: only New Game acts.
      {'g', "apple", "read"},
      {'c', "", ""},
      {'n', "APP", "clear|+How many letters (4-10)?" + asking},
      {'g', "5x", started},
      {'g', "Apple", "read|+  1: APPLE  5/0|top 1|empty|+Well done, word guessed!|top 2|G0|N1|C0"},
      {'n', "", "clear|+How many letters (4-10)?" + asking},
      {'g', "6", "read|limit 6|clear|+The word has 6 letters; guess away!|G1|N1|C1|empty"},
      {'g', "banana", "read|+  1: BANANA  Unknown Word|top 1|empty"},
      // A pick that cannot open the words file says so and leaves the entry as it was.
      {'n', "", "clear|+How many letters (4-10)?" + asking},
      {'r', "", ""},
      {'g', "5", "read|+Error opening 'words.txt' for reading"},
      {'f', "5", "read|+Error reading 'words.txt'"},
  };
  for (const Step& step : steps) {
    view.entry = step.entry;
    view.calls.clear();
    if (step.command == 's') controller.start();
    if (step.command == 'g') controller.onGuess();
    if (step.command == 'n') controller.onNewGame();
    if (step.command == 'c') controller.onConcede();
    if (step.command == 'r') std::filesystem::remove(folder.path("words.txt"));
    if (step.command == 'f') {
      FailingFile failing("words.txt", "A\nAPPLE\n", 4);
      controller.onGuess();
    }
    EXPECT_EQ(view.calls, step.calls) << step.command << " " << step.entry;
  }
}

}  // namespace
