// Inside the FLTK back end: the controls of a dialog template as FLTK widgets: what every control
// widget does, how one is made from its template item, and the four classes: push buttons, static
// text, the single-line edit control on FLTK's input and the list box on FLTK's browser.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <string>

#include "winapi/controls.h"
#include "winapi/fltk/widget.h"
#include "winapi/focus.h"

namespace winapi {

// Makes the control of `item` in `dialog`, which must be the current FLTK group; null for a class
// that isKnownControlClass rejects.
Control* makeControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);

// The control `Common` on FLTK widget class `Widget`. Its keys go to the dialog manager first, as
// Win32's dialog loop hands them to IsDialogMessage; it takes none behind a message box, and no
// FLTK shortcut (the dialog manager presses buttons by their letters); it records the focus that
// FLTK gives it.
template <class Widget, class Common>
class ControlWidget : public Widget, public Common, public FltkWindow {
 public:
  ControlWidget(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
      : Widget(place.rect.x, place.rect.y, place.rect.w, place.rect.h), Common(dialog, item) {}

  Fl_Widget& widget() override { return *this; }
  void setVisible(bool visible) override { visible ? Widget::show() : Widget::hide(); }
  bool isVisible() override { return Fl_Widget::visible() != 0; }
  void setEnabled(bool enabled) override { enabled ? Widget::activate() : Widget::deactivate(); }
  bool isEnabled() override { return Widget::active() != 0; }
  void takeFocus() override { Widget::take_focus(); }
  RECT screenRect() override {
    const Fl_Widget* window = Widget::top_window();
    LONG left = window->x() + Widget::x(), top = window->y() + Widget::y();
    return {left, top, left + Widget::w(), top + Widget::h()};
  }

  int handle(int event) override {
    bool key = event == FL_KEYBOARD || event == FL_SHORTCUT;
    if (event == FL_SHORTCUT || (key && isBehindModal(*this))) return 0;
    if (key && Common::dialog().takeKey(keyOfEvent())) return 1;
    int used = Widget::handle(event);
    // FLTK gives the focus on a click without an FL_FOCUS event to some widgets (the browser).
    bool focused = event == FL_FOCUS ? used != 0 : event == FL_PUSH && Fl::focus() == this;
    if (focused) noteFocus(Common::hwnd());
    return used;
  }
};

// A control that shows its window text as its FLTK label: push buttons and static text.
template <class Widget, class Common>
class LabelledControl : public ControlWidget<Widget, Common> {
 public:
  LabelledControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
      : ControlWidget<Widget, Common>(dialog, item, place) {
    Widget::copy_label(item.text.c_str());
  }

  void setText(const char* text) override {
    Common::setText(text);
    Widget::copy_label(text);
  }
};

// A push button: a click or Space sends its command; the default one has a heavier frame.
class FltkButton : public LabelledControl<Fl_Button, Button> {
 public:
  FltkButton(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);

 protected:
  void draw() override;
};

// An FLTK widget that draws its label as it is ('@' and '&' have no special meaning), in its label
// font and colour, with its alignment.
class LiteralText : public Fl_Widget {
 public:
  LiteralText(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

 protected:
  void draw() override;
};

// Static text, or with SS_ICON the stop sign of a message box.
class FltkStatic : public LabelledControl<LiteralText, Static> {
 public:
  FltkStatic(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);

 protected:
  void draw() override;
};

// The edit control on FLTK's input: what the user types or pastes goes in as Edit::insertion
// gives it.
class FltkEdit : public ControlWidget<Fl_Input, Edit> {
 public:
  FltkEdit(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
  int handle(int event) override;
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;
  std::string text() const override { return value(); }
  void setText(const char* text) override;

 private:
  int insertText(int event);
};

// The list box on FLTK's browser: lines drawn literally ('@' and tabs are plain characters), one
// per row; typed characters are taken and do nothing.
class FltkListBox : public ControlWidget<Fl_Browser, ListBox> {
 public:
  FltkListBox(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
  int handle(int event) override;

 protected:
  void showAddedLine(const std::string& line) override { add(line.c_str()); }
  void showNoLines() override { clear(); }
  void scrollTo(int top) override { position(top * lineHeight()); }
  int topLine() const override { return position() / lineHeight(); }
  int fullLines() const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;
  int item_width(void* item) const override;

 private:
  int lineHeight() const;
};

}  // namespace winapi
