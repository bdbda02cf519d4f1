// The stand-in's own rules that the game relies on and its dialog test does not reach: dialog
// units, list lines, typing and pasting in the entry, the dialog manager's keys, modal loops and
// message boxes, the embedded .res. Keys go through FLTK's event dispatch (needs an X display).
#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "app/resource.h"
#include "winapi/embeddedres.h"
#include "winapi/fltk/dialog.h"
#include "winapi/toolkit.h"
#include "winapi/winapi.h"

namespace {

// A message the procedure received: WM_COMMAND or WM_CLOSE, its wParam, the control sending it.
struct Received {
  UINT message;
  WPARAM wParam;
  HWND from;

  bool operator==(const Received& o) const {
    return message == o.message && wParam == o.wParam && from == o.from;
  }
};

void PrintTo(const Received& r, std::ostream* out) {
  *out << "{" << r.message << ", " << r.wParam << ", " << r.from << "}";
}

std::vector<Received> received;  // in order
HWND lastDialog = nullptr;

// Records what the dialog manager sends; asks for the default focus and ends on WM_CLOSE.
INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) lastDialog = dialog;
  if (message == WM_COMMAND || message == WM_CLOSE)
    received.push_back({message, wParam, reinterpret_cast<HWND>(lParam)});
  if (message == WM_CLOSE) EndDialog(dialog, 7);
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

Fl_Widget& widgetOf(HWND hwnd) { return *winapi::widgetOf(hwnd); }

// Delivers a key press to the window `window` as FLTK's X11 event handler does.
void pressKey(Fl_Widget& window, int key, int state = 0) {
  static char text[2];
  text[0] = key >= ' ' && key < 0x7F ? static_cast<char>(key) : '\0';
  Fl::e_keysym = key;
  Fl::e_state = state;
  Fl::e_text = text;
  Fl::e_length = text[0] ? 1 : 0;
  Fl::handle(FL_KEYBOARD, window.as_window());
}

class WinapiDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    received.clear();
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND item(int id) { return GetDlgItem(dialog, id); }
  LRESULT send(int id, UINT message, WPARAM wParam, const char* text) {
    return SendDlgItemMessageA(dialog, id, message, wParam, reinterpret_cast<LPARAM>(text));
  }

  HWND dialog = nullptr;
};

// As on Win32: MulDiv rounds halves away from zero, the average character width is half the width
// of the 52 letters over 26, rounded, the 8-point dialog font is 11 pixels at 96 dpi, and a dialog
// unit is a quarter of the base unit across and an eighth of it down (the entry, base units 6, 13).
TEST(WinapiUnitsTest, DialogUnitsBecomePixelsAsInWin32) {
  const winapi::PixelRect entry = winapi::toPixels(7, 131, 171, 14, {6, 13});
  using winapi::mulDiv, winapi::averageCharWidth, winapi::dialogFontSize;
  EXPECT_EQ((std::vector<int>{mulDiv(7, 6, 4), mulDiv(-7, 6, 4), mulDiv(5, 13, 8),
                              averageCharWidth(337), averageCharWidth(338), dialogFontSize(8),
                              entry.x, entry.y, entry.w, entry.h}),
            (std::vector<int>{11, -11, 8, 6, 7, 11, 11, 213, 257, 23}));
}

// The top line stops where the last line is the last one visible. The lines hold FLTK's format
// and column characters, which must change neither their height nor their text.
TEST_F(WinapiDialogTest, TopIndexClampsAndLinesStayLiteral) {
  const char* line = "@l@b large?\t@C1 100% &x @";
  // The index of the last line of a list that scrolls 6 lines: 5 more than the lines it shows.
  const int last = 5 + (widgetOf(item(IDC_HISTORY)).h() - Fl::box_dh(FL_DOWN_BOX)) /
                           winapi::measureBaseUnits(winapi::dialogFontSize(8)).y;
  // The lines in the list, the top index asked for, its result, and the top index then.
  struct Row {
    int lines;
    WPARAM index;
    LRESULT result, top;
  };
  const Row rows[] = {
      {3, 2, 0, 0},                                 // a list that does not scroll
      {last + 1, 6, 0, 6},                          // the last top line there is
      {last + 1, 7, 0, 6},                          // past it
      {last + 1, static_cast<WPARAM>(last), 0, 6},  // the last line
      {0, 0, LB_ERR, 0},                            // no line at all
      {last + 1, last + 1u, LB_ERR, 0},             // past the last line
  };
  for (const auto& [lines, index, result, top] : rows) {
    send(IDC_HISTORY, LB_RESETCONTENT, 0, nullptr);
    for (int i = 0; i < lines; ++i) EXPECT_EQ(send(IDC_HISTORY, LB_ADDSTRING, 0, line), i);
    EXPECT_EQ(send(IDC_HISTORY, LB_SETTOPINDEX, index, nullptr), result) << index;
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTOPINDEX, 0, nullptr), top) << index;
    char text[64] = "untouched";  // LB_ERR when asking past the end, and nothing copied
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXT, index, text) == LB_ERR, result == LB_ERR) << index;
    EXPECT_STREQ(text, result == LB_ERR ? "untouched" : line);
  }
}

// The entry (focused from the start: the first tab stop) upper-cases and limits what is typed or
// pasted, counting the bytes already in it and cutting at a whole character; a paste keeps its
// first line. WM_GETTEXT gives whole characters.
TEST_F(WinapiDialogTest, EntryUpperCasesAndLimitsTypedAndPastedText) {
  // The limit, the text set, then typed, then pasted, what the entry holds then, and what a
  // WM_GETTEXT of `got` bytes gives.
  struct Row {
    WPARAM limit;
    const char* before;
    const char16_t* typed;
    const char *pasted, *after;
    WPARAM got;
    const char* gotten;
  };
  const Row rows[] = {
      {3, "", u"abcd", "", "ABC", 3, "AB"},
      {5, "AA", u"", "aaaaaaa", "AAAAA", 6, "AAAAA"},
      {0, "", u"ab", "cd", "ABCD", 64, "ABCD"},
      {0, "", u"", "apple\nx", "APPLE", 64, "APPLE"},
      {5, "", u"abcd\u00e9", "", "ABCD", 64, "ABCD"},             // é: two bytes, one left
      {6, "", u"abcd\u00e9e", "", "ABCD\u00e9", 6, "ABCD"},       // é fits, e does not
      {7, "", u"abcd", "\u20ac\u20ac", "ABCD\u20ac", 7, "ABCD"},  // €: three bytes
  };
  for (const auto& [limit, before, typed, pasted, after, got, gotten] : rows) {
    send(IDC_ENTRY, WM_SETTEXT, 0, before);
    send(IDC_ENTRY, EM_LIMITTEXT, limit, nullptr);
    for (const char16_t* c = typed; *c; ++c) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = static_cast<WORD>(*c);
      input.ki.dwFlags = KEYEVENTF_UNICODE;
      SendInput(1, &input, sizeof input);
    }
    Fl::check();
    Fl::copy(pasted, static_cast<int>(std::strlen(pasted)), 1);
    Fl::paste(widgetOf(item(IDC_ENTRY)), 1);
    char text[64] = "";
    send(IDC_ENTRY, WM_GETTEXT, sizeof text, text);
    EXPECT_STREQ(text, after) << before << " + " << pasted;
    send(IDC_ENTRY, WM_GETTEXT, got, text);
    EXPECT_STREQ(text, gotten) << after << " in " << got;
  }
}

// The dialog manager, as on Win32 (Guess, the default button, disabled): Enter presses the focused
// button, else the default one, only while enabled; Escape sends IDCANCEL without a control, and
// nothing with Alt; Tab and Shift+Tab (Ctrl or not) visit the enabled tab stops in template order.
TEST_F(WinapiDialogTest, KeysReachTheProcedureAndMoveTheFocus) {
  EnableWindow(item(IDC_GUESS), FALSE);
  // The control focused, the key and its modifiers, what the procedure receives (a click is
  // BN_CLICKED, 0), and the control focused then.
  struct Row {
    int focus, key, state;
    std::vector<Received> sent;
    int focusAfter;
  };
  const Row rows[] = {
      {IDC_NEW_GAME, FL_Enter, 0, {{WM_COMMAND, IDC_NEW_GAME, item(IDC_NEW_GAME)}}, IDC_NEW_GAME},
      {IDC_ENTRY, FL_Tab, 0, {}, IDC_NEW_GAME},
      {IDC_HELP_BUTTON, FL_Tab, 0, {}, IDC_ENTRY},
      {IDC_ENTRY, FL_Tab, FL_SHIFT, {}, IDC_HELP_BUTTON},
      {IDC_ENTRY, FL_Escape, 0, {{WM_COMMAND, IDCANCEL, nullptr}}, IDC_ENTRY},
      {IDC_ENTRY, FL_Escape, FL_ALT, {}, IDC_ENTRY},
      {IDC_ENTRY, FL_Tab, FL_CTRL, {}, IDC_NEW_GAME},
  };
  for (const Row& row : rows) {
    SetFocus(item(row.focus));
    received.clear();
    pressKey(widgetOf(dialog), row.key, row.state);
    SCOPED_TRACE(::testing::Message() << "key " << row.key << " on " << row.focus);
    EXPECT_EQ(received, row.sent);
    EXPECT_EQ(GetFocus(), item(row.focusAfter));
    EXPECT_EQ(Fl::focus(), &widgetOf(item(row.focusAfter)));
  }
}

// Ends the newest dialog, failing the test, when the loop that the test runs is still going after
// two seconds: what it waits for is not coming.
class Deadline {
 public:
  Deadline() { Fl::add_timeout(2.0, expire); }
  ~Deadline() { Fl::remove_timeout(expire); }
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;

 private:
  static void expire(void*) {
    ADD_FAILURE() << "the loop outlived its deadline";
    EndDialog(FindWindowA(nullptr, nullptr), 0);
  }
};

// While a message box is up, Alt+A and Alt+F4 for the dialog behind it (the last one made) reach
// nothing, and the key at `key` dismisses the box.
void pokeTheDialogThenDismiss(void* key) {
  Fl::belowmouse(&widgetOf(GetDlgItem(lastDialog, IDC_ABOUT)));  // gets FLTK's shortcuts
  for (int poke : {int{'a'}, FL_F + 4}) pressKey(*Fl::modal(), poke, FL_ALT);
  pressKey(*Fl::modal(), *static_cast<int*>(key));
}

TEST_F(WinapiDialogTest, MessageBoxTakesTheKeysAndLeavesTheDialogAlone) {
  Deadline deadline;
  for (int key : {FL_Enter, FL_Escape, int{' '}}) {
    Fl::add_timeout(0.0, pokeTheDialogThenDismiss, &key);
    EXPECT_EQ(MessageBoxA(dialog, "Text", "Caption", MB_OK), IDOK) << key;
    EXPECT_EQ(received, std::vector<Received>{}) << key;
  }
}

// The loop runs until the procedure calls EndDialog (here on WM_CLOSE, which Alt+F4 sends), returns
// its result and destroys the dialog; without a template there is no loop and the result is -1.
TEST(WinapiModalTest, RunsUntilEndDialogAndReturnsItsResult) {
  Deadline deadline;
  Fl::add_timeout(0.0, [](void*) { pressKey(widgetOf(lastDialog), FL_F + 4, FL_ALT); });
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recordingProc, 0), 7);
  EXPECT_EQ(GetDlgItem(lastDialog, IDC_ENTRY), nullptr);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, recordingProc, 0), -1);
}

// The .res image linked into the programs is the one windres made, byte for byte.
TEST(WinapiModuleTest, EmbedsTheCompiledResources) {
  std::ifstream in(GLYPHWISE_RES, std::ios::binary);
  EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) ==
              std::string(reinterpret_cast<const char*>(WINAPI_RESOURCES), WINAPI_RESOURCES_SIZE));
}

}  // namespace
