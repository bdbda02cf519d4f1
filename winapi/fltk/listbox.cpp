// The list box on FLTK's browser: its lines drawn literally, a top line kept in whole lines, and
// the characters typed into it taken.
#include <FL/fl_draw.H>

#include "winapi/fltk/controls.h"

namespace winapi {

FltkListBox::FltkListBox(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : ControlWidget<Fl_Browser, ListBox>(dialog, item, place) {
  type(FL_HOLD_BROWSER);
  box(FL_DOWN_BOX);
  textfont(DIALOG_FONT);
  textsize(place.fontSize);
  format_char(0);
  column_char(0);
  has_scrollbar((item.style & WS_VSCROLL) ? VERTICAL : 0);
}

int FltkListBox::handle(int event) {
  int used = ControlWidget<Fl_Browser, ListBox>::handle(event);
  bool typed = event == FL_KEYBOARD && isTypedText() && !isBehindModal(*this);
  return used || typed ? 1 : 0;
}

// There is never a horizontal scroll bar, whatever FLTK's bbox() assumes before the first draw.
int FltkListBox::fullLines() const { return (h() - Fl::box_dh(box())) / lineHeight(); }

void FltkListBox::item_draw(void* item, int x, int y, int w, int h) const {
  Fl_Color color = textcolor();
  if (item_selected(item)) color = fl_contrast(color, selection_color());
  fl_font(textfont(), textsize());
  fl_color(active_r() ? color : fl_inactive(color));
  fl_draw(item_text(item), x + 3, y, w - 6, h, FL_ALIGN_LEFT, nullptr, 0);
}

int FltkListBox::item_width(void* item) const {
  fl_font(textfont(), textsize());
  return static_cast<int>(fl_width(item_text(item))) + 6;
}

// Every line has the same height: there is one font and no format characters.
int FltkListBox::lineHeight() const { return item_height(item_first()); }

}  // namespace winapi
