// Inside the stand-in: the single-line edit control (class 0x81) on FLTK's input widget.
#pragma once

#include <FL/Fl_Input.H>

#include <string>

#include "winapi/controls.h"

namespace winapi {

// Class 0x81, single line: a paste keeps the text up to its first line break; EM_LIMITTEXT limits
// what the user types or pastes (not WM_SETTEXT) in bytes, as for Win32's ANSI windows, cutting at
// a whole UTF-8 character; ES_UPPERCASE turns typed and pasted a-z into A-Z.
class Edit : public ControlWidget<Fl_Input> {
 public:
  Edit(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
  int handle(int event) override;
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;
  std::string text() const override { return value(); }
  void setText(const char* text) override;

 private:
  int insertText(int event);
};

}  // namespace winapi
