// Test hook for the browser's end-to-end test: linked into a copy of the game (never the game
// itself), it fails an assertion from the game's event loop a second after it starts, as a fault
// in the program would; the test then sees the two boxes and the page's end.
#include "support/assert.h"
#include "winapi/winapi.h"

namespace {

void CALLBACK failNow(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  assertionFailed("_fp", "dictionary/diskdict.cpp", 57);
}

[[maybe_unused]] const UINT_PTR failing = SetTimer(nullptr, 0, 1000, failNow);

}  // namespace
