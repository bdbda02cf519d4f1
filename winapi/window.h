// Inside the stand-in: every dialog and control is a Window, reached through its handle (HWND),
// with a window procedure (message) and what its back end's widget does for the calls on it.
#pragma once

#include <string>
#include <string_view>

#include "winapi/winapi.h"

namespace winapi {

class Dialog;

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return _hwnd; }

  // Makes the handle unknown from now on (done by the destructor at the latest).
  void forget();

  // The window procedure: acts on a message sent to this window and returns its result. The
  // default handles WM_SETTEXT and WM_GETTEXT and returns 0 for the rest.
  virtual LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam);

  virtual Dialog& dialog() = 0;  // the dialog this window is, or belongs to
  virtual int id() const { return 0; }
  virtual std::string text() const = 0;
  virtual void setText(const char* text) = 0;

  // The back end's widget: shows or hides it; whether it is shown by itself (Win32's WS_VISIBLE:
  // a control may have it inside a hidden dialog); enables or disables it; its rectangle on the
  // screen; and gives it the toolkit's keyboard focus, which only a shown dialog's widgets take.
  virtual void setVisible(bool visible) = 0;
  virtual bool isVisible() = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool isEnabled() = 0;
  virtual RECT screenRect() = 0;
  virtual void takeFocus() = 0;

 private:
  HWND _hwnd;
};

// The live window of `hwnd`, or null.
Window* findWindow(HWND hwnd);

// The length of the longest start of `text` that has at most `room` bytes and ends with a whole
// UTF-8 character.
std::size_t wholeCharacters(std::string_view text, std::size_t room);

// Copies `text` into `buffer` of `size` bytes as WM_GETTEXT does: at most size - 1 bytes of whole
// characters and a NUL; returns the count copied (0 when size is 0).
LRESULT copyText(const std::string& text, WPARAM size, char* buffer);

}  // namespace winapi
