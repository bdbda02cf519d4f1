// Inside the stand-in: the keyboard focus as Win32 reports it, which is kept here because a
// toolkit keeps none for a window that is not shown.
#pragma once

#include "winapi/winapi.h"

namespace winapi {

class Dialog;

// Records that the toolkit gave the keyboard focus to `hwnd` (on a click or a Tab).
void noteFocus(HWND hwnd);

// Hands the recorded focus to the toolkit when it lies on a control of `dialog` and the dialog is
// shown.
void showFocus(Dialog& dialog);

}  // namespace winapi
