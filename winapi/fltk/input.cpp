// SendInput: key presses and clicks queued as the display's are, and handed to FLTK's event
// dispatch from the event loop, so that they take the same road as a player's.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <deque>
#include <string>

#include "winapi/winapi.h"

namespace {

std::deque<INPUT>& queued() {
  static std::deque<INPUT> inputs;
  return inputs;
}

int heldModifiers = 0;  // FLTK's state bits of the Shift, Ctrl and Alt keys held down
POINT pointer = {0, 0};

int modifierOf(WORD key) {
  switch (key) {
    case VK_SHIFT:
      return FL_SHIFT;
    case VK_CONTROL:
      return FL_CTRL;
    case VK_MENU:
      return FL_ALT;
    default:
      return 0;
  }
}

// FLTK's key and text of a virtual key, as the US layout gives them; key 0 for another key.
void keyOf(WORD key, int* flKey, std::string* text) {
  *flKey = 0;
  if (key >= 'A' && key <= 'Z') {
    *flKey = key - 'A' + 'a';
    *text = std::string(1, static_cast<char>(heldModifiers & FL_SHIFT ? key : *flKey));
  } else if ((key >= '0' && key <= '9') || key == VK_SPACE) {
    *flKey = key;
    *text = std::string(1, static_cast<char>(key));
  } else {
    const int special[][2] = {
        {VK_TAB, FL_Tab}, {VK_RETURN, FL_Enter}, {VK_ESCAPE, FL_Escape}, {VK_F4, FL_F + 4}};
    for (const auto& [virtualKey, fltkKey] : special) {
      if (key == virtualKey) *flKey = fltkKey;
    }
  }
}

// UTF-8 of one UTF-16 unit (a character of the Basic Multilingual Plane).
std::string utf8Of(WORD unit) {
  std::string text;
  if (unit < 0x80) {
    text += static_cast<char>(unit);
  } else if (unit < 0x800) {
    text += static_cast<char>(0xC0 | (unit >> 6));
    text += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (unit >> 12));
    text += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (unit & 0x3F));
  }
  return text;
}

// The window that takes keys: the modal one, else the one holding the focus, else the newest.
Fl_Window* keyWindow() {
  if (Fl::modal() != nullptr) return Fl::modal();
  if (Fl::focus() != nullptr && Fl::focus()->top_window() != nullptr) {
    return Fl::focus()->top_window();
  }
  return Fl::first_window();
}

void pressKey(const KEYBDINPUT& input) {
  int modifier = modifierOf(input.wVk);
  bool up = input.dwFlags & KEYEVENTF_KEYUP;
  if (modifier != 0) {
    heldModifiers = up ? heldModifiers & ~modifier : heldModifiers | modifier;
    return;
  }
  int key = 0;
  std::string text;
  if (input.dwFlags & KEYEVENTF_UNICODE) {
    text = utf8Of(input.wScan);
  } else {
    keyOf(input.wVk, &key, &text);
  }
  Fl_Window* window = keyWindow();
  if (up || window == nullptr || (key == 0 && text.empty())) return;
  Fl::e_keysym = key;
  Fl::e_state = heldModifiers;
  Fl::e_text = text.data();
  Fl::e_length = static_cast<int>(text.size());
  Fl::handle(FL_KEYBOARD, window);
  Fl::e_text = const_cast<char*>("");
  Fl::e_length = 0;
}

// The shown window under the pointer, newest first; null if none.
Fl_Window* windowUnderPointer() {
  for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) {
    bool inside = pointer.x >= window->x() && pointer.x < window->x() + window->w() &&
                  pointer.y >= window->y() && pointer.y < window->y() + window->h();
    if (inside) return window;
  }
  return nullptr;
}

void useMouse(const MOUSEINPUT& input) {
  if (input.dwFlags & MOUSEEVENTF_MOVE) {
    LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    pointer = input.dwFlags & MOUSEEVENTF_ABSOLUTE
                  ? POINT{input.dx * width / 65536, input.dy * height / 65536}
                  : POINT{pointer.x + input.dx, pointer.y + input.dy};
  }
  bool down = input.dwFlags & MOUSEEVENTF_LEFTDOWN;
  Fl_Window* window = down           ? windowUnderPointer()
                      : Fl::pushed() ? Fl::pushed()->top_window()
                                     : nullptr;
  if (!(down || (input.dwFlags & MOUSEEVENTF_LEFTUP)) || window == nullptr) return;
  Fl::e_x_root = pointer.x;
  Fl::e_y_root = pointer.y;
  Fl::e_x = pointer.x - window->x();
  Fl::e_y = pointer.y - window->y();
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = heldModifiers | (down ? FL_BUTTON1 : 0);
  Fl::e_clicks = 0;
  Fl::e_is_click = down ? 1 : Fl::e_is_click;
  Fl::handle(down ? FL_PUSH : FL_RELEASE, window);
}

void deliverQueued(void*) {
  while (!queued().empty()) {
    INPUT input = queued().front();
    queued().pop_front();
    if (input.type == INPUT_KEYBOARD) pressKey(input.ki);
    if (input.type == INPUT_MOUSE) useMouse(input.mi);
  }
}

}  // namespace

UINT WINAPI SendInput(UINT cInputs, INPUT* pInputs, int cbSize) {
  if (cbSize != static_cast<int>(sizeof(INPUT)) || pInputs == nullptr) return 0;
  queued().insert(queued().end(), pInputs, pInputs + cInputs);
  if (!Fl::has_timeout(deliverQueued)) Fl::add_timeout(0.0, deliverQueued);
  return cInputs;
}
