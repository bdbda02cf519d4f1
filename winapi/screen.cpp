// The screen and where a dialog sits on it: GetSystemMetrics and the window placement calls.
// The back ends know a window's client area only, so that is the rectangle they report and take.
#include "winapi/dialog.h"
#include "winapi/toolkit.h"

int WINAPI GetSystemMetrics(int nIndex) {
  winapi::PixelSize screen = winapi::screenSize();
  switch (nIndex) {
    case SM_CXSCREEN:
      return screen.w;
    case SM_CYSCREEN:
      return screen.h;
    default:
      return 0;
  }
}

BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* lpwndpl) {
  winapi::Dialog* dialog = winapi::findDialog(hWnd);
  if (dialog == nullptr || lpwndpl->length != sizeof(WINDOWPLACEMENT)) return FALSE;
  lpwndpl->flags = 0;
  lpwndpl->showCmd = SW_SHOWNORMAL;
  lpwndpl->ptMinPosition = {-1, -1};
  lpwndpl->ptMaxPosition = {-1, -1};
  lpwndpl->rcNormalPosition = dialog->screenRect();
  return TRUE;
}

BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* lpwndpl) {
  winapi::Dialog* dialog = winapi::findDialog(hWnd);
  if (dialog == nullptr || lpwndpl->length != sizeof(WINDOWPLACEMENT)) return FALSE;
  dialog->moveTo(lpwndpl->rcNormalPosition);
  ShowWindow(hWnd, static_cast<int>(lpwndpl->showCmd));
  return TRUE;
}
