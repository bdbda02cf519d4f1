// Window handles and the calls that work on any window, dialog or control: messages, ids,
// showing, enabling and text, and finding a dialog by its caption.
#include "winapi/window.h"

#include <cstring>
#include <map>

#include "support/ascii.h"
#include "winapi/dialog.h"

namespace winapi {

namespace {

// Every live window by handle. Handles count up and are never reused, so a stale one stays unknown.
std::map<HWND, Window*>& liveWindows() {
  static std::map<HWND, Window*> windows;
  return windows;
}

std::uintptr_t nextHandle = 0x10010;

// The class name of every dialog, message boxes included.
const char DIALOG_CLASS[] = "#32770";

bool isDialog(Window& window) { return static_cast<Window*>(&window.dialog()) == &window; }

}  // namespace

Window::Window() : _hwnd(reinterpret_cast<HWND>(nextHandle)) {
  nextHandle += 4;
  liveWindows()[_hwnd] = this;
}

Window::~Window() { forget(); }

void Window::forget() {
  if (liveWindows().erase(_hwnd) != 0 && GetFocus() == _hwnd) SetFocus(nullptr);
}

LRESULT Window::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT:
      setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
      return TRUE;
    case WM_GETTEXT:
      return copyText(text(), wParam, reinterpret_cast<char*>(lParam));
    default:
      return 0;
  }
}

Window* findWindow(HWND hwnd) {
  auto found = liveWindows().find(hwnd);
  return found == liveWindows().end() ? nullptr : found->second;
}

std::size_t wholeCharacters(std::string_view text, std::size_t room) {
  if (text.size() <= room) return text.size();
  std::size_t cut = room;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // 10xxxxxx
  return cut;
}

LRESULT copyText(const std::string& text, WPARAM size, char* buffer) {
  if (size == 0 || buffer == nullptr) return 0;
  std::size_t count = wholeCharacters(text, static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<LRESULT>(count);
}

}  // namespace winapi

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  winapi::Window* window = winapi::findWindow(hWnd);
  return window ? window->message(Msg, wParam, lParam) : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam) {
  return SendMessageA(GetDlgItem(hDlg, nIDDlgItem), Msg, wParam, lParam);
}

BOOL WINAPI GetWindowRect(HWND hWnd, RECT* lpRect) {
  winapi::Window* window = winapi::findWindow(hWnd);
  if (window == nullptr) return FALSE;
  *lpRect = window->screenRect();
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, POINT* lpPoint) {
  winapi::Window* window = winapi::findWindow(hWnd);
  if (window == nullptr) return FALSE;
  RECT rect = window->screenRect();
  *lpPoint = {lpPoint->x + rect.left, lpPoint->y + rect.top};
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  winapi::Dialog* dialog = winapi::findDialog(hDlg);
  winapi::Control* control = dialog ? dialog->control(nIDDlgItem) : nullptr;
  return control ? control->hwnd() : nullptr;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  winapi::Window* window = winapi::findWindow(hWnd);
  if (window == nullptr) return FALSE;
  bool wasVisible = window->isVisible();
  window->setVisible(nCmdShow != SW_HIDE);
  return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  winapi::Window* window = winapi::findWindow(hWnd);
  bool visible = window && window->isVisible() && window->dialog().isVisible();
  return visible ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  winapi::Window* window = winapi::findWindow(hWnd);
  if (window == nullptr) return FALSE;
  bool wasDisabled = !window->isEnabled();
  window->setEnabled(bEnable != FALSE);
  if (!bEnable && GetFocus() == hWnd) SetFocus(nullptr);
  return wasDisabled ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  winapi::Window* window = winapi::findWindow(hWnd);
  return window && window->isEnabled() ? TRUE : FALSE;
}

HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
  if (lpClassName != nullptr && !equalIgnoringCase(lpClassName, winapi::DIALOG_CLASS)) {
    return nullptr;
  }
  const auto& windows = winapi::liveWindows();
  for (auto live = windows.rbegin(); live != windows.rend(); ++live) {
    winapi::Window& window = *live->second;
    if (winapi::isDialog(window) &&
        (lpWindowName == nullptr || equalIgnoringCase(window.text().c_str(), lpWindowName))) {
      return live->first;
    }
  }
  return nullptr;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  if (lpString == nullptr || cchMax <= 0) return 0;
  lpString[0] = '\0';
  auto size = static_cast<WPARAM>(cchMax);
  return static_cast<UINT>(
      SendDlgItemMessageA(hDlg, nIDDlgItem, WM_GETTEXT, size, reinterpret_cast<LPARAM>(lpString)));
}
