// The game's rules and controller, driven through a recording view and an in-memory dictionary,
// with the secret word picked from small words files made in a temporary working folder.
#include "app/game.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/tempfolder.h"

namespace {

using Calls = std::vector<std::string>;

// Records every call the controller makes, in order, and holds the entry's text.
class RecordingView : public GameView {
 public:
  Calls calls;
  std::string entry;

  void addLine(const char* text) override { calls.push_back(std::string("addLine ") + text); }
  void clearLines() override { calls.push_back("clearLines"); }
  void setTopLine(int index) override { calls.push_back("setTopLine " + std::to_string(index)); }
  void setEntryLimit(int count) override {
    calls.push_back("setEntryLimit " + std::to_string(count));
  }
  void readEntry(char* text) override {
    calls.push_back("readEntry");
    snprintf(text, GAME_TEXT_SIZE - 1, "%s", entry.c_str());
  }
  void clearEntry() override {
    calls.push_back("clearEntry");
    entry.clear();
  }
  void enableButton(GameButton button, bool enabled) override {
    const char* names[] = {"Guess", "NewGame", "Concede"};
    calls.push_back(std::string("enable ") + names[static_cast<int>(button)] + " " +
                    (enabled ? "on" : "off"));
  }
};

// A dictionary that holds its words in memory.
struct SetDictionary : Dictionary {
  std::set<std::string> words{"APPLE", "PAPER", "ERROR"};
  bool open(const cString&, cString*) override { return true; }
  bool contains(const char* word) override { return words.count(word) != 0; }
};

const Calls ASKING = {"enable Guess on", "enable NewGame off", "enable Concede off"};
const Calls PLAYING = {"enable Guess on", "enable NewGame on", "enable Concede on"};
const Calls FINISHED = {"enable Guess off", "enable NewGame on", "enable Concede off"};

Calls join(Calls first, const Calls& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

// ---- Scoring ----

TEST(ScoreGuessTest, CountsEachLetterOfTheWordOnce) {
  const struct {
    const char* word;
    const char* guess;
    int right;
    int wrong;
    bool won;
  } rows[] = {
      {"APPLE", "PAPER", 1, 3, false}, {"ROBOT", "FLOOR", 1, 2, false},
      {"CRANE", "EERIE", 1, 1, false}, {"HELLO", "HOLLY", 3, 1, false},
      {"HELLO", "LLAMA", 0, 2, false}, {"ABC", "ABCDE", 3, 0, false},
      {"ABC", "CABCA", 0, 3, false},   {"ABCDE", "EDC", 1, 2, false},
      {"APPLE", "apple", 5, 0, true},  {"error", "ERROR", 5, 0, true},
      {"error", "EROOR", 0, 0, false},
  };
  for (const auto& row : rows) {
    int wrong = -1;
    int right = -1;
    EXPECT_EQ(ScoreGuess(row.word, row.guess, &wrong, &right), row.won) << row.guess;
    EXPECT_EQ(right, row.right) << row.word << " " << row.guess;
    EXPECT_EQ(wrong, row.wrong) << row.word << " " << row.guess;
  }
}

TEST(ScoreGuessTest, NullArgumentsFailTheirAssertion) {
  int count = 0;
  EXPECT_EXIT(ScoreGuess(nullptr, "A", &count, &count), ::testing::ExitedWithCode(3),
              "Assertion failed: word, file game, line");
  EXPECT_EXIT(ScoreGuess("A", nullptr, &count, &count), ::testing::ExitedWithCode(3),
              "Assertion failed: guess, file game, line");
  EXPECT_EXIT(ScoreGuess("A", "A", nullptr, &count), ::testing::ExitedWithCode(3),
              "Assertion failed: wrongSpot, file game, line");
  EXPECT_EXIT(ScoreGuess("A", "A", &count, nullptr), ::testing::ExitedWithCode(3),
              "Assertion failed: rightSpot, file game, line");
}

// ---- The controller ----

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.enter();
    folder.write("words.txt", "A\nAPPLE\nAPPLE\nBANANA\nBANANA\n");
  }

  // Types `text` into the entry and presses Guess; returns the calls that followed. What a pick
  // prints is dropped.
  Calls guess(const std::string& text) {
    view.entry = text;
    view.calls.clear();
    ::testing::internal::CaptureStdout();
    controller.onGuess();
    ::testing::internal::GetCapturedStdout();
    return view.calls;
  }

  // Presses `button` with "APP" in the entry, which must stay; returns the calls that followed.
  Calls press(void (GameController::*button)()) {
    view.entry = "APP";
    view.calls.clear();
    (controller.*button)();
    EXPECT_EQ(view.entry, "APP");
    return view.calls;
  }

  // Starts a game of five letters, whose word can only be APPLE.
  void startGame() {
    controller.start();
    ASSERT_EQ(guess("5"), join({"readEntry", "setEntryLimit 5", "clearLines",
                                "addLine The word has 5 letters; guess away!"},
                               join(PLAYING, {"clearEntry"})));
  }

  TempFolder folder;
  RecordingView view;
  SetDictionary dictionary;
  GameController controller{dictionary, view};
};

TEST_F(ControllerTest, StartSetsTheButtonsThenWritesTheStartLines) {
  controller.start();
  EXPECT_EQ(view.calls, join(ASKING, {"clearLines", "addLine GlyphWise V1.0",
                                      "addLine Copyright (C) 2026 The Glyphwise Authors",
                                      "addLine ", "addLine How many letters (4-10)?"}));
}

TEST_F(ControllerTest, IgnoresCountsOutsideFourToTenAndTellsWhyNoGameCouldStart) {
  controller.start();
  for (const char* text : {"3", "11"}) {
    EXPECT_EQ(guess(text), Calls{"readEntry"}) << text;
  }
  for (const std::string count : {"4", "10"}) {
    EXPECT_EQ(guess(count),
              (Calls{"readEntry", "addLine No " + count + "-letter word in 'words.txt'"}));
  }
  std::filesystem::remove(folder.path("words.txt"));
  EXPECT_EQ(guess("5"), (Calls{"readEntry", "addLine Error opening 'words.txt' for reading"}));
  EXPECT_EQ(view.entry, "5");
}

TEST_F(ControllerTest, PlaysAWholeGame) {
  startGame();
  EXPECT_EQ(guess("paper"),
            (Calls{"readEntry", "addLine   1: PAPER  1/3", "setTopLine 1", "clearEntry"}));
  EXPECT_EQ(guess("12345"),
            (Calls{"readEntry", "addLine   2: 12345  Unknown Word", "setTopLine 2", "clearEntry"}));
  EXPECT_EQ(guess("pape"), Calls{"readEntry"});
  EXPECT_EQ(view.entry, "pape");
  EXPECT_EQ(guess("Apple"), join({"readEntry", "addLine   3: APPLE  5/0", "setTopLine 3",
                                  "clearEntry", "addLine Well done, word guessed!", "setTopLine 4"},
                                 FINISHED));
  EXPECT_EQ(guess("APPLE"), Calls{"readEntry"});
  EXPECT_TRUE(press(&GameController::onConcede).empty());
}

TEST_F(ControllerTest, ConcedeRevealsTheWordAndKeepsTheEntry) {
  startGame();
  EXPECT_EQ(press(&GameController::onConcede),
            join({"addLine The word was APPLE", "setTopLine 0"}, FINISHED));
}

TEST_F(ControllerTest, NewGameDropsTheGameWithoutRevealingIt) {
  startGame();
  guess("PAPER");
  EXPECT_EQ(press(&GameController::onNewGame),
            join({"clearLines", "addLine How many letters (4-10)?"}, ASKING));
  ASSERT_EQ(guess("6").back(), "clearEntry");
  EXPECT_EQ(guess("banana")[1], "addLine   1: BANANA  Unknown Word");
}

}  // namespace
