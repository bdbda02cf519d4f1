// The stand-in's own rules, on the game's dialog template: dialog units, list box scrolling and
// literal lines, edit limits and upper case, the dialog manager's keys, focus, enabling, modal
// loops and message boxes. Keys and clicks go through FLTK's event dispatch, so this needs an X
// display.
#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/resource.h"
#include "winapi/dialog.h"
#include "winapi/resources.h"
#include "winapi/winapi.h"

namespace {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Received& other) const {
    return message == other.message && wParam == other.wParam && lParam == other.lParam;
  }
};

std::vector<Received> received;  // WM_INITDIALOG, WM_COMMAND and WM_CLOSE, in order
HWND lastDialog = nullptr;

// Records what the dialog manager sends; asks for the default focus and ends on WM_CLOSE.
INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) lastDialog = dialog;
  if (message == WM_INITDIALOG || message == WM_COMMAND || message == WM_CLOSE) {
    received.push_back({message, wParam, lParam});
  }
  if (message == WM_CLOSE) EndDialog(dialog, 7);
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR CALLBACK endingProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    lastDialog = dialog;
    EndDialog(dialog, 42);
  }
  return FALSE;
}

INT_PTR CALLBACK destroyingProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyWindow(dialog);
  return message == WM_CLOSE || message == WM_INITDIALOG ? TRUE : FALSE;
}

Fl_Widget& widgetOf(HWND hwnd) { return winapi::findWindow(hwnd)->widget(); }
Fl_Window& windowOf(HWND dialog) { return *widgetOf(dialog).as_window(); }

void closeLastDialog(void*) { Fl::handle(FL_CLOSE, &windowOf(lastDialog)); }

// Delivers a key press to `window` as FLTK's X11 event handler does.
void pressKey(Fl_Window& window, int key, int state = 0) {
  static char text[2];
  text[0] = key >= ' ' && key < 0x7F ? static_cast<char>(key) : '\0';
  text[1] = '\0';
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

Received clicked(HWND control) {
  return {WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
          reinterpret_cast<LPARAM>(control)};
}

class WinapiDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                recordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    received.clear();
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND item(int id) { return GetDlgItem(dialog, id); }
  LRESULT send(int id, UINT message, WPARAM wParam, const char* text) {
    return SendDlgItemMessageA(dialog, id, message, wParam, reinterpret_cast<LPARAM>(text));
  }
  void show() {
    ShowWindow(dialog, SW_SHOW);
    Fl::flush();
  }

  HWND dialog = nullptr;
};

TEST(WinapiUnitsTest, MulDivRoundsHalfAwayFromZero) {
  const struct {
    int number, numerator, denominator, expected;
  } rows[] = {{7, 6, 4, 11}, {-7, 6, 4, -11}, {7, -6, 4, -11},   {5, 13, 8, 8}, {3, 13, 8, 5},
              {4, 13, 8, 7}, {10, 7, 4, 18},  {167, 14, 8, 292}, {1, 1, 0, -1}};
  for (const auto& row : rows) {
    EXPECT_EQ(winapi::mulDiv(row.number, row.numerator, row.denominator), row.expected)
        << row.number << " * " << row.numerator << " / " << row.denominator;
  }
}

TEST(WinapiUnitsTest, AverageWidthTruncatesThenRoundsTheHalf) {
  const struct {
    int alphabetWidth, expected;
  } rows[] = {{312, 6}, {337, 6}, {338, 7}, {359, 7}, {51, 1}};
  for (const auto& row : rows) {
    EXPECT_EQ(winapi::averageCharWidth(row.alphabetWidth), row.expected) << row.alphabetWidth;
  }
}

TEST_F(WinapiDialogTest, PlacesEveryControlByTheTemplateInDialogUnits) {
  DialogTemplate dialogTemplate;
  const ResourceEntry* entry = findResource(winapi::moduleResources(), 5, IDD_MAIN);
  ASSERT_NE(entry, nullptr);
  ASSERT_TRUE(parseDialogTemplate(entry->data, &dialogTemplate, nullptr));
  winapi::BaseUnits units = winapi::measureBaseUnits(winapi::dialogFontSize(8));
  auto pixels = [&](int x, int y, int w, int h) {
    return std::vector<int>{winapi::mulDiv(x, units.x, 4), winapi::mulDiv(y, units.y, 8),
                            winapi::mulDiv(w, units.x, 4), winapi::mulDiv(h, units.y, 8)};
  };
  Fl_Window& window = windowOf(dialog);
  EXPECT_EQ((std::vector<int>{0, 0, window.w(), window.h()}),
            pixels(0, 0, dialogTemplate.cx, dialogTemplate.cy));
  for (const DialogItem& control : dialogTemplate.items) {
    Fl_Widget& widget = widgetOf(item(control.id));
    EXPECT_EQ((std::vector<int>{widget.x(), widget.y(), widget.w(), widget.h()}),
              pixels(control.x, control.y, control.cx, control.cy))
        << control.id;
  }
}

TEST_F(WinapiDialogTest, TopIndexStopsWhereTheLastLineIsTheLastVisible) {
  Fl_Widget& list = widgetOf(item(IDC_HISTORY));
  const int lineHeight = winapi::measureBaseUnits(winapi::dialogFontSize(8)).y;  // the font's
  const int fullLines = (list.h() - Fl::box_dh(FL_DOWN_BOX)) / lineHeight;
  const int last = fullLines + 5;  // index of the last line of a list that scrolls 6 lines
  const struct {
    int lines, index;
    LRESULT result, top;
  } rows[] = {{3, 2, 0, 0},        {last + 1, 4, 0, 4},    {last + 1, 6, 0, 6},
              {last + 1, 7, 0, 6}, {last + 1, last, 0, 6}, {last + 1, last + 1, LB_ERR, 0},
              {0, 0, LB_ERR, 0}};
  for (const auto& row : rows) {
    send(IDC_HISTORY, LB_RESETCONTENT, 0, nullptr);
    for (int i = 0; i < row.lines; ++i) send(IDC_HISTORY, LB_ADDSTRING, 0, "line");
    EXPECT_EQ(send(IDC_HISTORY, LB_SETTOPINDEX, static_cast<WPARAM>(row.index), nullptr),
              row.result)
        << row.lines << " lines, index " << row.index;
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTOPINDEX, 0, nullptr), row.top)
        << row.lines << " lines, index " << row.index;
  }
}

TEST_F(WinapiDialogTest, ListLinesComeBackAsAddedInOrder) {
  const char* lines[] = {"@b not bold", "tab\there", "", "@", "zz @C1 100% &x", "a"};
  for (LRESULT i = 0; i < 6; ++i) EXPECT_EQ(send(IDC_HISTORY, LB_ADDSTRING, 0, lines[i]), i);
  EXPECT_EQ(send(IDC_HISTORY, LB_GETCOUNT, 0, nullptr), 6);
  for (WPARAM i = 0; i < 6; ++i) {
    char text[64];
    std::memset(text, 'X', sizeof text);
    LRESULT length = static_cast<LRESULT>(std::strlen(lines[i]));
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXTLEN, i, nullptr), length) << lines[i];
    EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXT, i, text), length) << lines[i];
    EXPECT_STREQ(text, lines[i]);
  }
  char text[8] = "keep";
  EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXT, 6, text), LB_ERR);
  EXPECT_EQ(send(IDC_HISTORY, LB_GETTEXTLEN, 6, nullptr), LB_ERR);
  EXPECT_STREQ(text, "keep");
}

TEST_F(WinapiDialogTest, GetTextCopiesAtMostTheBufferLessOne) {
  send(IDC_ENTRY, WM_SETTEXT, 0, "ABCDEF");
  const struct {
    WPARAM size;
    LRESULT copied;
    const char* text;
  } rows[] = {{0, 0, "untouched"}, {1, 0, ""}, {4, 3, "ABC"}, {7, 6, "ABCDEF"}, {99, 6, "ABCDEF"}};
  for (const auto& row : rows) {
    char text[100] = "untouched";
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_ENTRY, WM_GETTEXT, row.size,
                                  reinterpret_cast<LPARAM>(text)),
              row.copied)
        << row.size;
    EXPECT_STREQ(text, row.text) << row.size;
    if (row.size > 0) {
      EXPECT_EQ(GetWindowTextA(item(IDC_ENTRY), text, static_cast<int>(row.size)), row.copied);
    }
  }
  EXPECT_EQ(send(IDC_ENTRY, WM_GETTEXTLENGTH, 0, nullptr), 6);
}

TEST_F(WinapiDialogTest, EntryUpperCasesAndLimitsWhatIsTypedOrPasted) {
  const struct {
    WPARAM limit;  // 0: no practical limit
    const char* before;
    const char* typed;
    const char* pasted;
    const char* after;
  } rows[] = {{0, "", "abc", "", "ABC"},         {0, "", "", "Mixed case 9 ok", "MIXED CASE 9 OK"},
              {3, "", "abcd", "", "ABC"},        {3, "", "", "abcdef", "ABC"},
              {5, "AA", "", "aaaaaaa", "AAAAA"}, {3, "AAA", "a", "a", "AAA"},
              {2, "abcdef", "", "", "abcdef"}};
  show();
  for (const auto& row : rows) {
    send(IDC_ENTRY, WM_SETTEXT, 0, row.before);
    send(IDC_ENTRY, EM_LIMITTEXT, row.limit, nullptr);
    SetFocus(item(IDC_ENTRY));
    for (const char* c = row.typed; *c; ++c) pressKey(windowOf(dialog), *c);
    if (*row.pasted) {
      Fl::copy(row.pasted, static_cast<int>(std::strlen(row.pasted)), 1);
      Fl::paste(widgetOf(item(IDC_ENTRY)), 1);
    }
    char text[64] = "";
    GetWindowTextA(item(IDC_ENTRY), text, sizeof text);
    EXPECT_STREQ(text, row.after) << row.before << " + " << row.typed << row.pasted;
  }
}

TEST_F(WinapiDialogTest, EnterPressesTheFocusedOrDefaultButtonWhileEnabled) {
  const struct {
    int focus;
    bool guessEnabled;
    int pressed;  // 0: nothing
  } rows[] = {{IDC_ENTRY, true, IDC_GUESS},        {IDC_ENTRY, false, 0},
              {IDC_HISTORY, true, IDC_GUESS},      {IDC_NEW_GAME, true, IDC_NEW_GAME},
              {IDC_NEW_GAME, false, IDC_NEW_GAME}, {IDC_GUESS, true, IDC_GUESS}};
  show();
  for (const auto& row : rows) {
    EnableWindow(item(IDC_GUESS), row.guessEnabled);
    SetFocus(item(row.focus));
    received.clear();
    pressKey(windowOf(dialog), FL_Enter);
    std::vector<Received> expected;
    if (row.pressed != 0) expected.push_back(clicked(item(row.pressed)));
    EXPECT_EQ(received, expected) << row.focus << (row.guessEnabled ? " enabled" : " disabled");
  }
}

TEST_F(WinapiDialogTest, DisabledButtonsCannotBePressed) {
  show();
  const struct {
    const char* how;
    void (*press)(HWND dialog);
  } ways[] = {
      {"click", [](HWND hwnd) { click(widgetOf(GetDlgItem(hwnd, IDC_CONCEDE))); }},
      {"Alt+C", [](HWND hwnd) { pressKey(windowOf(hwnd), 'c', FL_ALT); }},
  };
  for (const auto& way : ways) {
    for (BOOL enabled : {TRUE, FALSE}) {
      EnableWindow(item(IDC_CONCEDE), enabled);
      SetFocus(item(IDC_ENTRY));
      received.clear();
      way.press(dialog);
      std::vector<Received> expected;
      if (enabled) expected.push_back(clicked(item(IDC_CONCEDE)));
      EXPECT_EQ(received, expected) << way.how << (enabled ? " enabled" : " disabled");
    }
  }
}

TEST_F(WinapiDialogTest, EscapeAltF4AndTheCloseBoxGoToTheProcedure) {
  const struct {
    const char* what;
    int key, state;  // key 0: the close box
    Received expected;
  } rows[] = {{"Escape", FL_Escape, 0, {WM_COMMAND, IDCANCEL, 0}},
              {"Alt+F4", FL_F + 4, FL_ALT, {WM_CLOSE, 0, 0}},
              {"close box", 0, 0, {WM_CLOSE, 0, 0}}};
  for (const auto& row : rows) {
    show();
    SetFocus(item(IDC_ENTRY));
    received.clear();
    if (row.key != 0) {
      pressKey(windowOf(dialog), row.key, row.state);
    } else {
      Fl::handle(FL_CLOSE, &windowOf(dialog));
    }
    EXPECT_EQ(received, std::vector<Received>{row.expected}) << row.what;
    bool closed = row.expected.message == WM_CLOSE;  // the procedure ends the dialog then
    EXPECT_EQ(IsWindowVisible(dialog) != FALSE, !closed) << row.what;
  }
}

TEST_F(WinapiDialogTest, TabVisitsEnabledTabStopsInTemplateOrder) {
  const struct {
    int from;
    bool shift;
    int disabled, to;
  } rows[] = {{IDC_ENTRY, false, 0, IDC_GUESS},       {IDC_GUESS, false, IDC_NEW_GAME, IDC_CONCEDE},
              {IDC_ABOUT, false, 0, IDC_EXIT},        {IDC_EXIT, false, 0, IDC_HELP_BUTTON},
              {IDC_HELP_BUTTON, false, 0, IDC_ENTRY}, {IDC_HISTORY, false, 0, IDC_ENTRY},
              {IDC_ENTRY, true, 0, IDC_HELP_BUTTON},  {IDC_CONCEDE, true, IDC_NEW_GAME, IDC_GUESS}};
  show();
  for (const auto& row : rows) {
    for (int id : {IDC_GUESS, IDC_NEW_GAME, IDC_CONCEDE})
      EnableWindow(item(id), id != row.disabled);
    SetFocus(item(row.from));
    pressKey(windowOf(dialog), FL_Tab, row.shift ? FL_SHIFT : 0);
    EXPECT_EQ(GetFocus(), item(row.to)) << row.from << (row.shift ? " Shift+Tab" : " Tab");
    EXPECT_EQ(Fl::focus(), &widgetOf(item(row.to))) << row.from;
  }
}

TEST_F(WinapiDialogTest, FocusIsKeptWhileHiddenAndHandedToFltkOnShow) {
  ASSERT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(GetFocus(), item(IDC_ENTRY));
  EXPECT_EQ(SetFocus(item(IDC_ABOUT)), item(IDC_ENTRY));
  EXPECT_EQ(GetFocus(), item(IDC_ABOUT));
  EXPECT_EQ(ShowWindow(dialog, SW_SHOW), FALSE);
  EXPECT_EQ(Fl::focus(), &widgetOf(item(IDC_ABOUT)));
  EXPECT_EQ(ShowWindow(dialog, SW_HIDE), TRUE);
  EXPECT_EQ(GetFocus(), item(IDC_ABOUT));
}

TEST_F(WinapiDialogTest, InitDialogNamesTheFirstTabStop) {
  DestroyWindow(dialog);
  dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recordingProc, 1234);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0],
            (Received{WM_INITDIALOG, reinterpret_cast<WPARAM>(item(IDC_ENTRY)), 1234}));
}

TEST_F(WinapiDialogTest, EnableWindowTellsWhetherItWasDisabled) {
  const struct {
    BOOL before, enable, wasDisabled;
  } rows[] = {{TRUE, FALSE, FALSE}, {FALSE, FALSE, TRUE}, {FALSE, TRUE, TRUE}, {TRUE, TRUE, FALSE}};
  for (const auto& row : rows) {
    EnableWindow(item(IDC_GUESS), row.before);
    EXPECT_EQ(EnableWindow(item(IDC_GUESS), row.enable) != FALSE, row.wasDisabled != FALSE);
    EXPECT_EQ(IsWindowEnabled(item(IDC_GUESS)) != FALSE, row.enable != FALSE);
  }
  SetFocus(item(IDC_GUESS));
  EnableWindow(item(IDC_GUESS), FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WinapiDialogTest, PlacementMovesTheClientAreaAndShows) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(dialog, &placement));
  Fl_Window& window = windowOf(dialog);
  EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, window.w());
  EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, window.h());
  placement.rcNormalPosition = {30, 40, 30 + window.w(), 40 + window.h()};
  placement.showCmd = SW_SHOWNORMAL;
  ASSERT_TRUE(SetWindowPlacement(dialog, &placement));
  EXPECT_EQ(window.x(), 30);
  EXPECT_EQ(window.y(), 40);
  EXPECT_TRUE(IsWindowVisible(dialog));
  placement.length = 40;
  EXPECT_FALSE(GetWindowPlacement(dialog, &placement));
  EXPECT_FALSE(SetWindowPlacement(dialog, &placement));
}

TEST_F(WinapiDialogTest, IconsComeFromTheModuleAndReturnThePreviousOne) {
  const struct {
    HINSTANCE instance;
    LPCSTR name;
    bool found;
  } rows[] = {{GetModuleHandleA(nullptr), "ID_APP", true},
              {GetModuleHandleA(nullptr), "NO_SUCH_ICON", false},
              {nullptr, "ID_APP", false},
              {GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), false}};
  for (const auto& row : rows) {
    EXPECT_EQ(LoadIconA(row.instance, row.name) != nullptr, row.found) << row.found;
  }
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "ID_APP");
  LPARAM set = reinterpret_cast<LPARAM>(icon);
  for (WPARAM type : {ICON_SMALL, ICON_BIG}) {
    EXPECT_EQ(SendMessageA(dialog, WM_SETICON, type, set), 0);
    EXPECT_EQ(SendMessageA(dialog, WM_SETICON, type, 0), set);
  }
  EXPECT_EQ(SetClassLongPtrA(dialog, GCLP_HICON, set), 0u);
  EXPECT_EQ(SetClassLongPtrA(dialog, GCLP_HICON, 0), static_cast<ULONG_PTR>(set));
}

TEST(WinapiModalTest, RunsUntilEndDialogAndReturnsItsResult) {
  const struct {
    const char* what;
    LPCSTR name;
    DLGPROC proc;
    INT_PTR result;
  } rows[] = {{"ended by the close box", MAKEINTRESOURCEA(IDD_MAIN), recordingProc, 7},
              {"ended in WM_INITDIALOG", MAKEINTRESOURCEA(IDD_MAIN), endingProc, 42},
              {"no such template", MAKEINTRESOURCEA(999), recordingProc, -1}};
  for (const auto& row : rows) {
    lastDialog = nullptr;
    Fl::add_timeout(0.0, closeLastDialog);
    EXPECT_EQ(DialogBoxParamA(nullptr, row.name, nullptr, row.proc, 0), row.result) << row.what;
    Fl::remove_timeout(closeLastDialog);
    if (lastDialog != nullptr) {
      EXPECT_EQ(GetDlgItem(lastDialog, IDC_ENTRY), nullptr) << row.what;  // destroyed
    }
  }
}

TEST(WinapiDestroyTest, AProcedureMayDestroyItsOwnDialog) {
  HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, destroyingProc, 0);
  ShowWindow(dialog, SW_SHOW);
  pressKey(windowOf(dialog), FL_F + 4, FL_ALT);
  EXPECT_EQ(GetDlgItem(dialog, IDC_ENTRY), nullptr);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(GetFocus(), nullptr);
  Fl::wait(0.0);  // deletes the window, once no procedure of it runs
}

TEST_F(WinapiDialogTest, MessageBoxTakesTheInputAndLeavesTheDialogAlone) {
  show();
  SetFocus(item(IDC_ENTRY));
  for (int key : {FL_Enter, FL_Escape, static_cast<int>(' ')}) {
    static int dismissKey;
    static std::string title;
    dismissKey = key;
    Fl::add_timeout(
        0.0,
        [](void* hwnd) {
          title = Fl::modal()->label();
          Fl_Widget& about = widgetOf(GetDlgItem(static_cast<HWND>(hwnd), IDC_ABOUT));
          click(about);
          Fl::belowmouse(&about);  // FLTK offers shortcuts to the widget under the mouse
          pressKey(*Fl::modal(), 'a', FL_ALT);
          pressKey(*Fl::modal(), dismissKey);
        },
        dialog);
    received.clear();
    EXPECT_EQ(MessageBoxA(dialog, "Line 1\n@Line 2 & more\n", "Caption", MB_OK), IDOK) << key;
    EXPECT_EQ(title, "Caption");
    EXPECT_EQ(Fl::modal(), nullptr) << key;
    EXPECT_EQ(received, std::vector<Received>{}) << key;
    EXPECT_EQ(GetFocus(), item(IDC_ENTRY));
  }
}

}  // namespace
