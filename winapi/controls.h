// Inside the stand-in: the controls of a dialog template as FLTK widgets that are also Windows:
// what every control shares, how one is made from its template item, and the two simple classes,
// push buttons and static text. The edit control and the list box have headers of their own.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Widget.H>

#include <string>

#include "resfile/resfile.h"
#include "winapi/dialogunits.h"
#include "winapi/focus.h"
#include "winapi/window.h"

namespace winapi {

// Where a control goes in its dialog and the size of its font, in pixels.
struct ControlPlace {
  PixelRect rect;
  int fontSize;
};

// What every control shares: its id, style and window text, and the dialog it belongs to.
class Control : public Window {
 public:
  Control(Dialog& dialog, const resfile::DialogItem& item);

  Dialog& dialog() override { return _dialog; }
  int id() const override { return _id; }
  std::string text() const override { return _text; }
  void setText(const char* text) override { _text = text; }

  DWORD style() const { return _style; }
  // A push button (either kind); Enter presses it while it has the focus.
  virtual bool isPushButton() const { return false; }

 private:
  Dialog& _dialog;
  int _id;
  DWORD _style;
  std::string _text;
};

// True while the key event in hand inserts its text, rather than being a control key, a shortcut
// or a movement: neither Ctrl, Alt nor Meta held, and a printable first character.
bool isTypedText();

// True for the classes the stand-in makes: button, edit, static and list box, given by atom.
bool isKnownControlClass(const resfile::DialogItem& item);

// Makes the control of `item` in `dialog`, which must be the current FLTK group; null for a class
// that isKnownControlClass rejects.
Control* createControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);

// A control on FLTK widget class `Base`: it leaves Tab, Enter and Escape to the dialog, as no
// control of these classes wants them on Win32, takes no keys behind a message box, and records
// the focus that FLTK gives it.
template <class Base>
class ControlWidget : public Base, public Control {
 public:
  ControlWidget(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
      : Base(place.rect.x, place.rect.y, place.rect.w, place.rect.h), Control(dialog, item) {}

  Fl_Widget& widget() override { return *this; }

  int handle(int event) override {
    bool key = event == FL_KEYBOARD || event == FL_SHORTCUT;
    if (key && (isDialogKey() || isBehindModal(*this))) return 0;
    int used = Base::handle(event);
    // FLTK gives the focus on a click without an FL_FOCUS event to some widgets (the browser).
    bool focused = event == FL_FOCUS ? used != 0 : event == FL_PUSH && Fl::focus() == this;
    if (focused) noteFocus(hwnd());
    return used;
  }

 private:
  static bool isDialogKey() {
    int key = Fl::event_key();
    return key == FL_Tab || key == FL_Enter || key == FL_KP_Enter || key == FL_Escape;
  }
};

// A control that shows its window text as its FLTK label: push buttons and static text.
template <class Base>
class LabelledControl : public ControlWidget<Base> {
 public:
  LabelledControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
      : ControlWidget<Base>(dialog, item, place) {
    Base::copy_label(item.text.c_str());
  }

  void setText(const char* text) override {
    Control::setText(text);
    Base::copy_label(text);
  }
};

// Class 0x80, BS_PUSHBUTTON or BS_DEFPUSHBUTTON: a click, its mnemonic ("&X": Alt+X) or Space
// while it has the focus sends WM_COMMAND BN_CLICKED to the dialog.
class Button : public LabelledControl<Fl_Button> {
 public:
  Button(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
  bool isPushButton() const override { return true; }
  bool isDefault() const { return (style() & 0xF) == BS_DEFPUSHBUTTON; }
  void click();

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

// Class 0x82: text left-aligned and wrapped at word breaks.
class Static : public LabelledControl<LiteralText> {
 public:
  Static(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place);
};

}  // namespace winapi
