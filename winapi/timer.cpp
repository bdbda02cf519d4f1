// Timers without a window on the back end's timeouts: as on Win32, each calls its procedure from
// whatever event loop runs (a dialog's or a message box's) every period, until it is killed.
#include <chrono>
#include <map>

#include "winapi/toolkit.h"

namespace {

struct Timer {
  TIMERPROC proc;
  double seconds;
};

std::map<UINT_PTR, Timer>& timers() {
  static std::map<UINT_PTR, Timer> running;
  return running;
}

UINT_PTR lastId = 0;

void* keyOf(UINT_PTR id) { return reinterpret_cast<void*>(id); }

// Win32's tick count: milliseconds from some fixed start, wrapping around.
DWORD tickCount() {
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

// Re-arms the timer before its procedure runs, so that the procedure may kill it or run a loop.
void fire(void* key) {
  auto id = reinterpret_cast<UINT_PTR>(key);
  auto found = timers().find(id);
  if (found == timers().end()) return;
  TIMERPROC proc = found->second.proc;
  winapi::startTimeout(found->second.seconds, fire, key);
  proc(nullptr, WM_TIMER, id, tickCount());
}

}  // namespace

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR, UINT uElapse, TIMERPROC lpTimerFunc) {
  if (hWnd != nullptr || lpTimerFunc == nullptr) return 0;
  UINT_PTR id = ++lastId;
  double seconds = uElapse / 1000.0;
  timers()[id] = {lpTimerFunc, seconds};
  winapi::startTimeout(seconds, fire, keyOf(id));
  return id;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  if (hWnd != nullptr || timers().erase(uIDEvent) == 0) return FALSE;
  winapi::cancelTimeout(fire, keyOf(uIDEvent));
  return TRUE;
}
