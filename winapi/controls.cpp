// The controls every dialog shares: what a control is (id, style, window text), how one is made
// from its template item, and the two simple classes, push buttons and static text.
#include "winapi/controls.h"

#include <FL/fl_draw.H>

#include "winapi/dialog.h"
#include "winapi/edit.h"
#include "winapi/listbox.h"

namespace winapi {

namespace {

const WORD BUTTON_CLASS = 0x80;
const WORD EDIT_CLASS = 0x81;
const WORD STATIC_CLASS = 0x82;
const WORD LIST_BOX_CLASS = 0x83;

Control* newControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place) {
  switch (item.classAtom) {
    case BUTTON_CLASS:
      return new Button(dialog, item, place);
    case EDIT_CLASS:
      return new Edit(dialog, item, place);
    case STATIC_CLASS:
      return new Static(dialog, item, place);
    case LIST_BOX_CLASS:
      return new ListBox(dialog, item, place);
    default:
      return nullptr;
  }
}

}  // namespace

Control::Control(Dialog& dialog, const resfile::DialogItem& item)
    : _dialog(dialog), _id(item.id), _style(item.style), _text(item.text) {}

Control* createControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place) {
  Control* control = newControl(dialog, item, place);
  if (control == nullptr) return nullptr;
  Fl_Widget& widget = control->widget();
  widget.labelfont(DIALOG_FONT);
  widget.labelsize(place.fontSize);
  if ((item.style & WS_VISIBLE) == 0) widget.hide();
  return control;
}

bool isTypedText() {
  if (Fl::event_length() == 0 || Fl::event_state(FL_CTRL | FL_ALT | FL_META)) return false;
  unsigned char first = static_cast<unsigned char>(Fl::event_text()[0]);
  return first >= 0x20 && first != 0x7F;
}

bool isKnownControlClass(const resfile::DialogItem& item) {
  return item.classAtom >= BUTTON_CLASS && item.classAtom <= LIST_BOX_CLASS;
}

Button::Button(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : LabelledControl<Fl_Button>(dialog, item, place) {
  callback([](Fl_Widget* widget, void*) { static_cast<Button*>(widget)->click(); });
}

void Button::click() { dialog().command(id(), this); }

// Win32 marks the default button with a heavier dark frame.
void Button::draw() {
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

Static::Static(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : LabelledControl<LiteralText>(dialog, item, place) {
  align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
}

}  // namespace winapi
