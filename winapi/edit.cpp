// The single-line edit control: typed and pasted text is kept to its first line, upper-cased for
// ES_UPPERCASE and cut to the EM_LIMITTEXT limit before FLTK's input widget inserts it; WM_SETTEXT
// is never limited.
#include "winapi/edit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "support/ascii.h"

namespace winapi {

namespace {

// Win32's default limit of a new edit control, and what EM_LIMITTEXT 0 means for a single line.
const int DEFAULT_LIMIT = 32767;
const int NO_LIMIT = 0x7FFFFFFE;

// What ends the text that a single line takes: a line break, or a NUL, which ends any window text.
const std::string_view LINE_ENDS("\r\n\0", 3);

// FLTK marks a pasted image; text from its own selection comes with an empty type.
bool isPastedText() {
  const char* type = Fl::event_clipboard_type();
  bool image = type != nullptr && std::strcmp(type, Fl::clipboard_image) == 0;
  return Fl::event_text() != nullptr && !image;
}

}  // namespace

Edit::Edit(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : ControlWidget<Fl_Input>(dialog, item, place) {
  textfont(DIALOG_FONT);
  textsize(place.fontSize);
  maximum_size(DEFAULT_LIMIT);
  value(item.text.c_str());
}

// As on Win32, the caret goes to the start with nothing selected.
void Edit::setText(const char* text) {
  value(text);
  position(0);
}

int Edit::handle(int event) {
  bool inserts = (event == FL_KEYBOARD && isTypedText()) || (event == FL_PASTE && isPastedText());
  return inserts ? insertText(event) : ControlWidget<Fl_Input>::handle(event);
}

// Hands FLTK the event with its text changed to what Win32 would insert: the text up to its first
// line break, cut to the room left at a whole character; a full control takes nothing (Win32
// beeps).
int Edit::insertText(int event) {
  std::string text(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
  text.resize(std::min(text.size(), text.find_first_of(LINE_ENDS)));
  if (style() & ES_UPPERCASE) {
    for (char& c : text) c = asciiUpper(c);
  }
  int room = maximum_size() - size() + std::abs(mark() - position());
  text.resize(wholeCharacters(text, static_cast<std::size_t>(std::max(room, 0))));
  if (text.empty()) return 1;

  char* eventText = Fl::e_text;
  int eventLength = Fl::e_length;
  Fl::e_text = text.data();
  Fl::e_length = static_cast<int>(text.size());
  int used = ControlWidget<Fl_Input>::handle(event);
  Fl::e_text = eventText;
  Fl::e_length = eventLength;
  return used;
}

LRESULT Edit::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != EM_LIMITTEXT) return Control::message(msg, wParam, lParam);
  bool unlimited = wParam == 0 || wParam > static_cast<WPARAM>(NO_LIMIT);
  maximum_size(unlimited ? NO_LIMIT : static_cast<int>(wParam));
  return 0;
}

}  // namespace winapi
