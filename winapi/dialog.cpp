// A dialog's logic, written once for every back end: its procedure with Win32's default handling
// behind it, the dialog manager's keys (Tab, Enter, Escape, mnemonics, Alt+F4), the close box,
// ending and destroying it, and its icons.
#include "winapi/dialog.h"

#include <algorithm>

#include "support/ascii.h"
#include "winapi/toolkit.h"

namespace winapi {

namespace {

HICON theClassIcon = nullptr;

}  // namespace

int Dialog::procedureDepth = 0;

Dialog::Dialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units)
    : _caption(dialogTemplate.caption), _style(dialogTemplate.style), _units(units), _proc(proc) {}

LRESULT Dialog::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND self = hwnd();
  ++procedureDepth;
  INT_PTR handled = _proc ? _proc(self, msg, wParam, lParam) : FALSE;
  --procedureDepth;
  if (msg == WM_INITDIALOG) return handled;
  if (handled || findWindow(self) == nullptr) return 0;
  if (msg == WM_SETICON || msg == WM_GETICON) return iconMessage(msg, wParam, lParam);
  return Window::message(msg, wParam, lParam);
}

void Dialog::setText(const char* text) {
  _caption = text;
  showCaption();
}

Control* Dialog::control(int id) const {
  for (Control* control : _controls) {
    if (control->id() == id) return control;
  }
  return nullptr;
}

Control* Dialog::firstTabStop() const {
  for (Control* control : _controls) {
    if (control->isTabStop()) return control;
  }
  return nullptr;
}

Control* Dialog::focusedControl() const {
  for (Control* control : _controls) {
    if (control->hwnd() == GetFocus()) return control;
  }
  return nullptr;
}

void Dialog::command(int id, Control* from) {
  LPARAM source = from ? reinterpret_cast<LPARAM>(from->hwnd()) : 0;
  SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), source);
}

bool Dialog::takeKey(const Key& key) {
  switch (key.code) {
    case Key::F4:
      if (key.alt) SendMessageA(hwnd(), WM_CLOSE, 0, 0);
      return key.alt;
    case Key::ESCAPE:
      if (!key.alt) command(IDCANCEL, control(IDCANCEL));
      return true;
    case Key::TAB:
      if (!key.alt) moveFocus(key.shift ? -1 : 1);
      return !key.alt;
    case Key::ENTER:
      if (!key.alt) pressDefault();
      return !key.alt;
    case Key::CHARACTER:
      return pressMnemonic(key);
    default:
      return false;
  }
}

void Dialog::closeBox() {
  if (_closeCommand != 0) {
    command(_closeCommand, nullptr);
  } else {
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  }
}

void Dialog::endDialog(INT_PTR result) {
  _ended = true;
  _result = result;
  setVisible(false);
}

void Dialog::destroy() {
  for (Control* control : _controls) control->forget();
  forget();
  setVisible(false);
  if (procedureDepth > 0) {
    deleteLater(this);
  } else {
    delete this;
  }
}

HICON Dialog::shownIcon() const {
  HICON own = _icons[ICON_BIG] ? _icons[ICON_BIG] : _icons[ICON_SMALL];
  return own ? own : theClassIcon;
}

// A button's letter presses it, while it is enabled and shown: with Alt from any control, without
// it from a control that takes no characters (a button).
bool Dialog::pressMnemonic(const Key& key) {
  Control* focused = focusedControl();
  if (key.ctrl || (!key.alt && focused != nullptr && focused->takesCharacters())) return false;
  for (Control* control : _controls) {
    auto* button = control->isPushButton() ? static_cast<Button*>(control) : nullptr;
    bool pressed = button && button->mnemonic() == asciiUpper(key.character) &&
                   button->isEnabled() && button->isVisible();
    if (pressed) {
      button->click();
      return true;
    }
  }
  return false;
}

// Moves the focus `step` (1 or -1) tab stops on from the focused control, around the end.
void Dialog::moveFocus(int step) {
  int count = static_cast<int>(_controls.size());
  auto focused = std::find(_controls.begin(), _controls.end(), focusedControl());
  int from = focused != _controls.end() ? static_cast<int>(focused - _controls.begin())
                                        : (step > 0 ? count - 1 : 0);
  for (int moved = 1; moved <= count; ++moved) {
    Control* next = _controls[static_cast<std::size_t>((from + step * moved + count) % count)];
    if (next->isTabStop()) {
      SetFocus(next->hwnd());
      return;
    }
  }
}

// Enter presses the focused push button, else the default button, while it is enabled; a dialog
// without a default button gets IDOK.
void Dialog::pressDefault() {
  Control* target = focusedControl();
  if (target == nullptr || !target->isPushButton()) target = defaultButton();
  if (target == nullptr) {
    command(IDOK, control(IDOK));
  } else if (target->isEnabled()) {
    command(target->id(), target);
  }
}

Control* Dialog::defaultButton() const {
  for (Control* control : _controls) {
    if (control->isPushButton() && static_cast<Button*>(control)->isDefault()) return control;
  }
  return nullptr;
}

// WM_SETICON sets the icon of `type` and WM_GETICON reads it; both return the icon it was.
LRESULT Dialog::iconMessage(UINT msg, WPARAM type, LPARAM icon) {
  if (type != ICON_SMALL && type != ICON_BIG) return 0;
  HICON previous = _icons[type];
  if (msg == WM_SETICON) {
    _icons[type] = reinterpret_cast<HICON>(icon);
    showIcon();
  }
  return reinterpret_cast<LRESULT>(previous);
}

Dialog* findDialog(HWND hwnd) {
  Window* window = findWindow(hwnd);
  if (window == nullptr || static_cast<Window*>(&window->dialog()) != window) return nullptr;
  return &window->dialog();
}

}  // namespace winapi

ULONG_PTR WINAPI SetClassLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  winapi::Dialog* dialog = winapi::findDialog(hWnd);
  if (dialog == nullptr || nIndex != GCLP_HICON) return 0;
  HICON previous = winapi::theClassIcon;
  winapi::theClassIcon = reinterpret_cast<HICON>(dwNewLong);
  dialog->showIcon();
  return reinterpret_cast<ULONG_PTR>(previous);
}

BOOL WINAPI MapDialogRect(HWND hDlg, RECT* lpRect) {
  winapi::Dialog* dialog = winapi::findDialog(hDlg);
  if (dialog == nullptr) return FALSE;
  winapi::BaseUnits units = dialog->units();
  *lpRect = {winapi::mulDiv(lpRect->left, units.x, 4), winapi::mulDiv(lpRect->top, units.y, 8),
             winapi::mulDiv(lpRect->right, units.x, 4), winapi::mulDiv(lpRect->bottom, units.y, 8)};
  return TRUE;
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex) {
  bool icon = winapi::findDialog(hWnd) != nullptr && nIndex == GCLP_HICON;
  return icon ? reinterpret_cast<ULONG_PTR>(winapi::theClassIcon) : 0;
}
