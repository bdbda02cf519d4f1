// The stand-in's own rules that the game relies on, on its dialog template: dialog units, list
// lines, the entry, the dialog manager's keys, modal loops, message boxes and the embedded .res.
// Keys and clicks go through FLTK's event dispatch, so this needs an X display.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "app/resource.h"
#include "winapi/dialog.h"
#include "winapi/embeddedres.h"
#include "winapi/winapi.h"

namespace {

using Received = std::tuple<UINT, WPARAM, LPARAM>;
std::vector<Received> received;  // WM_COMMAND and WM_CLOSE, in order
HWND lastDialog = nullptr;

// Records what the dialog manager sends; asks for the default focus and ends on WM_CLOSE.
INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) lastDialog = dialog;
  if (message == WM_COMMAND || message == WM_CLOSE) received.emplace_back(message, wParam, lParam);
  if (message == WM_CLOSE) EndDialog(dialog, 7);
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

Fl_Widget& widgetOf(HWND hwnd) { return winapi::findWindow(hwnd)->widget(); }

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

// Presses and releases the left mouse button in the middle of `widget`.
void click(Fl_Widget& widget) {
  Fl::e_x = widget.x() + widget.w() / 2;
  Fl::e_y = widget.y() + widget.h() / 2;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = FL_BUTTON1;
  Fl::handle(FL_PUSH, widget.window());
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, widget.window());
}

class WinapiDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    Fl::flush();
    received.clear();
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND item(int id) { return GetDlgItem(dialog, id); }
  LRESULT send(int id, UINT message, WPARAM wParam, const char* text) {
    return SendDlgItemMessageA(dialog, id, message, wParam, reinterpret_cast<LPARAM>(text));
  }
  Received clicked(int id) {
    return {WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item(id))};
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
  const std::tuple<int, WPARAM, LRESULT, LRESULT> rows[] = {
      {3, 2, 0, 0},           {last + 1, 6, 0, 6}, {last + 1, 7, 0, 6},
      {last + 1, last, 0, 6}, {0, 0, LB_ERR, 0},   {last + 1, last + 1u, LB_ERR, 0}};
  for (const auto& [lines, index, result, top] : rows) {
    send(IDC_HISTORY, LB_RESETCONTENT, 0, nullptr);
    for (int i = 0; i < lines; ++i) EXPECT_EQ(send(IDC_HISTORY, LB_ADDSTRING, 0, line), i);
    EXPECT_EQ(send(IDC_HISTORY, LB_SETTOPINDEX, index, nullptr), result) << index;
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTOPINDEX, 0, nullptr), top) << index;
    char text[64] = "untouched";
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXT, index, text),
              result == LB_ERR ? LB_ERR : static_cast<LRESULT>(std::strlen(line)));
    EXPECT_STREQ(text, result == LB_ERR ? "untouched" : line);
  }
}

// The entry (focused from the start: the first tab stop) upper-cases and limits what is typed or
// pasted, not what WM_SETTEXT sets, and WM_GETTEXT copies at most its buffer's size less one and a
// NUL.
TEST_F(WinapiDialogTest, EntryTakesTypedPastedAndSetTextAsInWin32) {
  // The limit (0: no practical limit), the text set, then typed, then pasted, the size of the
  // buffer read back, what it holds then and the count of characters copied.
  const std::tuple<WPARAM, const char*, const char*, const char*, WPARAM, const char*, LRESULT>
      rows[] = {{3, "", "abcd", "", 64, "ABC", 3},      {5, "AA", "", "aaaaaaa", 64, "AAAAA", 5},
                {2, "abcdef", "", "", 64, "abcdef", 6}, {0, "ABCDEF", "", "", 4, "ABC", 3},
                {0, "ABCDEF", "", "", 1, "", 0},        {0, "ABCDEF", "", "", 0, "untouched", 0}};
  for (const auto& [limit, before, typed, pasted, size, after, copied] : rows) {
    send(IDC_ENTRY, WM_SETTEXT, 0, before);
    send(IDC_ENTRY, EM_LIMITTEXT, limit, nullptr);
    for (const char* c = typed; *c; ++c) pressKey(widgetOf(dialog), *c);
    Fl::copy(pasted, static_cast<int>(std::strlen(pasted)), 1);
    Fl::paste(widgetOf(item(IDC_ENTRY)), 1);
    char text[64] = "untouched";
    EXPECT_EQ(send(IDC_ENTRY, WM_GETTEXT, size, text), copied) << size;
    EXPECT_STREQ(text, after) << before << " + " << typed << " + " << pasted;
  }
}

// The dialog manager, as on Win32: a button is pressed by a click, its Alt mnemonic or Enter (the
// focused button, else the default one), only while enabled; Escape sends IDCANCEL without a
// control; Alt+F4 sends WM_CLOSE (the close box: see the modal loop), on which the procedure ends
// the dialog; Tab and Shift+Tab visit the enabled tab stops in template order.
TEST_F(WinapiDialogTest, KeysAndClicksReachTheProcedureAndMoveTheFocus) {
  // How, the control focused, the key (0: a click on Guess) and its modifiers, whether Guess is
  // enabled, what the procedure receives, and the control focused then (0: not checked).
  const std::tuple<const char*, int, int, int, BOOL, std::vector<Received>, int> rows[] = {
      {"Enter in the entry", IDC_ENTRY, FL_Enter, 0, TRUE, {clicked(IDC_GUESS)}, IDC_ENTRY},
      {"Enter, Guess disabled", IDC_ENTRY, FL_Enter, 0, FALSE, {}, IDC_ENTRY},
      {"Enter on New Game", IDC_NEW_GAME, FL_Enter, 0, FALSE, {clicked(IDC_NEW_GAME)}, 0},
      {"click on Guess", IDC_ENTRY, 0, 0, TRUE, {clicked(IDC_GUESS)}, 0},
      {"Alt+G", IDC_ENTRY, 'g', FL_ALT, TRUE, {clicked(IDC_GUESS)}, 0},
      {"Tab, Guess disabled", IDC_ENTRY, FL_Tab, 0, FALSE, {}, IDC_NEW_GAME},
      {"Tab from About", IDC_ABOUT, FL_Tab, 0, TRUE, {}, IDC_EXIT},
      {"Tab from Help", IDC_HELP_BUTTON, FL_Tab, 0, TRUE, {}, IDC_ENTRY},
      {"Shift+Tab", IDC_ENTRY, FL_Tab, FL_SHIFT, TRUE, {}, IDC_HELP_BUTTON},
      {"Escape", IDC_ENTRY, FL_Escape, 0, TRUE, {{WM_COMMAND, IDCANCEL, 0}}, IDC_ENTRY},
      {"Alt+F4", IDC_ENTRY, FL_F + 4, FL_ALT, TRUE, {{WM_CLOSE, 0, 0}}, 0},
  };
  for (const auto& [how, focus, key, state, guessEnabled, sent, focusAfter] : rows) {
    ShowWindow(dialog, SW_SHOW);
    EnableWindow(item(IDC_GUESS), guessEnabled);
    SetFocus(item(focus));
    received.clear();
    key == 0 ? click(widgetOf(item(IDC_GUESS))) : pressKey(widgetOf(dialog), key, state);
    EXPECT_EQ(received, sent) << how;
    EXPECT_EQ(IsWindowVisible(dialog) != FALSE, key != FL_F + 4) << how;
    if (focusAfter == 0) continue;
    EXPECT_EQ(GetFocus(), item(focusAfter)) << how;
    EXPECT_EQ(Fl::focus(), &widgetOf(item(focusAfter))) << how;
  }
}

// While a message box is up, pokes the dialog behind it (the last one made) with a click on About,
// Alt+A and Alt+F4, then dismisses the box with the key at `key`.
void pokeTheDialogThenDismiss(void* key) {
  EXPECT_STREQ(Fl::modal()->label(), "Caption");
  Fl_Widget& about = widgetOf(GetDlgItem(lastDialog, IDC_ABOUT));
  click(about);
  Fl::belowmouse(&about);  // FLTK offers shortcuts to the widget under the mouse
  pressKey(*Fl::modal(), 'a', FL_ALT);
  pressKey(*Fl::modal(), FL_F + 4, FL_ALT);
  pressKey(*Fl::modal(), *static_cast<int*>(key));
}

// The box takes all input: nothing reaches the dialog or its buttons; Enter, Escape and Space
// dismiss it, and the focus is where it was (in the entry, the first tab stop).
TEST_F(WinapiDialogTest, MessageBoxTakesTheInputAndLeavesTheDialogAlone) {
  for (int key : {FL_Enter, FL_Escape, int{' '}}) {
    Fl::add_timeout(0.0, pokeTheDialogThenDismiss, &key);
    EXPECT_EQ(MessageBoxA(dialog, "Line 1\n@Line 2 & more\n", "Caption", MB_OK), IDOK) << key;
    EXPECT_EQ(received, std::vector<Received>{}) << key;
    EXPECT_EQ(GetFocus(), item(IDC_ENTRY)) << key;
  }
}

// The loop runs until the procedure calls EndDialog (here on the close box), returns its result
// and destroys the dialog; without a template there is no loop and the result is -1.
TEST(WinapiModalTest, RunsUntilEndDialogAndReturnsItsResult) {
  Fl::add_timeout(0.0, [](void*) { Fl::handle(FL_CLOSE, widgetOf(lastDialog).as_window()); });
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recordingProc, 0), 7);
  EXPECT_EQ(GetDlgItem(lastDialog, IDC_ENTRY), nullptr);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, recordingProc, 0), -1);
}

// The .res image linked into the programs is the one windres made, byte for byte.
TEST(WinapiModuleTest, EmbedsTheCompiledResources) {
  std::ifstream in(GLYPHWISE_RES, std::ios::binary);
  std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(file ==
              std::string(reinterpret_cast<const char*>(WINAPI_RESOURCES), WINAPI_RESOURCES_SIZE));
}

}  // namespace
