// The main routine of a program written for Win32, on systems without it: calls the program's
// WinMain as Windows would, with this executable's module, no previous instance, an empty command
// line and SW_SHOWNORMAL, and ends the program with its result.
#include <cstdlib>

#include "winapi/winapi.h"

// Ends with exit rather than a return, which is the same: in the browser main returns to a caller
// that stopped waiting when it first slept between events, and only exit tells the page.
int main() {
  char commandLine[] = "";
  std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL));
}
