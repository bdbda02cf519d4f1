// A dialog's window: its controls placed from the template in dialog units, its procedure with
// Win32's default handling behind it, the dialog manager's keys (Tab, Enter, Escape, Alt+F4), the
// close box, and its icons.
#include "winapi/dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include <algorithm>

#include "winapi/focus.h"
#include "winapi/module.h"

namespace winapi {

namespace {

HICON theClassIcon = nullptr;

// FLTK must not close the window itself: the close box asks the procedure, as Win32 does.
void closeBox(Fl_Widget* widget, void*) {
  SendMessageA(static_cast<Dialog*>(widget)->hwnd(), WM_CLOSE, 0, 0);
}

bool isTabStop(Control& control) {
  Fl_Widget& widget = control.widget();
  return (control.style() & WS_TABSTOP) && widget.active() && widget.visible();
}

ControlPlace placeOf(const resfile::DialogItem& item, BaseUnits units, int fontSize) {
  return {toPixels(item.x, item.y, item.cx, item.cy, units), fontSize};
}

}  // namespace

int Dialog::procedureDepth = 0;

Dialog::Dialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units)
    : Dialog(dialogTemplate, proc, units,
             toPixels(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy,
                      units)) {}

Dialog::Dialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units,
               PixelRect frame)
    : Fl_Double_Window(frame.x, frame.y, frame.w, frame.h),
      _style(dialogTemplate.style),
      _proc(proc) {
  copy_label(dialogTemplate.caption.c_str());
  callback(closeBox);
  size_range(w(), h(), w(), h());
  int fontSize = dialogFontSize(dialogTemplate.pointSize);
  for (const resfile::DialogItem& item : dialogTemplate.items) {
    _controls.push_back(createControl(*this, item, placeOf(item, units, fontSize)));
  }
  end();
  showIcon();
}

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

int Dialog::handle(int event) {
  bool key = event == FL_KEYBOARD || event == FL_SHORTCUT;
  if (key && isBehindModal(*this)) return 0;
  if (key && dialogKey()) return 1;
  if (event == FL_FOCUS) {
    showFocus(*this);
    if (contains(Fl::focus())) return 1;
  }
  return Fl_Double_Window::handle(event);
}

void Dialog::show() {
  Fl_Double_Window::show();
  showFocus(*this);
}

Control* Dialog::control(int id) const {
  for (Control* control : _controls) {
    if (control->id() == id) return control;
  }
  return nullptr;
}

Control* Dialog::firstTabStop() const {
  for (Control* control : _controls) {
    if (isTabStop(*control)) return control;
  }
  return nullptr;
}

void Dialog::command(int id, Control* from) {
  LPARAM source = from ? reinterpret_cast<LPARAM>(from->hwnd()) : 0;
  SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), source);
}

void Dialog::endDialog(INT_PTR result) {
  _ended = true;
  _result = result;
  hide();
}

void Dialog::destroy() {
  for (Control* control : _controls) control->forget();
  forget();
  hide();
  if (procedureDepth > 0) {
    Fl::delete_widget(this);
  } else {
    delete this;
  }
}

void Dialog::showIcon() {
  HICON shown = _icons[ICON_BIG] ? _icons[ICON_BIG] : _icons[ICON_SMALL];
  const Fl_RGB_Image* images[] = {iconImage(shown ? shown : theClassIcon)};
  icons(images, images[0] ? 1 : 0);
}

// The keys that Win32's dialog manager takes before any control of these classes sees them: Tab,
// Enter and Escape with Shift, Ctrl or neither, and Alt+F4. Escape with Alt is taken and does
// nothing, as the system keeps Alt+Escape for itself.
bool Dialog::dialogKey() {
  int key = Fl::event_key();
  bool alt = Fl::event_state(FL_ALT | FL_META) != 0;
  if (key == FL_F + 4 && alt) {
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  } else if (key == FL_Escape) {
    if (!alt) command(IDCANCEL, control(IDCANCEL));
  } else if (alt) {
    return false;
  } else if (key == FL_Tab) {
    moveFocus(Fl::event_state(FL_SHIFT) ? -1 : 1);
  } else if (key == FL_Enter || key == FL_KP_Enter) {
    pressDefault();
  } else {
    return false;
  }
  return true;
}

// Moves the focus `step` (1 or -1) tab stops on from the focused control, around the end.
void Dialog::moveFocus(int step) {
  int count = static_cast<int>(_controls.size());
  auto focused = std::find(_controls.begin(), _controls.end(), focusedControl());
  int from = focused != _controls.end() ? static_cast<int>(focused - _controls.begin())
                                        : (step > 0 ? count - 1 : 0);
  for (int moved = 1; moved <= count; ++moved) {
    Control* next = _controls[static_cast<std::size_t>((from + step * moved + count) % count)];
    if (isTabStop(*next)) {
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
  } else if (target->widget().active()) {
    command(target->id(), target);
  }
}

Control* Dialog::focusedControl() const {
  for (Control* control : _controls) {
    if (control->hwnd() == GetFocus()) return control;
  }
  return nullptr;
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

ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex) {
  bool icon = winapi::findDialog(hWnd) != nullptr && nIndex == GCLP_HICON;
  return icon ? reinterpret_cast<ULONG_PTR>(winapi::theClassIcon) : 0;
}
