// Identifiers of the window's resources and controls, shared by app/glyphwise.rc and the code.
// Kept free of anything but #define lines so that the resource compiler can read it too.
#pragma once

#define IDD_MAIN 101

#define IDC_HISTORY 1000
#define IDC_ENTRY 1001
#define IDC_GUESS 1002
#define IDC_NEW_GAME 1003
#define IDC_CONCEDE 1004
#define IDC_EXIT 1005
#define IDC_ABOUT 1006
#define IDC_HELP_BUTTON 1007  // <windows.h> has an IDC_HELP of its own
