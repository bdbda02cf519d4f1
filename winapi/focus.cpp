// The keyboard focus as Win32 reports it, and who may take keys. FLTK keeps no focus for a window
// that is not shown, so the stand-in records it here and hands it to FLTK when the dialog shows.
#include "winapi/focus.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

#include "winapi/dialog.h"

namespace winapi {

namespace {

HWND focused = nullptr;

}  // namespace

void noteFocus(HWND hwnd) { focused = hwnd; }

void showFocus(Dialog& dialog) {
  Window* window = findWindow(focused);
  bool control = window != nullptr && window != &dialog;  // a dialog keeps the focus to itself
  if (control && &window->dialog() == &dialog && dialog.shown()) {
    window->widget().take_focus();
  }
}

bool isBehindModal(const Fl_Widget& widget) {
  return Fl::modal() != nullptr && Fl::modal() != widget.top_window();
}

}  // namespace winapi

HWND WINAPI SetFocus(HWND hWnd) {
  HWND previous = winapi::focused;
  if (hWnd == nullptr) {
    winapi::focused = nullptr;
    Fl::focus(nullptr);
    return previous;
  }
  winapi::Window* window = winapi::findWindow(hWnd);
  if (window == nullptr) return nullptr;
  winapi::Control* first =
      window == winapi::findDialog(hWnd) ? window->dialog().firstTabStop() : nullptr;
  winapi::focused = first ? first->hwnd() : hWnd;
  winapi::showFocus(window->dialog());
  return previous;
}

HWND WINAPI GetFocus(void) { return winapi::focused; }
