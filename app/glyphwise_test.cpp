// The game's dialog driven through the Win32 calls alone: made modeless from template IDD_MAIN,
// sent commands, and read back through its controls; its message boxes are read and closed from a
// timer. The same source runs against the stand-in and against the real user32.
#include "app/glyphwise.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/resource.h"
#include "dictionary/diskdict.h"
#include "support/assert.h"
#include "support/tempfolder.h"

namespace {

// A message box as the timer below saw it: its caption and its text.
using Box = std::pair<std::string, std::string>;
Box seenBox;

// Runs in the box's own loop: reads the topmost dialog, the box, stops the timer and presses OK.
// Finding the box by caption instead would leave a box with a wrong caption up for ever.
void CALLBACK readAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", nullptr);
  if (box == nullptr) return;
  char text[1024] = "";
  SendMessageA(box, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  seenBox.first = text;
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // a box's text is its static 0xFFFF
  seenBox.second = text;
  KillTimer(nullptr, timer);
  SendMessageA(box, WM_COMMAND, IDOK, 0);
}

// Runs `show`, which is to bring up a box, and returns that box as seen (empty if none came).
template <class Show>
Box boxShownBy(Show show) {
  seenBox = {};
  UINT_PTR timer = SetTimer(nullptr, 0, 20, readAndCloseBox);
  show();
  KillTimer(nullptr, timer);
  return seenBox;
}

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

  // Sends the command of button `id`, as a click on it would.
  void press(int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(id)));
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

TEST_F(DialogTest, AboutAndHelpShowTheirBoxesAndGiveTheFocusBack) {
  const struct {
    int button;
    const char* text;
  } rows[] = {
      {IDC_ABOUT,
       "GlyphWise V1.0\nCopyright (C) 2026 The Glyphwise Authors\n\nGame Concept: The Glyphwise "
       "Authors\nProgramming: The Glyphwise Authors\n\nGlyphwise is free to play and to share.\n\n"
       "If you use it, I'd love to hear from you.\n\nemail: authors@example.org\nor "
       "glyphwise@example.org\nsnail: The Glyphwise Authors, 1 Example Lane, Exampleton EX1 2MP\n"},
      {IDC_HELP_BUTTON,
       "Glyphwise is a word game for one player, in which the computer\nthinks of a word and you "
       "try to find it. The object is to guess\nthe word in as few tries as possible.\n\nFor each "
       "guess, you will be given a score like 2/3.\nThis tells you that you have got 2 correct "
       "letters\nin the right spots, and 3 correct letters in the\nwrong spots, but you will need "
       "to figure out which\nletters are which.\n\nEach guess that you make must be a real word in "
       "the\ndictionary, entering an unknown word will count as a\nguess, but you won't get a "
       "score for the guess."},
  };
  for (const auto& row : rows) {
    SetFocus(control(row.button));
    EXPECT_EQ(boxShownBy([&] { press(row.button); }), Box("GlyphWise V1.0", row.text));
    EXPECT_EQ(GetFocus(), control(IDC_ENTRY)) << row.button;
  }
}

TEST(DialogStartTest, WithoutTheWordsFileShowsTheErrorAndReturnsOne) {
  TempFolder folder;
  folder.enter();
  char commandLine[] = "";
  int result = 0;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  EXPECT_EQ(boxShownBy([&] { result = WinMain(instance, nullptr, commandLine, SW_SHOWNORMAL); }),
            Box("GlyphWise V1.0", "Error opening 'words.txt' for reading"));
  EXPECT_EQ(result, 1);
  setAssertReporter(nullptr);  // WinMain's boxes would wait for a click that no test gives
}

TEST_F(DialogTest, SetsItsIconsAndCentresItselfOnTheScreen) {
  auto icon = reinterpret_cast<LRESULT>(LoadIconA(GetModuleHandleA(nullptr), "ID_APP"));
  ASSERT_NE(icon, 0);
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), icon);
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), icon);
  EXPECT_EQ(static_cast<LRESULT>(GetClassLongPtrA(dialog, GCLP_HICON)), icon);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(dialog, &placement));
  RECT centred = placement.rcNormalPosition;
  CentreRect(&centred, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(placement.rcNormalPosition.left, centred.left);
  EXPECT_EQ(placement.rcNormalPosition.top, centred.top);
}

// Commands without a control (lParam 0, such as Escape) and notifications of the list and the
// entry are not the dialog's to act on.
TEST_F(DialogTest, CommandsOtherThanButtonClicksAreIgnored) {
  // id, notification code, sent from the control of that id or without a control, result
  const std::tuple<int, WORD, bool, INT_PTR> rows[] = {{IDC_GUESS, BN_CLICKED, false, TRUE},
                                                       {IDCANCEL, BN_CLICKED, false, TRUE},
                                                       {IDC_EXIT, BN_CLICKED, false, TRUE},
                                                       {IDC_HISTORY, LBN_SELCHANGE, true, FALSE},
                                                       {IDC_ENTRY, EN_CHANGE, true, FALSE}};
  for (const auto& [id, code, fromControl, result] : rows) {
    SendDlgItemMessageA(dialog, IDC_ENTRY, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5"));
    LPARAM from = fromControl ? reinterpret_cast<LPARAM>(control(id)) : 0;
    EXPECT_EQ(MainDialogProc(dialog, WM_COMMAND, MAKEWPARAM(id, code), from), result) << id;
    EXPECT_EQ(lines().size(), 4u) << id;
    EXPECT_EQ(entry(), "5") << id;
    EXPECT_TRUE(IsWindowVisible(dialog)) << id;
  }
}

TEST_F(DialogTest, ScrollsToTheNewestGuessAndNumbersGuessesUpTo100) {
  guess("5");
  for (int i = 1; i <= 100; ++i) {
    guess("ZZZZZ");
    LRESULT top = SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETTOPINDEX, 0, 0);
    EXPECT_LE(top, i) << i;
    if (i <= 3) {
      EXPECT_EQ(top, 0) << i;
    }
  }
  EXPECT_GT(SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETTOPINDEX, 0, 0), 80);
  const std::vector<std::string> all = lines();  // line 0 tells the letter count, n is guess n
  EXPECT_EQ(all.at(10), " 10: ZZZZZ  Unknown Word");
  EXPECT_EQ(all.at(100), "100: ZZZZZ  Unknown Word");
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
