// Inside the stand-in: the list box (class 0x83) on FLTK's browser widget.
#pragma once

#include <FL/Fl_Browser.H>

#include "winapi/controls.h"

namespace winapi {

// Class 0x83, not sorted: lines are kept and drawn literally ('@' and tabs are plain
// characters), one per row, and LB_SETTOPINDEX scrolls by whole lines. A click gives it the
// focus, and it takes the characters typed then (Win32 selects a line by them; here they do
// nothing), so that they press no button.
class ListBox : public ControlWidget<Fl_Browser> {
 public:
  ListBox(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
  int handle(int event) override;
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  void item_draw(void* item, int x, int y, int w, int h) const override;
  int item_width(void* item) const override;

 private:
  LRESULT lineText(WPARAM index, char* buffer) const;
  LRESULT lineLength(WPARAM index) const;
  LRESULT setTopIndex(WPARAM index);
  LRESULT topIndex() const;
  int lineHeight() const;
};

}  // namespace winapi
