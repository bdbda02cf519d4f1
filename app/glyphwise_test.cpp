// The game's dialog driven through the Win32 calls alone: made modeless from template IDD_MAIN,
// sent commands, and read back through its controls; its message boxes are read and closed from a
// timer. The same source runs against the stand-in and against the real user32.
#include "app/glyphwise.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/resource.h"
#include "dictionary/diskdict.h"
#include "support/assert.h"
#include "testing/tempfolder.h"

namespace {

// A message box as the timer below saw it: its caption and its text.
using Box = std::pair<std::string, std::string>;
Box seenBox;

std::string textOf(HWND window) {
  char text[1024] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// Runs in the box's own loop: reads the topmost dialog, the box, stops the timer and presses OK.
// Finding the box by caption instead would leave a box with a wrong caption up for ever.
void CALLBACK readAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", nullptr);
  seenBox = {textOf(box), textOf(GetDlgItem(box, 0xFFFF))};  // a box's text is its static 0xFFFF
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
    folder.write("words.txt", "A\nAPPLE\nAPPLE\n");  // every pick is APPLE
    ASSERT_TRUE(
        dictionary.open(cString(folder.write("known.txt", "APPLE\nPAPER\n").c_str()), nullptr));
    SetProgramValues(GetModuleHandleA(nullptr), &dictionary);
    dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND control(int id) { return GetDlgItem(dialog, id); }
  LRESULT send(int id, UINT message, WPARAM wParam = 0, const void* data = nullptr) {
    return SendDlgItemMessageA(dialog, id, message, wParam, reinterpret_cast<LPARAM>(data));
  }

  // Puts `typed` in the entry, then focuses button `id` and sends its command, as a click would.
  void press(int id, const char* typed = "") {
    send(IDC_ENTRY, WM_SETTEXT, 0, typed);
    SetFocus(control(id));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(id)));
  }

  // The lines of the list from line `first` on.
  std::vector<std::string> lines(size_t first = 0) {
    std::vector<std::string> all;
    char line[256] = "";
    while (send(IDC_HISTORY, LB_GETTEXT, first + all.size(), line) != LB_ERR)
      all.emplace_back(line);
    return all;
  }

  // Which of Guess, New Game, Concede, About, Help and Exit are enabled, as a string of 0 and 1.
  std::string enabledButtons() {
    std::string result;
    for (int id : {IDC_GUESS, IDC_NEW_GAME, IDC_CONCEDE, IDC_ABOUT, IDC_HELP_BUTTON, IDC_EXIT})
      result += IsWindowEnabled(control(id)) ? '1' : '0';
    return result;
  }

  TempFolder folder;
  DiskDictionary dictionary;
  HWND dialog = nullptr;
};

// From the start through a won game, New Game and a conceded one; every command gives the focus
// back to the entry and empties it.
TEST_F(DialogTest, PlaysGamesWithTheFocusBackInTheEntry) {
  const std::vector<std::string> start = {
      "GlyphWise V1.0", "Copyright (C) 2026 The Glyphwise Authors", "", "How many letters (4-10)?"};
  struct Row {
    int button;                      // 0: none, the dialog as it starts
    const char* typed;               // before the button is pressed
    size_t first;                    // the first line checked
    std::vector<std::string> shown;  // the lines of the list from it on
    const char* enabled;             // the buttons enabled, as enabledButtons() gives them
  };
  const Row rows[] = {
      {0, "", 0, start, "100111"},
      {IDC_GUESS, "5", 0, {"The word has 5 letters; guess away!"}, "111111"},
      {IDC_GUESS, "paper", 1, {"  1: PAPER  1/3"}, "111111"},
      {IDC_GUESS, "apple", 2, {"  2: APPLE  5/0", "Well done, word guessed!"}, "010111"},
      {IDC_NEW_GAME, "", 0, {"How many letters (4-10)?"}, "100111"},
      {IDC_GUESS, "5", 0, {"The word has 5 letters; guess away!"}, "111111"},
      {IDC_CONCEDE, "", 1, {"The word was APPLE"}, "010111"},
  };
  for (const Row& row : rows) {
    if (row.button != 0) press(row.button, row.typed);
    EXPECT_EQ(lines(row.first), row.shown) << row.typed;
    EXPECT_EQ(textOf(control(IDC_ENTRY)), "") << row.typed;
    EXPECT_EQ(enabledButtons(), row.enabled) << row.typed;
    EXPECT_EQ(GetFocus(), control(IDC_ENTRY)) << row.button;
  }
}

TEST_F(DialogTest, AboutAndHelpShowTheirBoxesAndGiveTheFocusBack) {
  struct Row {
    int button;
    const char* text;  // the box's text; its caption is the title
  };
  const Row rows[] = {
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
  for (const Row& row : rows) {
    EXPECT_EQ(boxShownBy([&] { press(row.button); }), Box("GlyphWise V1.0", row.text));
    EXPECT_EQ(GetFocus(), control(IDC_ENTRY)) << row.button;
  }
}

TEST(DialogStartTest, WithoutTheWordsFileShowsTheErrorAndReturnsOne) {
  TempFolder folder;
  folder.enter();
  EXPECT_EQ(boxShownBy([] {
              EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL), 1);
            }),
            Box("GlyphWise V1.0", "Error opening 'words.txt' for reading"));
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
  EXPECT_EQ(std::make_pair(placement.rcNormalPosition.left, placement.rcNormalPosition.top),
            std::make_pair(centred.left, centred.top));
}

// Commands without a control (lParam 0, such as Escape) and notifications of the list and the
// entry are not the dialog's to act on.
TEST_F(DialogTest, CommandsOtherThanButtonClicksAreIgnored) {
  // Commands sent without a control are taken (TRUE) and ignored; the entry's notifications are
  // left to the dialog manager (FALSE).
  struct Row {
    int id, code;
  };
  const Row rows[] = {
      {IDC_GUESS, BN_CLICKED},
      {IDCANCEL, BN_CLICKED},
      {IDC_ENTRY, EN_CHANGE},
  };
  for (const Row& row : rows) {
    send(IDC_ENTRY, WM_SETTEXT, 0, "5");
    LPARAM from = row.code == BN_CLICKED ? 0 : reinterpret_cast<LPARAM>(control(row.id));
    INT_PTR result = MainDialogProc(dialog, WM_COMMAND, MAKEWPARAM(row.id, row.code), from);
    EXPECT_EQ(result, from ? FALSE : TRUE) << row.id;
    EXPECT_EQ(lines().size(), 4u) << row.id;
    EXPECT_EQ(textOf(control(IDC_ENTRY)), "5") << row.id;
  }
}

// Line 0 tells the letter count and line n is guess n; the list follows the newest guess, from
// the first that does not fit.
TEST_F(DialogTest, ScrollsToTheNewestGuessAndNumbersGuessesUpTo100) {
  press(IDC_GUESS, "5");
  for (int i = 1; i <= 100; ++i) {
    press(IDC_GUESS, "ZZZZZ");
    LRESULT top = send(IDC_HISTORY, LB_GETTOPINDEX);
    EXPECT_TRUE(top <= i && (i > 3 || top == 0)) << i << ": " << top;
  }
  EXPECT_GT(send(IDC_HISTORY, LB_GETTOPINDEX), 80);
  EXPECT_EQ(lines(10).at(0), " 10: ZZZZZ  Unknown Word");
  EXPECT_EQ(lines(100), std::vector<std::string>{"100: ZZZZZ  Unknown Word"});
}

TEST(CentreRectTest, CentresWithTruncatedHalves) {
  struct Row {
    LONG width, height, left, top;  // the left and top on a screen of 1024 x 768
  };
  const Row rows[] = {
      {500, 400, 262, 184},
      {1025, 400, 0, 184},
      {1027, 769, -1, 0},
      {1, 1, 511, 383},
  };
  for (const Row& row : rows) {
    RECT r{7, 9, 7 + row.width, 9 + row.height};
    CentreRect(&r, 1024, 768);
    EXPECT_EQ((std::vector<LONG>{r.right - r.left, r.bottom - r.top, r.left, r.top}),
              (std::vector<LONG>{row.width, row.height, row.left, row.top}));
  }
}

}  // namespace
