// The game's rules and controller, driven through a recording view and an in-memory dictionary,
// with the secret word picked from small words files made in a temporary working folder.
#include "app/game.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/clock.h"
#include "support/tempfolder.h"

namespace {

// Records every call the controller makes, in order, and holds the entry's text.
class RecordingView : public GameView {
 public:
  std::vector<std::string> calls;
  std::vector<std::string> lines;
  std::string entry;

  void addLine(const char* text) override {
    calls.push_back(std::string("addLine ") + text);
    lines.emplace_back(text);
  }
  void clearLines() override {
    calls.push_back("clearLines");
    lines.clear();
  }
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
class SetDictionary : public Dictionary {
 public:
  explicit SetDictionary(std::set<std::string> words) : _words(std::move(words)) {}
  bool open(const cString&, cString*) override { return true; }
  bool contains(const char* word) override { return _words.count(word) != 0; }

 private:
  std::set<std::string> _words;
};

const std::vector<std::string> ASKING = {"enable Guess on", "enable NewGame off",
                                         "enable Concede off"};
const std::vector<std::string> PLAYING = {"enable Guess on", "enable NewGame on",
                                          "enable Concede on"};
const std::vector<std::string> FINISHED = {"enable Guess off", "enable NewGame on",
                                           "enable Concede off"};

std::vector<std::string> join(std::vector<std::string> first,
                              const std::vector<std::string>& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

// ---- Scoring ----

TEST(ScoreGuessTest, CountsEachLetterOfTheWordOnce) {
  struct Row {
    const char* word;
    const char* guess;
    int right;
    int wrong;
    bool won;
  };
  const Row rows[] = {
      {"APPLE", "PAPER", 1, 3, false}, {"ROBOT", "FLOOR", 1, 2, false},
      {"CRANE", "EERIE", 1, 1, false}, {"HELLO", "HOLLY", 3, 1, false},
      {"HELLO", "LLAMA", 0, 2, false}, {"HOUSE", "SHOES", 0, 4, false},
      {"ABC", "ABCDE", 3, 0, false},   {"ABC", "CABCA", 0, 3, false},
      {"ABCDE", "EDC", 1, 2, false},   {"ABCDE", "*****", 0, 0, false},
      {"APPLE", "apple", 5, 0, true},  {"error", "ERROR", 5, 0, true},
      {"error", "EROOR", 0, 0, false},
  };
  for (const Row& row : rows) {
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

// ---- Picking ----

class PickTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.enter(); }
  void TearDown() override { releaseClock(); }

  // Picks with the clock fixed at `seconds`; the standard output of the pick goes to `printed`.
  bool pick(const std::string& words, int letterCount, std::int64_t seconds) {
    folder.write("words.txt", words);
    fixClock(seconds);
    ::testing::internal::CaptureStdout();
    bool picked = PickSecretWord(letterCount, word);
    printed = ::testing::internal::GetCapturedStdout();
    return picked;
  }

  TempFolder folder;
  char word[GAME_TEXT_SIZE] = {};
  std::string printed;
};

TEST_F(PickTest, TakesTheWordAfterTheLineTheDrawsLandIn) {
  // Seed 1 draws 346 and 130: (130 * 65536 + 346) % 60 = 26, inside the fifth line, so the pick
  // is the sixth word.
  std::string words = "AAAAA\nBBBBB\nCCCCC\nDDDDD\nEEEEE\nFFFFF\nGGGGG\nHHHHH\nIIIII\nJJJJJ\n";
  ASSERT_TRUE(pick(words, 5, 1));
  EXPECT_STREQ(word, "FFFFF");
  EXPECT_EQ(printed, "Words file is 60 bytes long\n");
}

TEST_F(PickTest, TakesTheOnlyWordAnyDrawCanReach) {
  struct Row {
    const char* words;
    const char* expected;
  };
  const Row rows[] = {
      {"APPLE\nAB\nBERRY\n", "BERRY"},          // the first line is skipped at every offset
      {"A\nBERRY", "BERRY"},                    // an unended last line at the end of the file
      {"A\r\nAB\r\nBERRY\r\nCD\r\n", "BERRY"},  // CR LF line ends
      {"APPLE\nAB\nABC\n", "APPLE"},            // only on the first line: the final pass
  };
  for (const Row& row : rows) {
    for (std::int64_t seconds = 0; seconds < 100; ++seconds) {
      ASSERT_TRUE(pick(row.words, 5, seconds));
      ASSERT_STREQ(word, row.expected) << row.words << " at " << seconds;
    }
  }
}

TEST_F(PickTest, NeverTakesALineCutByTheChunkEnd) {
  // At clock 138 the first draws give offset 360, whose 2047 characters end with "APPLE" of the
  // line "APPLEX": that piece must be passed over, leaving BERRY as the only five-letter word.
  std::string words = "X\n";
  for (int i = 0; i < 600; ++i) words += "ABC\n";
  words += "APPLEX\n";
  for (int i = 0; i < 10; ++i) words += "ABC\n";
  words += "BERRY\n";
  ASSERT_EQ(words.find("APPLEX") + 5 - 2047, 360u);
  ASSERT_TRUE(pick(words, 5, 138));
  EXPECT_STREQ(word, "BERRY");
}

TEST_F(PickTest, GivesUpWhenNoWordFits) {
  struct Row {
    const char* words;
    int letterCount;
    const char* printed;
  };
  const Row rows[] = {
      {"", 5, "Words file is 0 bytes long\n"},
      {"A\nAB\nABCD\n", 5, "Words file is 10 bytes long\n"},
      {"A\nABCDE", 11, "Words file is 7 bytes long\n"},
  };
  for (const Row& row : rows) {
    EXPECT_FALSE(pick(row.words, row.letterCount, 3)) << row.words;
    EXPECT_STREQ(word, "error");
    EXPECT_EQ(printed, row.printed);
  }
}

TEST_F(PickTest, MissingFileGivesErrorAndPrintsNothing) {
  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(PickSecretWord(5, word));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_STREQ(word, "error");
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
  std::vector<std::string> guess(const std::string& text) {
    view.entry = text;
    view.calls.clear();
    ::testing::internal::CaptureStdout();
    controller.onGuess();
    ::testing::internal::GetCapturedStdout();
    return view.calls;
  }

  void startGame() {
    controller.start();
    ASSERT_EQ(guess("5").back(), "clearEntry");
  }

  TempFolder folder;
  RecordingView view;
  SetDictionary dictionary{{"APPLE", "PAPER", "ERROR"}};
  GameController controller{dictionary, view};
};

TEST_F(ControllerTest, StartSetsTheButtonsThenWritesTheStartLines) {
  controller.start();
  EXPECT_EQ(view.calls, join(ASKING, {"clearLines", "addLine GlyphWise V1.0",
                                      "addLine Copyright (C) 2026 The Glyphwise Authors",
                                      "addLine ", "addLine How many letters (4-10)?"}));
}

TEST_F(ControllerTest, IgnoresCountsOutsideFourToTen) {
  controller.start();
  for (const char* text : {"3", "11", "abc", "", "-5", "0x5", "4294967307"}) {
    EXPECT_EQ(guess(text), std::vector<std::string>{"readEntry"}) << text;
    EXPECT_EQ(view.entry, text);
  }
}

TEST_F(ControllerTest, AcceptsCountsReadLikeAtoi) {
  struct Row {
    const char* text;
    int count;
  };
  const Row rows[] = {{"5", 5}, {" 5", 5}, {"5x", 5}, {"6 letters", 6}, {"+6", 6}};
  for (const Row& row : rows) {
    controller.start();
    EXPECT_EQ(guess(row.text),
              join({"readEntry", "setEntryLimit " + std::to_string(row.count), "clearLines",
                    "addLine The word has " + std::to_string(row.count) + " letters; guess away!"},
                   join(PLAYING, {"clearEntry"})))
        << row.text;
    EXPECT_EQ(view.lines.size(), 1u);
  }
}

TEST_F(ControllerTest, TellsWhyNoGameCouldStart) {
  controller.start();
  EXPECT_EQ(guess("7"), (std::vector<std::string>{"readEntry",
                                                  "addLine No 7-letter word in "
                                                  "'words.txt'"}));
  EXPECT_EQ(view.entry, "7");
  std::filesystem::remove(folder.path("words.txt"));
  EXPECT_EQ(guess("5"), (std::vector<std::string>{
                            "readEntry", "addLine Error opening 'words.txt' for reading"}));
  EXPECT_EQ(view.entry, "5");
  EXPECT_EQ(view.lines.size(), 6u);
}

TEST_F(ControllerTest, PlaysAWholeGame) {
  startGame();
  EXPECT_EQ(guess("paper"), (std::vector<std::string>{"readEntry", "addLine   1: PAPER  1/3",
                                                      "setTopLine 1", "clearEntry"}));
  EXPECT_EQ(guess("12345"),
            (std::vector<std::string>{"readEntry", "addLine   2: 12345  Unknown Word",
                                      "setTopLine 2", "clearEntry"}));
  EXPECT_EQ(guess("pape"), std::vector<std::string>{"readEntry"});
  EXPECT_EQ(view.entry, "pape");
  EXPECT_EQ(guess("PAPER"), (std::vector<std::string>{"readEntry", "addLine   3: PAPER  1/3",
                                                      "setTopLine 3", "clearEntry"}));
  EXPECT_EQ(guess("Apple"), join({"readEntry", "addLine   4: APPLE  5/0", "setTopLine 4",
                                  "clearEntry", "addLine Well done, word guessed!", "setTopLine 5"},
                                 FINISHED));
  EXPECT_EQ(view.lines.front(), "The word has 5 letters; guess away!");
  EXPECT_EQ(view.lines.size(), 6u);
  EXPECT_EQ(guess("APPLE"), std::vector<std::string>{"readEntry"});
  view.calls.clear();
  controller.onConcede();
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(ControllerTest, ConcedeRevealsTheWordAndKeepsTheEntry) {
  startGame();
  view.entry = "APP";
  view.calls.clear();
  controller.onConcede();
  EXPECT_EQ(view.calls, join({"addLine The word was APPLE", "setTopLine 0"}, FINISHED));
  EXPECT_EQ(view.entry, "APP");
}

TEST_F(ControllerTest, NewGameDropsTheGameWithoutRevealingIt) {
  startGame();
  guess("PAPER");
  view.entry = "APP";
  view.calls.clear();
  controller.onNewGame();
  EXPECT_EQ(view.calls, join({"clearLines", "addLine How many letters (4-10)?"}, ASKING));
  EXPECT_EQ(view.entry, "APP");
  ASSERT_EQ(guess("6").back(), "clearEntry");
  EXPECT_EQ(guess("banana")[1], "addLine   1: BANANA  Unknown Word");
}

}  // namespace
