// The Win32 user-interface calls that Glyphwise uses, for systems without Win32: the same names,
// types, values and signatures as <windows.h>, and nothing beyond what the program and its tests
// need. Implemented once in the other files of this folder, on the widgets of a back end (fltk/ or
// web/); each group of messages and calls below names the file that implements it.
#pragma once

#include <cstdint>

// ---- Calling conventions and basic types (32-bit DWORD and LONG, as on Windows) ----------------

#define WINAPI
#define CALLBACK

typedef int BOOL;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef unsigned int UINT;
typedef std::int32_t LONG;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t INT_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef const char* LPCSTR;
typedef char* LPSTR;

struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HICON__;
typedef HICON__* HICON;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT;

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT;

typedef struct tagWINDOWPLACEMENT {
  UINT length;
  UINT flags;
  UINT showCmd;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
} WINDOWPLACEMENT;

typedef struct tagMOUSEINPUT {
  LONG dx;
  LONG dy;
  DWORD mouseData;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
} MOUSEINPUT;

typedef struct tagKEYBDINPUT {
  WORD wVk;
  WORD wScan;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
} KEYBDINPUT;

typedef struct tagINPUT {
  DWORD type;
  union {
    MOUSEINPUT mi;
    KEYBDINPUT ki;
  };
} INPUT;

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

#define TRUE 1
#define FALSE 0

#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define LOWORD(l) ((WORD)(((ULONG_PTR)(l)) & 0xffff))
#define MAKEWPARAM(l, h) ((WPARAM)(((DWORD)LOWORD(l)) | (((DWORD)LOWORD(h)) << 16)))

// ---- Messages and values ------------------------------------------------------------------------

// Any window's text (window.cpp).
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D

// Sent to a dialog's procedure (dialog.cpp, dialogbox.cpp); WM_GETICON and WM_SETICON have
// defaults there. Tests send LBN_ and EN_ codes; the stand-in's controls send none.
#define WM_CLOSE 0x0010
#define WM_GETICON 0x007F
#define WM_SETICON 0x0080
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define BN_CLICKED 0
#define LBN_SELCHANGE 1
#define EN_CHANGE 0x0300
#define IDOK 1
#define IDCANCEL 2
#define ICON_SMALL 0
#define ICON_BIG 1

// Sent to a timer's procedure (timer.cpp).
#define WM_TIMER 0x0113

// The edit control (controls.cpp).
#define EM_LIMITTEXT 0x00C5

// The list box (controls.cpp).
#define LB_ADDSTRING 0x0180
#define LB_RESETCONTENT 0x0184
#define LB_GETTEXT 0x0189
#define LB_GETCOUNT 0x018B
#define LB_GETTOPINDEX 0x018E
#define LB_SETTOPINDEX 0x0197
#define LB_ERR (-1)

// Arguments of the calls below.
#define MB_OK 0x00000000
#define MB_ICONSTOP 0x00000010
#define MB_TASKMODAL 0x00002000
#define MB_SETFOREGROUND 0x00010000
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5
#define GCLP_HICON (-14)

// Input that SendInput queues (fltk/input.cpp): key presses and releases, as virtual keys or UTF-16
// characters, and mouse moves and left-button clicks at absolute places on the screen.
#define INPUT_MOUSE 0
#define INPUT_KEYBOARD 1
#define KEYEVENTF_KEYUP 0x0002
#define KEYEVENTF_UNICODE 0x0004
#define MOUSEEVENTF_MOVE 0x0001
#define MOUSEEVENTF_LEFTDOWN 0x0002
#define MOUSEEVENTF_LEFTUP 0x0004
#define MOUSEEVENTF_ABSOLUTE 0x8000
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_F4 0x73

// The styles of dialog templates that the stand-in acts on.
#define WS_VISIBLE 0x10000000
#define WS_VSCROLL 0x00200000
#define WS_TABSTOP 0x00010000
#define ES_UPPERCASE 0x0008
#define BS_DEFPUSHBUTTON 0x00000001
#define SS_ICON 0x00000003

// ---- Calls --------------------------------------------------------------------------------------

extern "C" {

// -- dialogbox.cpp: making, running, ending and destroying dialogs --

// Modal dialog of template `lpTemplateName` (hInstance: this module or NULL): builds it, sends
// WM_INITDIALOG (wParam: first WS_TABSTOP control, which gets the focus if the procedure returns
// TRUE), shows it, loops until EndDialog, destroys it; EndDialog's result, or -1 without template.
INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);

// As DialogBoxParamA without the loop: the dialog, shown only if the template has WS_VISIBLE; NULL.
HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);

// Marks the dialog ended with `nResult` (DialogBoxParamA's result) and hides it.
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);

// Destroys a dialog and its controls, whose handles become unknown at once; FALSE for a non-dialog.
BOOL WINAPI DestroyWindow(HWND hWnd);

// -- window.cpp: messages, controls, showing and enabling, for any window --

// Runs the window's procedure on the message and returns its result; 0 for an unknown window.
LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// SendMessageA to the dialog's control `nIDDlgItem`; 0 if there is no such control.
LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam);

// The window's rectangle on the screen: a control's, or a dialog's client area (the stand-in knows
// no frame); FALSE for an unknown window.
BOOL WINAPI GetWindowRect(HWND hWnd, RECT* lpRect);

// `lpPoint` in the window's client area made a point on the screen; FALSE for an unknown window.
// A control's client area is taken to be its whole rectangle.
BOOL WINAPI ClientToScreen(HWND hWnd, POINT* lpPoint);

// The dialog's control `nIDDlgItem`, or NULL.
HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);

// SW_HIDE hides the window, any other command shows it; nonzero if it was visible.
BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow);

// Nonzero if the window and its dialog are both shown.
BOOL WINAPI IsWindowVisible(HWND hWnd);

// Enables or disables the window (disabling the focus clears it); nonzero if it WAS disabled.
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable);

// Nonzero if the window is enabled.
BOOL WINAPI IsWindowEnabled(HWND hWnd);

// The newest dialog, as the topmost (class "#32770"; NULL: any), captioned lpWindowName ignoring
// case (NULL: any); NULL if none.
HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName);

// WM_GETTEXT of the dialog's control `nIDDlgItem` into cchMax bytes; "" and 0 without the control.
UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);

// -- focus.cpp: the keyboard focus --

// Gives the window the keyboard focus (NULL: nobody) and returns the previous focus window; a
// dialog passes it on to its first tab stop, and keeps it only when it has none.
HWND WINAPI SetFocus(HWND hWnd);

// The window with the keyboard focus, kept also while its dialog is hidden; NULL if none.
HWND WINAPI GetFocus(void);

// -- dialog.cpp: the icon and units of dialogs --

// GCLP_HICON only: sets the icon of dialogs without their own; the previous one (0 otherwise).
ULONG_PTR WINAPI SetClassLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);

// Each of the four values of `lpRect` in the dialog's units made pixels, as its controls' places
// and sizes are; FALSE for a non-dialog.
BOOL WINAPI MapDialogRect(HWND hDlg, RECT* lpRect);

// GCLP_HICON of a dialog: the icon SetClassLongPtrA set; 0 otherwise.
ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex);

// -- messagebox.cpp --

// Modal dialog captioned lpCaption: the literal text as static 0xFFFF, button IDOK (Enter, Space,
// Escape, close box and WM_COMMAND IDOK or IDCANCEL end it), stop sign for MB_ICONSTOP. The focus
// returns where it was. IDOK (0 if the box was destroyed).
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

// -- fltk/input.cpp: input as the player gives it, in the native build (tests give it so) --

// Queues the inputs (cbSize: sizeof(INPUT)) for the event loop, which delivers them to the focus
// or, for a click, to the window under the pointer, as it delivers the display's: Shift, Ctrl and
// Alt held, the US layout's letters, digits and space, Tab, Enter, Escape, F4, and any character
// with KEYEVENTF_UNICODE; the left button only. The count queued: 0 for a wrong cbSize.
UINT WINAPI SendInput(UINT cInputs, INPUT* pInputs, int cbSize);

// -- timer.cpp: timers without a window, run by the modal loops --

// Calls lpTimerFunc every uElapse ms until KillTimer: a new id (nIDEvent unused); 0 with a window
// or without a procedure.
UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);

// Stops the timer `uIDEvent` of SetTimer; FALSE if there is no such timer.
BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent);

// -- screen.cpp: the screen and a dialog's place on it --

// SM_CXSCREEN / SM_CYSCREEN: the first screen's width / height in pixels; 0 otherwise.
int WINAPI GetSystemMetrics(int nIndex);

// A dialog's placement (rcNormalPosition: its client area on screen); FALSE if length is wrong.
BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* lpwndpl);

// Moves a dialog's client area to rcNormalPosition and applies showCmd; FALSE if length is wrong.
BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* lpwndpl);

// -- module.cpp: this executable's module and its resources --

// NULL: this executable's module, whose resources are the embedded .res; NULL for other names.
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);

// This executable's path (NULL module) in nSize bytes with a NUL; its length, nSize if cut, or 0.
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

// The icon group named `lpIconName` from this module's resources (hInstance); NULL on failure.
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);

// -- winmain.cpp: main, which calls the program's entry --

// The program's entry, defined by the program; winapi_main's main calls it.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);

}  // extern "C"
