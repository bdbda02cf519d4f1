// The main routine of a program written for Win32, on systems without it: calls the program's
// WinMain as Windows would, with this executable's module, no previous instance, an empty command
// line and SW_SHOWNORMAL, and returns its result.
#include "winapi/winapi.h"

int main() {
  char commandLine[] = "";
  return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
}
