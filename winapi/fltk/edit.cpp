// The edit control on FLTK's input: typed and pasted text is handed to FLTK as the control's rules
// would insert it; WM_SETTEXT is never limited.
#include <cstdlib>
#include <cstring>
#include <string>

#include "winapi/fltk/controls.h"

namespace winapi {

namespace {

// FLTK marks a pasted image; text from its own selection comes with an empty type.
bool isPastedText() {
  const char* type = Fl::event_clipboard_type();
  bool image = type != nullptr && std::strcmp(type, Fl::clipboard_image) == 0;
  return Fl::event_text() != nullptr && !image;
}

}  // namespace

FltkEdit::FltkEdit(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : ControlWidget<Fl_Input, Edit>(dialog, item, place) {
  textfont(DIALOG_FONT);
  textsize(place.fontSize);
  maximum_size(static_cast<int>(limit()));
  value(item.text.c_str());
}

// As on Win32, the caret goes to the start with nothing selected.
void FltkEdit::setText(const char* text) {
  value(text);
  position(0);
}

int FltkEdit::handle(int event) {
  if (event == FL_KEYBOARD && isTypedText() && !isBehindModal(*this)) {
    return dialog().takeKey(keyOfEvent()) ? 1 : insertText(event);
  }
  if (event == FL_PASTE && isPastedText()) return insertText(event);
  return ControlWidget<Fl_Input, Edit>::handle(event);
}

// Hands FLTK the event with its text changed to what Win32 would insert; a full control takes
// nothing (Win32 beeps).
int FltkEdit::insertText(int event) {
  std::string typed(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
  std::string text = insertion(typed, static_cast<std::size_t>(std::abs(mark() - position())));
  if (text.empty()) return 1;
  char* eventText = Fl::e_text;
  int eventLength = Fl::e_length;
  Fl::e_text = text.data();
  Fl::e_length = static_cast<int>(text.size());
  int used = ControlWidget<Fl_Input, Edit>::handle(event);
  Fl::e_text = eventText;
  Fl::e_length = eventLength;
  return used;
}

// FLTK's own limit follows the control's, so that no other way in (an undo) passes it.
LRESULT FltkEdit::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = Edit::message(msg, wParam, lParam);
  if (msg == EM_LIMITTEXT) maximum_size(static_cast<int>(limit()));
  return result;
}

}  // namespace winapi
