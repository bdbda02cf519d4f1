// The game's dialog driven through the Win32 calls alone: made modeless from template IDD_MAIN,
// sent commands, and read back through its controls. The same source runs against the stand-in
// and against the real user32.
#include "app/glyphwise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resource.h"
#include "dictionary/diskdict.h"
#include "support/tempfolder.h"

namespace {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.enter();
    folder.write("words.txt", "A\nAPPLE\nAPPLE\n");
    ASSERT_TRUE(
        dictionary.open(cString(folder.write("known.txt", "APPLE\nPAPER\n").c_str()), nullptr));
    HINSTANCE instance = GetModuleHandleA(nullptr);
    SetProgramValues(instance, &dictionary);
    dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND control(int id) { return GetDlgItem(dialog, id); }

  // Sends the command of button `id`, as a click on it would; `lParam` 0 is what a key without
  // a control (such as Escape) sends.
  void press(int id, bool fromButton = true) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 fromButton ? reinterpret_cast<LPARAM>(control(id)) : 0);
  }

  void guess(const char* text) {
    SendDlgItemMessageA(dialog, IDC_ENTRY, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    press(IDC_GUESS);
  }

  std::vector<std::string> lines() {
    std::vector<std::string> result;
    LRESULT count = SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
      char line[256] = "";
      SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
      result.emplace_back(line);
    }
    return result;
  }

  std::string entry() {
    char text[256] = "";
    SendDlgItemMessageA(dialog, IDC_ENTRY, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
  }

  // Which of Guess, New Game, Concede, About, Help and Exit are enabled, as a string of 0 and 1.
  std::string enabledButtons() {
    std::string result;
    for (int id : {IDC_GUESS, IDC_NEW_GAME, IDC_CONCEDE, IDC_ABOUT, IDC_HELP_BUTTON, IDC_EXIT}) {
      result += IsWindowEnabled(control(id)) ? '1' : '0';
    }
    return result;
  }

  TempFolder folder;
  DiskDictionary dictionary;
  HWND dialog = nullptr;
};

TEST_F(DialogTest, StartsAskingForTheLetterCount) {
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"GlyphWise V1.0", "Copyright (C) 2026 The Glyphwise Authors",
                                      "", "How many letters (4-10)?"}));
  EXPECT_EQ(enabledButtons(), "100111");
  EXPECT_EQ(GetFocus(), control(IDC_ENTRY));
}

TEST_F(DialogTest, PlaysAWholeGameWithTheFocusBackInTheEntry) {
  const struct {
    const char* typed;
    std::vector<std::string> lastLines;
    const char* buttons;
  } rows[] = {
      {"5", {"The word has 5 letters; guess away!"}, "111111"},
      {"paper", {"  1: PAPER  1/3"}, "111111"},
      {"12345", {"  2: 12345  Unknown Word"}, "111111"},
      {"apple", {"  3: APPLE  5/0", "Well done, word guessed!"}, "010111"},
  };
  for (const auto& row : rows) {
    SetFocus(control(IDC_GUESS));
    guess(row.typed);
    std::vector<std::string> all = lines();
    std::vector<std::string> last(all.end() - static_cast<long>(row.lastLines.size()), all.end());
    EXPECT_EQ(last, row.lastLines) << row.typed;
    EXPECT_EQ(entry(), "") << row.typed;
    EXPECT_EQ(enabledButtons(), row.buttons) << row.typed;
    EXPECT_EQ(GetFocus(), control(IDC_ENTRY)) << row.typed;
  }
  EXPECT_EQ(lines().size(), 5u);
  SetFocus(control(IDC_NEW_GAME));
  press(IDC_NEW_GAME);
  EXPECT_EQ(lines(), std::vector<std::string>{"How many letters (4-10)?"});
  EXPECT_EQ(enabledButtons(), "100111");
  EXPECT_EQ(GetFocus(), control(IDC_ENTRY));
}

TEST_F(DialogTest, ConcedeRevealsTheWord) {
  guess("5");
  SetFocus(control(IDC_CONCEDE));
  press(IDC_CONCEDE);
  EXPECT_EQ(lines().back(), "The word was APPLE");
  EXPECT_EQ(enabledButtons(), "010111");
  EXPECT_EQ(GetFocus(), control(IDC_ENTRY));
}

TEST_F(DialogTest, CommandsWithoutAControlAreIgnored) {
  for (int id : {IDC_GUESS, IDCANCEL, IDC_EXIT}) {
    SendDlgItemMessageA(dialog, IDC_ENTRY, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5"));
    press(id, false);
    EXPECT_EQ(lines().size(), 4u) << id;
    EXPECT_EQ(entry(), "5") << id;
    EXPECT_TRUE(IsWindowVisible(dialog)) << id;
  }
}

TEST_F(DialogTest, ScrollsToTheNewestGuess) {
  guess("5");
  for (int i = 1; i <= 40; ++i) {
    guess("ZZZZZ");
    LRESULT top = SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETTOPINDEX, 0, 0);
    EXPECT_LE(top, i) << i;
    if (i <= 3) {
      EXPECT_EQ(top, 0) << i;
    }
  }
  EXPECT_GT(SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETTOPINDEX, 0, 0), 20);
}

TEST(CentreRectTest, CentresWithTruncatedHalves) {
  const struct {
    LONG width;
    LONG height;
    LONG left;
    LONG top;
  } rows[] = {{500, 400, 262, 184}, {1025, 400, 0, 184}, {1027, 769, -1, 0}, {1, 1, 511, 383}};
  for (const auto& row : rows) {
    RECT rect{7, 9, 7 + row.width, 9 + row.height};
    CentreRect(&rect, 1024, 768);
    EXPECT_EQ(rect.left, row.left) << row.width;
    EXPECT_EQ(rect.top, row.top) << row.height;
    EXPECT_EQ(rect.right - rect.left, row.width);
    EXPECT_EQ(rect.bottom - rect.top, row.height);
  }
}

}  // namespace
