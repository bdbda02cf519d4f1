// Inside the web back end: the controls of a dialog template as the page's own elements: a
// button, a text input, static text and a list (<select>), made by library.js and reached by
// their window handles.
#pragma once

#include <string>

#include "winapi/controls.h"
#include "winapi/web/page.h"

namespace winapi {

// Makes the control of `item` in `dialog`, whose element exists; null for a class that
// isKnownControlClass rejects.
Control* makeControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);

// The control `Common` on its page element: what any window does, done to the element.
template <class Common>
class PageControl : public Common {
 public:
  PageControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place,
              PageControlKind kind, int flags);
  ~PageControl() override { winapi_removeWindow(Common::hwnd()); }

  void setVisible(bool visible) override { winapi_setVisible(Common::hwnd(), visible); }
  bool isVisible() override { return winapi_isVisible(Common::hwnd()) != 0; }
  void setEnabled(bool enabled) override { winapi_setEnabled(Common::hwnd(), enabled); }
  bool isEnabled() override { return winapi_isEnabled(Common::hwnd()) != 0; }
  void takeFocus() override { winapi_focus(Common::hwnd()); }
  RECT screenRect() override;

 private:
  PixelRect _rect;  // in the dialog's client area
};

// Push buttons and static text show their window text.
template <class Common>
class LabelledPageControl : public PageControl<Common> {
 public:
  using PageControl<Common>::PageControl;
  void setText(const char* text) override {
    Common::setText(text);
    winapi_setText(Common::hwnd(), text);
  }
};

// The entry keeps its text in the page's input.
class PageEdit : public PageControl<Edit> {
 public:
  PageEdit(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
  std::string text() const override;
  void setText(const char* text) override { winapi_setText(hwnd(), text); }

  // Puts what the player typed or pasted over the selection, as the control's rules let in.
  void insert(const char* typed, std::size_t replaced);
  // Brings the text to the rules again after a change that the page could not stop (an input
  // method's): upper-cased, its first line, at most the limit.
  void tidy();
};

// The list scrolls by whole lines of the dialog font's height.
class PageListBox : public PageControl<ListBox> {
 public:
  PageListBox(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);

 protected:
  void showAddedLine(const std::string& line) override { winapi_listAdd(hwnd(), line.c_str()); }
  void showNoLines() override { winapi_listClear(hwnd()); }
  void scrollTo(int top) override { winapi_listScroll(hwnd(), top, _lineHeight); }
  int topLine() const override { return winapi_listTop(hwnd(), _lineHeight); }
  int fullLines() const override { return winapi_listRows(hwnd(), _lineHeight); }

 private:
  int _lineHeight;
};

}  // namespace winapi
