// The game's dialog driven through the Win32 calls alone: made modeless from template IDD_MAIN,
// sent commands, and read back through its controls; its message boxes are read and closed from a
// timer. The same source runs against the stand-in and against the real user32.
#include "app/glyphwise.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/resource.h"
#include "dictionary/diskdict.h"
#include "resfile/resfile.h"
#include "support/ascii.h"
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

// The lines of the dialog's list from line `first` on.
std::vector<std::string> linesOf(HWND dialog, size_t first = 0) {
  std::vector<std::string> all;
  char line[256] = "";
  while (SendDlgItemMessageA(dialog, IDC_HISTORY, LB_GETTEXT, first + all.size(),
                             reinterpret_cast<LPARAM>(line)) != LB_ERR)
    all.emplace_back(line);
  return all;
}

// A temporary working folder with a words file whose every pick is APPLE, and the dialog's
// dictionary, which knows APPLE and PAPER.
class GameFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.enter();
    folder.write("words.txt", "A\nAPPLE\nAPPLE\n");
    ASSERT_TRUE(
        dictionary.open(cString(folder.write("known.txt", "APPLE\nPAPER\n").c_str()), nullptr));
    SetProgramValues(GetModuleHandleA(nullptr), &dictionary);
  }

  TempFolder folder;
  DiskDictionary dictionary;
};

class DialogTest : public GameFiles {
 protected:
  void SetUp() override {
    GameFiles::SetUp();
    // A box while the dialog starts (its icon not loaded) is closed, rather than waited on.
    EXPECT_EQ(boxShownBy([this] {
                dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                            MainDialogProc, 0);
              }),
              Box());
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

  std::vector<std::string> lines(size_t first = 0) { return linesOf(dialog, first); }

  // Which of Guess, New Game, Concede, About, Help and Exit are enabled, as a string of 0 and 1.
  std::string enabledButtons() {
    std::string result;
    for (int id : {IDC_GUESS, IDC_NEW_GAME, IDC_CONCEDE, IDC_ABOUT, IDC_HELP_BUTTON, IDC_EXIT})
      result += IsWindowEnabled(control(id)) ? '1' : '0';
    return result;
  }

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

// Every control is where the template puts it, in the dialog's own units: GetWindowRect from the
// dialog's client origin against its place and size in pixels (MapDialogRect maps each value).
TEST_F(DialogTest, PlacesEveryControlWhereTheTemplateSays) {
  std::ifstream in(GLYPHWISE_RES, std::ios::binary);
  const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
  std::vector<resfile::ResourceEntry> entries;
  resfile::DialogTemplate main;
  ASSERT_TRUE(resfile::readResourceFile(bytes.data(), bytes.size(), &entries, nullptr));
  const resfile::ResourceEntry* entry = resfile::findResource(entries, 5, IDD_MAIN);  // RT_DIALOG
  ASSERT_TRUE(entry && resfile::parseDialogTemplate(entry->data, &main, nullptr));
  POINT origin = {0, 0};
  ASSERT_TRUE(ClientToScreen(dialog, &origin));
  for (const resfile::DialogItem& item : main.items) {
    RECT place = {item.x, item.y, item.cx, item.cy}, actual;
    ASSERT_TRUE(MapDialogRect(dialog, &place));
    ASSERT_TRUE(GetWindowRect(control(item.id), &actual)) << item.id;
    EXPECT_EQ((std::vector<LONG>{actual.left - origin.x, actual.top - origin.y,
                                 actual.right - actual.left, actual.bottom - actual.top}),
              (std::vector<LONG>{place.left, place.top, place.right, place.bottom}))
        << item.id;
  }
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

// Input as a player gives it, queued for the loop that runs: `keys` typed, the last one with
// `modifier` held (0: none); letters and digits by their keys, and \n Enter, \x1b Escape.
void typeKeys(const char* keys, WORD modifier) {
  std::vector<INPUT> inputs;
  auto key = [&inputs](WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (const char* c = keys; *c; ++c) {
    WORD virtualKey = *c == '\n' ? VK_RETURN : *c == '\x1b' ? VK_ESCAPE : asciiUpper(*c);
    if (modifier && c[1] == '\0') key(modifier, 0);
    key(virtualKey, 0);
    key(virtualKey, KEYEVENTF_KEYUP);
    if (modifier && c[1] == '\0') key(modifier, KEYEVENTF_KEYUP);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A click of the left button in the middle of `window`; each half of it carries its place.
void click(HWND window) {
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window, &rect));
  // The middle of the pixel, in the 65536 steps of the screen's width and height.
  auto step = [](LONG pixel, int screen) { return (pixel * 65536 + 32768) / screen; };
  INPUT inputs[2] = {};
  const DWORD buttons[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dx = step((rect.left + rect.right) / 2, GetSystemMetrics(SM_CXSCREEN));
    inputs[i].mi.dy = step((rect.top + rect.bottom) / 2, GetSystemMetrics(SM_CYSCREEN));
    inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons[i];
  }
  SendInput(2, inputs, sizeof(INPUT));
}

// One step of a game played with keys and clicks, and what the dialog shows after it.
struct Step {
  int give;          // the control given the focus first: the list by a click, others by SetFocus
                     // (IDD_MAIN: the dialog itself); 0: none
  const char* keys;  // as typeKeys takes them
  WORD modifier;     // held for the last key (0: none)
  std::vector<std::string> lines;  // the list afterwards
  int focus;                       // the control that has the focus afterwards
};

// The game played by the timer below, from the dialog's own modal loop: the steps, the next one,
// and the dialog.
const std::vector<Step>* playedSteps;
size_t nextStep;
HWND playedDialog;

INT_PTR CALLBACK playedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) playedDialog = window;
  return MainDialogProc(window, message, wParam, lParam);
}

// Each tick checks the last step and takes the next, once its input has been taken; at the end it
// ends the dialog. A box that comes up (a key that pressed About or Help) fails and is closed.
void CALLBACK playStep(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND top = FindWindowA("#32770", nullptr);
  if (top != playedDialog) {
    ADD_FAILURE() << "a box came up in step " << nextStep << ": " << textOf(top);
    SendMessageA(top, WM_COMMAND, IDOK, 0);
    return;
  }
  if (nextStep > 0) {
    const Step& done = (*playedSteps)[nextStep - 1];
    EXPECT_EQ(linesOf(playedDialog), done.lines) << "step " << nextStep - 1;
    EXPECT_EQ(GetFocus(), GetDlgItem(playedDialog, done.focus)) << "step " << nextStep - 1;
  }
  if (nextStep == playedSteps->size()) {
    KillTimer(nullptr, timer);
    EndDialog(playedDialog, 0);
    return;
  }
  const Step& step = (*playedSteps)[nextStep++];
  HWND given = step.give == IDD_MAIN ? playedDialog : GetDlgItem(playedDialog, step.give);
  if (step.give == IDC_HISTORY) {
    click(given);
  } else if (given != nullptr) {
    SetFocus(given);
  }
  typeKeys(step.keys, step.modifier);
}

using KeyboardTest = GameFiles;

// As on Windows: SetFocus on the dialog focuses its first tab stop; a click gives the list the
// focus, and letters typed there press no button (x: Exit, c: Concede, n: New Game, a and h: the
// boxes), while Alt with a button's letter presses it from any control, and a plain letter
// presses it from a button; Shift or Ctrl with Enter presses Guess, the default button, and with
// Escape is Escape, which the game ignores.
TEST_F(KeyboardTest, KeysAndClicksActAsOnWindows) {
  const std::vector<std::string> start = {
      "GlyphWise V1.0", "Copyright (C) 2026 The Glyphwise Authors", "", "How many letters (4-10)?"};
  const std::vector<std::string> asked = {"How many letters (4-10)?"};
  const std::vector<std::string> counted = {"The word has 5 letters; guess away!"};
  const std::vector<std::string> guessed = {counted[0], "  1: PAPER  1/3"};
  const std::vector<Step> steps = {
      {IDC_EXIT, "", 0, start, IDC_EXIT},
      {IDD_MAIN, "", 0, start, IDC_ENTRY},
      {0, "5\n", VK_SHIFT, counted, IDC_ENTRY},
      {IDC_HISTORY, "xcnah", 0, counted, IDC_HISTORY},
      {0, "n", VK_MENU, asked, IDC_ENTRY},
      {0, "5\n", VK_CONTROL, counted, IDC_ENTRY},
      {0, "paper\n", 0, guessed, IDC_ENTRY},
      {0, "\x1b", VK_SHIFT, guessed, IDC_ENTRY},
      {0, "\x1b", VK_CONTROL, guessed, IDC_ENTRY},
      {IDC_CONCEDE, "c", 0, {guessed[0], guessed[1], "The word was APPLE"}, IDC_ENTRY},
  };
  playedSteps = &steps;
  nextStep = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, playStep);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, playedDialogProc, 0), 0);
  KillTimer(nullptr, timer);
  EXPECT_EQ(nextStep, steps.size()) << "the dialog ended before its last step";
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
