// Inside the stand-in: the keyboard focus as Win32 reports it, which is kept here because FLTK
// keeps none for a window that is not shown, and which windows may take keys.
#pragma once

#include "winapi/winapi.h"

class Fl_Widget;

namespace winapi {

class Dialog;

// Records that FLTK gave the keyboard focus to `hwnd` (on a click or a Tab).
void noteFocus(HWND hwnd);

// Hands the recorded focus to FLTK when it lies in `dialog` and the dialog is shown.
void showFocus(Dialog& dialog);

// True while a modal window other than the one holding `widget` is up (a message box): the
// dialog under it takes no keys then, as Win32 disables a message box's owner.
bool isBehindModal(const Fl_Widget& widget);

}  // namespace winapi
