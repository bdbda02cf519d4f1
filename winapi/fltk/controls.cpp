// The FLTK widgets of the controls: how each is made from its template item, the keys as the
// dialog manager sees them, and the drawing of buttons, literal text and the stop sign.
#include "winapi/fltk/controls.h"

#include <FL/fl_draw.H>

#include <cstring>

namespace winapi {

namespace {

Control* newControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place) {
  switch (static_cast<ControlClass>(item.classAtom)) {
    case ControlClass::BUTTON:
      return new FltkButton(dialog, item, place);
    case ControlClass::EDIT:
      return new FltkEdit(dialog, item, place);
    case ControlClass::STATIC:
      return new FltkStatic(dialog, item, place);
    case ControlClass::LIST_BOX:
      return new FltkListBox(dialog, item, place);
    default:
      return nullptr;
  }
}

// MB_ICONSTOP's picture: a red disc with a white cross.
void drawStopSign(int x, int y, int w, int h) {
  fl_color(FL_RED);
  fl_pie(x, y, w, h, 0, 360);
  fl_color(FL_WHITE);
  fl_line_style(FL_SOLID, 4);
  int inset = w / 4;
  fl_line(x + inset, y + inset, x + w - inset, y + h - inset);
  fl_line(x + w - inset, y + inset, x + inset, y + h - inset);
  fl_line_style(0);
}

}  // namespace

Control* makeControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place) {
  Control* control = newControl(dialog, item, place);
  if (control == nullptr) return nullptr;
  Fl_Widget* widget = widgetOf(control->hwnd());
  widget->labelfont(DIALOG_FONT);
  widget->labelsize(place.fontSize);
  if ((item.style & WS_VISIBLE) == 0) widget->hide();
  return control;
}

Key keyOfEvent() {
  int state = Fl::event_state();
  Key key{Key::OTHER, 0, (state & FL_SHIFT) != 0, (state & FL_CTRL) != 0,
          (state & (FL_ALT | FL_META)) != 0};
  const int codes[][2] = {{FL_Tab, Key::TAB},
                          {FL_Enter, Key::ENTER},
                          {FL_KP_Enter, Key::ENTER},
                          {FL_Escape, Key::ESCAPE},
                          {FL_F + 4, Key::F4}};
  for (const auto& [flKey, code] : codes) {
    if (Fl::event_key() == flKey) key.code = static_cast<Key::Code>(code);
  }
  // Without text (X gives none for some keys with Alt), the key's own character.
  int first = Fl::event_length() > 0 ? static_cast<unsigned char>(Fl::event_text()[0])
                                     : (Fl::event_key() < 0x7F ? Fl::event_key() : 0);
  if (key.code == Key::OTHER && first >= 0x20 && first != 0x7F) {
    key.code = Key::CHARACTER;
    key.character = static_cast<char>(first);
  }
  return key;
}

bool isTypedText() {
  if (Fl::event_length() == 0 || Fl::event_state(FL_CTRL | FL_ALT | FL_META)) return false;
  unsigned char first = static_cast<unsigned char>(Fl::event_text()[0]);
  return first >= 0x20 && first != 0x7F;
}

FltkButton::FltkButton(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : LabelledControl<Fl_Button, Button>(dialog, item, place) {
  callback([](Fl_Widget* widget, void*) { static_cast<FltkButton*>(widget)->click(); });
}

// Win32 marks the default button with a heavier dark frame.
void FltkButton::draw() {
  Fl_Button::draw();
  if (isDefault()) {
    fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
    fl_rect(x(), y(), w(), h());
    fl_rect(x() + 1, y() + 1, w() - 2, h() - 2);
  }
}

void LiteralText::draw() {
  draw_box();
  fl_font(labelfont(), labelsize());
  fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
  fl_draw(label() ? label() : "", x(), y(), w(), h(), align(), nullptr, 0);
}

FltkStatic::FltkStatic(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : LabelledControl<LiteralText, Static>(dialog, item, place) {
  align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
}

void FltkStatic::draw() {
  if (isIcon()) {
    drawStopSign(x(), y(), w(), h());
  } else {
    LiteralText::draw();
  }
}

}  // namespace winapi
