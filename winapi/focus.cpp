// The keyboard focus as Win32 reports it: recorded here, and handed to the toolkit's widgets when
// their dialog shows.
#include "winapi/focus.h"

#include "winapi/dialog.h"
#include "winapi/toolkit.h"

namespace winapi {

namespace {

HWND focused = nullptr;

}  // namespace

void noteFocus(HWND hwnd) { focused = hwnd; }

void showFocus(Dialog& dialog) {
  Window* window = findWindow(focused);
  bool control = window != nullptr && window != &dialog;  // a dialog keeps the focus to itself
  if (control && &window->dialog() == &dialog && dialog.isVisible()) window->takeFocus();
}

}  // namespace winapi

HWND WINAPI SetFocus(HWND hWnd) {
  HWND previous = winapi::focused;
  if (hWnd == nullptr) {
    winapi::focused = nullptr;
    winapi::dropFocus();
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
