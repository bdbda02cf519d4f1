// The list box on FLTK's browser: LB_ messages by zero-based index, lines drawn literally, and a
// top line kept in whole lines, clamped so that the last line never rises above the bottom.
#include "winapi/listbox.h"

#include <FL/fl_draw.H>

#include <algorithm>
#include <cstring>

namespace winapi {

ListBox::ListBox(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : ControlWidget<Fl_Browser>(dialog, item, place) {
  type(FL_HOLD_BROWSER);
  box(FL_DOWN_BOX);
  textfont(DIALOG_FONT);
  textsize(place.fontSize);
  format_char(0);
  column_char(0);
  has_scrollbar((item.style & WS_VSCROLL) ? VERTICAL : 0);
}

int ListBox::handle(int event) {
  if (event == FL_KEYBOARD && isTypedText() && !isBehindModal(*this)) return 1;
  return ControlWidget<Fl_Browser>::handle(event);
}

LRESULT ListBox::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case LB_ADDSTRING:
      add(lParam ? reinterpret_cast<const char*>(lParam) : "");
      return size() - 1;
    case LB_RESETCONTENT:
      clear();
      return 0;
    case LB_GETCOUNT:
      return size();
    case LB_GETTEXT:
      return lineText(wParam, reinterpret_cast<char*>(lParam));
    case LB_SETTOPINDEX:
      return setTopIndex(wParam);
    case LB_GETTOPINDEX:
      return topIndex();
    default:
      return Control::message(msg, wParam, lParam);
  }
}

void ListBox::item_draw(void* item, int x, int y, int w, int h) const {
  Fl_Color color = textcolor();
  if (item_selected(item)) color = fl_contrast(color, selection_color());
  fl_font(textfont(), textsize());
  fl_color(active_r() ? color : fl_inactive(color));
  fl_draw(item_text(item), x + 3, y, w - 6, h, FL_ALIGN_LEFT, nullptr, 0);
}

int ListBox::item_width(void* item) const {
  fl_font(textfont(), textsize());
  return static_cast<int>(fl_width(item_text(item))) + 6;
}

// Like Win32's list box, LB_GETTEXT trusts the caller's buffer to hold the line and its NUL.
LRESULT ListBox::lineText(WPARAM index, char* buffer) const {
  LRESULT length = lineLength(index);
  if (length != LB_ERR)
    std::memcpy(buffer, Fl_Browser::text(static_cast<int>(index) + 1),
                static_cast<std::size_t>(length) + 1);
  return length;
}

LRESULT ListBox::lineLength(WPARAM index) const {
  if (index >= static_cast<WPARAM>(size())) return LB_ERR;
  return static_cast<LRESULT>(std::strlen(Fl_Browser::text(static_cast<int>(index) + 1)));
}

LRESULT ListBox::setTopIndex(WPARAM index) {
  if (index >= static_cast<WPARAM>(size())) return LB_ERR;
  // There is never a horizontal scroll bar, whatever FLTK's bbox() assumes before the first draw.
  int fullLines = (h() - Fl::box_dh(box())) / lineHeight();
  int lastTop = std::max(0, size() - fullLines);
  position(std::min(static_cast<int>(index), lastTop) * lineHeight());
  return 0;
}

LRESULT ListBox::topIndex() const { return size() == 0 ? 0 : position() / lineHeight(); }

// Every line has the same height: there is one font and no format characters.
int ListBox::lineHeight() const { return item_height(item_first()); }

}  // namespace winapi
