// What the web back end gives the stand-in: the dialog font's measures from the page, the event
// loop that takes the player's input from the page's queue while the program sleeps in between
// (Asyncify keeps its stack), timeouts, the focus, and the page's size.
#include <map>
#include <utility>
#include <vector>

#include "winapi/focus.h"
#include "winapi/toolkit.h"
#include "winapi/web/controls.h"
#include "winapi/web/dialog.h"

namespace winapi {

namespace {

const int MAX_EVENT_TEXT = 4096;  // bytes of typed or pasted text an event carries

// The timeouts waiting, by the id the page hands back.
struct Timeout {
  void (*tick)(void*);
  void* key;
  int handle;
};
std::map<int, Timeout>& timeouts() {
  static std::map<int, Timeout> waiting;
  return waiting;
}
int lastTimeout = 0;

std::vector<Dialog*>& doomedDialogs() {
  static std::vector<Dialog*> doomed;
  return doomed;
}

void deleteDoomedDialogs() {
  std::vector<Dialog*> doomed;
  std::swap(doomed, doomedDialogs());
  for (Dialog* dialog : doomed) delete dialog;
}

Key keyOf(const PageEvent& event) {
  return {static_cast<Key::Code>(event.code), static_cast<char>(event.character), event.shift != 0,
          event.ctrl != 0, event.alt != 0};
}

// A key offered to the dialog manager that it does not take does nothing here: the page leaves
// every key that a control wants to the control.
void pressKey(const PageEvent& event) {
  Dialog* dialog = findDialog(reinterpret_cast<HWND>(event.hwnd));
  if (dialog != nullptr) dialog->takeKey(keyOf(event));
}

void clickButton(HWND hwnd) {
  Window* window = findWindow(hwnd);
  auto* control = dynamic_cast<Control*>(window);
  if (control != nullptr && control->isPushButton() && control->isEnabled()) {
    static_cast<Button*>(control)->click();
  }
}

void runTimeout(int id) {
  auto found = timeouts().find(id);
  if (found == timeouts().end()) return;
  Timeout timeout = found->second;
  timeouts().erase(found);
  timeout.tick(timeout.key);
}

void dispatch(const PageEvent& event, const char* text) {
  HWND hwnd = reinterpret_cast<HWND>(event.hwnd);
  auto* edit = dynamic_cast<PageEdit*>(findWindow(hwnd));
  switch (event.type) {
    case CLICK:
      clickButton(hwnd);
      break;
    case CLOSE:
      if (Dialog* dialog = findDialog(hwnd)) dialog->closeBox();
      break;
    case KEY:
      pressKey(event);
      break;
    case FOCUS:
      if (findWindow(hwnd) != nullptr) noteFocus(hwnd);
      break;
    case INSERT:
      if (edit != nullptr) edit->insert(text, static_cast<std::size_t>(event.replaced));
      break;
    case TIDY:
      if (edit != nullptr) edit->tidy();
      break;
    case TIMER:
      runTimeout(event.hwnd);
      break;
    default:
      break;
  }
}

}  // namespace

// Measured once a size: measuring lays out the page.
BaseUnits measureBaseUnits(int fontSize) {
  static std::map<int, BaseUnits> measured;
  auto found = measured.find(fontSize);
  if (found == measured.end()) {
    int size[2];
    winapi_measureText(ALPHABET, fontSize, size);
    found = measured.emplace(fontSize, BaseUnits{averageCharWidth(size[0]), size[1]}).first;
  }
  return found->second;
}

PixelSize measureText(const std::string& text, int fontSize) {
  int size[2];
  winapi_measureText(text.c_str(), fontSize, size);
  return {size[0], size[1]};
}

void waitForEvents() {
  deleteDoomedDialogs();
  PageEvent event;
  static char text[MAX_EVENT_TEXT];
  while (winapi_nextEvent(&event, text, MAX_EVENT_TEXT) == 0) winapi_waitForEvent();
  dispatch(event, text);
}

void deleteLater(Dialog* dialog) { doomedDialogs().push_back(dialog); }

void dropFocus() { winapi_focus(nullptr); }

PixelSize screenSize() {
  int size[2];
  winapi_screenSize(size);
  return {size[0], size[1]};
}

void startTimeout(double seconds, void (*tick)(void*), void* key) {
  int id = ++lastTimeout;
  timeouts()[id] = {tick, key, winapi_startTimeout(static_cast<int>(seconds * 1000), id)};
}

void cancelTimeout(void (*tick)(void*), void* key) {
  for (auto it = timeouts().begin(); it != timeouts().end(); ++it) {
    if (it->second.tick == tick && it->second.key == key) {
      winapi_cancelTimeout(it->second.handle);
      timeouts().erase(it);
      return;
    }
  }
}

std::string programPath() { return "glyphwise"; }

}  // namespace winapi
