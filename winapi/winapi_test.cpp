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
Fl_Window& windowOf(HWND dialog) { return *widgetOf(dialog).as_window(); }
void closeLastDialog(void*) { Fl::handle(FL_CLOSE, &windowOf(lastDialog)); }

// Delivers a key press to `window` as FLTK's X11 event handler does.
void pressKey(Fl_Window& window, int key, int state = 0) {
  static char text[2];
  text[0] = key >= ' ' && key < 0x7F ? static_cast<char>(key) : '\0';
  Fl::e_keysym = key;
  Fl::e_state = state;
  Fl::e_text = text;
  Fl::e_length = text[0] ? 1 : 0;
  Fl::handle(FL_KEYBOARD, &window);
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
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                recordingProc, 0);
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
// unit is a quarter of the base unit across and an eighth of it down.
TEST(WinapiUnitsTest, DialogUnitsBecomePixelsAsInWin32) {
  const winapi::PixelRect entry = winapi::toPixels(7, 131, 171, 14, {6, 13});
  const struct {
    const char* rule;
    int got, want;
  } rules[] = {{"MulDiv(7, 6, 4)", winapi::mulDiv(7, 6, 4), 11},
               {"MulDiv(-7, 6, 4)", winapi::mulDiv(-7, 6, 4), -11},
               {"MulDiv(5, 13, 8)", winapi::mulDiv(5, 13, 8), 8},
               {"letters 337 pixels wide", winapi::averageCharWidth(337), 6},
               {"letters 338 pixels wide", winapi::averageCharWidth(338), 7},
               {"8 points", winapi::dialogFontSize(8), 11},
               {"x at 7 units, base 6", entry.x, 11},
               {"y at 131 units, base 13", entry.y, 213},
               {"171 units wide, base 6", entry.w, 257},
               {"14 units high, base 13", entry.h, 23}};
  for (const auto& rule : rules) EXPECT_EQ(rule.got, rule.want) << rule.rule;
}

// The top line stops where the last line is the last one visible. The lines hold FLTK's format
// and column characters, which must change neither their height nor their text.
TEST_F(WinapiDialogTest, TopIndexClampsAndLinesStayLiteral) {
  const char* line = "@l@b large?\t@C1 100% &x @";
  const int lineHeight = winapi::measureBaseUnits(winapi::dialogFontSize(8)).y;
  const int fullLines = (widgetOf(item(IDC_HISTORY)).h() - Fl::box_dh(FL_DOWN_BOX)) / lineHeight;
  const int last = fullLines + 5;  // index of the last line of a list that scrolls 6 lines
  const struct {
    int lines, index;
    LRESULT result, top;
  } rows[] = {{3, 2, 0, 0},        {last + 1, 4, 0, 4},    {last + 1, 6, 0, 6},
              {last + 1, 7, 0, 6}, {last + 1, last, 0, 6}, {last + 1, last + 1, LB_ERR, 0},
              {0, 0, LB_ERR, 0}};
  for (const auto& row : rows) {
    send(IDC_HISTORY, LB_RESETCONTENT, 0, nullptr);
    for (int i = 0; i < row.lines; ++i) EXPECT_EQ(send(IDC_HISTORY, LB_ADDSTRING, 0, line), i);
    auto index = static_cast<WPARAM>(row.index);
    EXPECT_EQ(send(IDC_HISTORY, LB_SETTOPINDEX, index, nullptr), row.result) << row.index;
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTOPINDEX, 0, nullptr), row.top) << row.index;
    char text[64] = "untouched";
    auto length = static_cast<LRESULT>(row.result == LB_ERR ? LB_ERR : std::strlen(line));
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXT, index, text), length) << row.index;
    EXPECT_STREQ(text, row.result == LB_ERR ? "untouched" : line);
  }
}

// The entry upper-cases and limits what is typed or pasted, not what WM_SETTEXT sets, and
// WM_GETTEXT copies at most its buffer's size less one and a NUL.
TEST_F(WinapiDialogTest, EntryTakesTypedPastedAndSetTextAsInWin32) {
  const struct {
    WPARAM limit;  // 0: no practical limit
    const char *before, *typed, *pasted;
    WPARAM size;  // of the buffer read back
    const char* after;
  } rows[] = {
      {0, "", "abc", "", 64, "ABC"},         {0, "", "", "Mixed case 9 ok", 64, "MIXED CASE 9 OK"},
      {3, "", "abcd", "", 64, "ABC"},        {3, "", "", "abcdef", 64, "ABC"},
      {5, "AA", "", "aaaaaaa", 64, "AAAAA"}, {3, "AAA", "a", "a", 64, "AAA"},
      {2, "abcdef", "", "", 64, "abcdef"},   {0, "ABCDEF", "", "", 7, "ABCDEF"},
      {0, "ABCDEF", "", "", 4, "ABC"},       {0, "ABCDEF", "", "", 1, ""},
      {0, "ABCDEF", "", "", 0, "untouched"}};
  for (const auto& row : rows) {
    send(IDC_ENTRY, WM_SETTEXT, 0, row.before);
    send(IDC_ENTRY, EM_LIMITTEXT, row.limit, nullptr);
    SetFocus(item(IDC_ENTRY));
    for (const char* c = row.typed; *c; ++c) pressKey(windowOf(dialog), *c);
    if (*row.pasted) {
      Fl::copy(row.pasted, static_cast<int>(std::strlen(row.pasted)), 1);
      Fl::paste(widgetOf(item(IDC_ENTRY)), 1);
    }
    char text[64] = "untouched";
    auto copied = static_cast<LRESULT>(row.size == 0 ? 0 : std::strlen(row.after));
    EXPECT_EQ(send(IDC_ENTRY, WM_GETTEXT, row.size, text), copied) << row.before << row.size;
    EXPECT_STREQ(text, row.after) << row.before << " + " << row.typed << row.pasted;
  }
}

// The dialog manager, as on Win32: a button is pressed by a click, its Alt mnemonic or Enter (the
// focused button, else the default one), only while enabled; Escape sends IDCANCEL without a
// control; Alt+F4 and the close box send WM_CLOSE, on which the procedure ends the dialog; Tab and
// Shift+Tab visit the enabled tab stops in template order.
TEST_F(WinapiDialogTest, KeysAndClicksReachTheProcedureAndMoveTheFocus) {
  const int CLICK_GUESS = 0, CLOSE_BOX = 1;
  const struct {
    const char* how;
    int focus, key, state, guessEnabled;
    std::vector<Received> sent;
    int focusAfter;  // 0: not checked
  } rows[] = {
      {"Enter in the entry", IDC_ENTRY, FL_Enter, 0, TRUE, {clicked(IDC_GUESS)}, IDC_ENTRY},
      {"Enter in the entry", IDC_ENTRY, FL_Enter, 0, FALSE, {}, IDC_ENTRY},
      {"Enter in the list", IDC_HISTORY, FL_Enter, 0, TRUE, {clicked(IDC_GUESS)}, 0},
      {"Enter on New Game", IDC_NEW_GAME, FL_Enter, 0, FALSE, {clicked(IDC_NEW_GAME)}, 0},
      {"click on Guess", IDC_ENTRY, CLICK_GUESS, 0, TRUE, {clicked(IDC_GUESS)}, 0},
      {"click on Guess", IDC_ENTRY, CLICK_GUESS, 0, FALSE, {}, 0},
      {"Alt+G", IDC_ENTRY, 'g', FL_ALT, TRUE, {clicked(IDC_GUESS)}, 0},
      {"Alt+G", IDC_ENTRY, 'g', FL_ALT, FALSE, {}, 0},
      {"Tab", IDC_ENTRY, FL_Tab, 0, TRUE, {}, IDC_GUESS},
      {"Tab", IDC_ENTRY, FL_Tab, 0, FALSE, {}, IDC_NEW_GAME},
      {"Tab", IDC_ABOUT, FL_Tab, 0, TRUE, {}, IDC_EXIT},
      {"Tab", IDC_EXIT, FL_Tab, 0, TRUE, {}, IDC_HELP_BUTTON},
      {"Tab", IDC_HELP_BUTTON, FL_Tab, 0, TRUE, {}, IDC_ENTRY},
      {"Tab", IDC_HISTORY, FL_Tab, 0, TRUE, {}, IDC_ENTRY},
      {"Shift+Tab", IDC_ENTRY, FL_Tab, FL_SHIFT, TRUE, {}, IDC_HELP_BUTTON},
      {"Shift+Tab", IDC_NEW_GAME, FL_Tab, FL_SHIFT, FALSE, {}, IDC_ENTRY},
      {"Escape", IDC_ENTRY, FL_Escape, 0, TRUE, {{WM_COMMAND, IDCANCEL, 0}}, IDC_ENTRY},
      {"Alt+F4", IDC_ENTRY, FL_F + 4, FL_ALT, TRUE, {{WM_CLOSE, 0, 0}}, 0},
      {"the close box", IDC_ENTRY, CLOSE_BOX, 0, TRUE, {{WM_CLOSE, 0, 0}}, 0},
  };
  for (const auto& row : rows) {
    ShowWindow(dialog, SW_SHOW);
    EnableWindow(item(IDC_GUESS), row.guessEnabled);
    SetFocus(item(row.focus));
    received.clear();
    if (row.key == CLICK_GUESS) {
      click(widgetOf(item(IDC_GUESS)));
    } else if (row.key == CLOSE_BOX) {
      Fl::handle(FL_CLOSE, &windowOf(dialog));
    } else {
      pressKey(windowOf(dialog), row.key, row.state);
    }
    SCOPED_TRACE(std::string(row.how) + (row.guessEnabled ? "" : ", Guess disabled") + " from " +
                 std::to_string(row.focus));
    EXPECT_EQ(received, row.sent);
    bool closed = !row.sent.empty() && std::get<0>(row.sent[0]) == WM_CLOSE;
    EXPECT_EQ(IsWindowVisible(dialog) != FALSE, !closed);
    if (row.focusAfter != 0) {
      EXPECT_EQ(GetFocus(), item(row.focusAfter));
      EXPECT_EQ(Fl::focus(), &widgetOf(item(row.focusAfter)));
    }
  }
}

// While the box is up, a click on About, Alt+A and Alt+F4 reach neither the dialog nor its buttons;
// Enter, Escape and Space dismiss the box.
TEST_F(WinapiDialogTest, MessageBoxTakesTheInputAndLeavesTheDialogAlone) {
  SetFocus(item(IDC_ENTRY));
  static int dismissKey;
  for (int key : {FL_Enter, FL_Escape, int{' '}}) {
    dismissKey = key;
    Fl::add_timeout(
        0.0,
        [](void* hwnd) {
          EXPECT_STREQ(Fl::modal()->label(), "Caption");
          Fl_Widget& about = widgetOf(GetDlgItem(static_cast<HWND>(hwnd), IDC_ABOUT));
          click(about);
          Fl::belowmouse(&about);  // FLTK offers shortcuts to the widget under the mouse
          pressKey(*Fl::modal(), 'a', FL_ALT);
          pressKey(*Fl::modal(), FL_F + 4, FL_ALT);
          pressKey(*Fl::modal(), dismissKey);
        },
        dialog);
    EXPECT_EQ(MessageBoxA(dialog, "Line 1\n@Line 2 & more\n", "Caption", MB_OK), IDOK) << key;
    EXPECT_EQ(Fl::modal(), nullptr) << key;
    EXPECT_EQ(received, std::vector<Received>{}) << key;
    EXPECT_EQ(GetFocus(), item(IDC_ENTRY)) << key;
  }
}

// The loop runs until the procedure calls EndDialog (here on the close box), returns its result
// and destroys the dialog; without a template there is no loop and the result is -1.
TEST(WinapiModalTest, RunsUntilEndDialogAndReturnsItsResult) {
  Fl::add_timeout(0.0, closeLastDialog);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recordingProc, 0), 7);
  EXPECT_EQ(GetDlgItem(lastDialog, IDC_ENTRY), nullptr);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, recordingProc, 0), -1);
}

// The .res image linked into the programs is the one windres made, byte for byte.
TEST(WinapiModuleTest, EmbedsTheCompiledResources) {
  std::ifstream in(GLYPHWISE_RES, std::ios::binary);
  std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(WINAPI_RESOURCES_SIZE, file.size());
  EXPECT_EQ(std::memcmp(WINAPI_RESOURCES, file.data(), file.size()), 0);
}

}  // namespace
