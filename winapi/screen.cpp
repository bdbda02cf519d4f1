// The screen and where a dialog sits on it: GetSystemMetrics and the window placement calls.
// FLTK knows a window's client area only, so that is the rectangle they report and take.
#include <FL/Fl.H>

#include "winapi/dialog.h"

int WINAPI GetSystemMetrics(int nIndex) {
  int x, y, w, h;
  Fl::screen_xywh(x, y, w, h, 0);
  switch (nIndex) {
    case SM_CXSCREEN:
      return w;
    case SM_CYSCREEN:
      return h;
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
  lpwndpl->rcNormalPosition = {dialog->x(), dialog->y(), dialog->x() + dialog->w(),
                               dialog->y() + dialog->h()};
  return TRUE;
}

BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* lpwndpl) {
  winapi::Dialog* dialog = winapi::findDialog(hWnd);
  if (dialog == nullptr || lpwndpl->length != sizeof(WINDOWPLACEMENT)) return FALSE;
  const RECT& rect = lpwndpl->rcNormalPosition;
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  dialog->size_range(width, height, width, height);
  dialog->resize(rect.left, rect.top, width, height);
  ShowWindow(hWnd, static_cast<int>(lpwndpl->showCmd));
  return TRUE;
}
