// The game's window: the dialog procedure of template IDD_MAIN and the values it needs, written
// against the Win32 API (the real one on Windows, the stand-in in winapi/ elsewhere).
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "winapi/winapi.h"
#endif

#include "dictionary/dictionary.h"

// Hands the dialog the program's instance (for its icon) and its open dictionary, which must
// outlive every dialog made afterwards. WinMain calls it before running the dialog; tests may too.
void SetProgramValues(HINSTANCE instance, Dictionary* dictionary);

// The dialog procedure of template IDD_MAIN: starts a game on WM_INITDIALOG, forwards the game
// buttons to the controller, shows the About and Help boxes, and ends the dialog on Exit and on
// WM_CLOSE. Commands without a control handle (lParam 0, such as Escape) are ignored.
INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Moves `rect` to the centre of a screen of the given size, keeping its width and height; the
// halves are truncated toward zero, so a rectangle wider than the screen starts left of it.
void CentreRect(RECT* rect, int screenWidth, int screenHeight);
