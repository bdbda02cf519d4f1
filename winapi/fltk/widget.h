// Inside the FLTK back end: what its windows share. Every dialog and control is an FLTK widget,
// drawn in one font, which takes no keys behind a message box and hands the dialog manager its
// keys first.
#pragma once

#include <FL/Enumerations.H>

#include "winapi/dialog.h"

class Fl_Widget;

namespace winapi {

// The FLTK font that stands in for the template's font ("MS Sans Serif").
const Fl_Font DIALOG_FONT = FL_HELVETICA;

// A window of this back end: the FLTK widget that shows it.
class FltkWindow {
 public:
  virtual ~FltkWindow() = default;
  virtual Fl_Widget& widget() = 0;
};

// The widget of the live window `hwnd`, or null.
Fl_Widget* widgetOf(HWND hwnd);

// True while a modal window other than the one holding `widget` is up (a message box): the
// dialog under it takes no keys then, as Win32 disables a message box's owner.
bool isBehindModal(const Fl_Widget& widget);

// The key of the FLTK key event in hand, as the dialog manager sees it.
Key keyOfEvent();

// True while the key event in hand inserts its text, rather than being a control key, a shortcut
// or a movement: neither Ctrl, Alt nor Meta held, and a printable first character.
bool isTypedText();

}  // namespace winapi
