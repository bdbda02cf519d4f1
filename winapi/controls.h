// Inside the stand-in: the controls of a dialog template as Win32 defines them, whatever widgets
// show them: what every control shares, and what push buttons, static text, the single-line edit
// control and the list box do with their messages. Each back end derives its widgets from these.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resfile/resfile.h"
#include "winapi/dialogunits.h"
#include "winapi/window.h"

namespace winapi {

// The classes the stand-in makes, by their atoms in a template.
enum class ControlClass { BUTTON = 0x80, EDIT = 0x81, STATIC = 0x82, LIST_BOX = 0x83 };

// True for the classes of ControlClass.
bool isKnownControlClass(const resfile::DialogItem& item);

// Where a control goes in its dialog and the size of its font, in pixels.
struct ControlPlace {
  PixelRect rect;
  int fontSize;
};

// The place of `item` in a dialog of base `units` and font size.
ControlPlace placeOf(const resfile::DialogItem& item, BaseUnits units, int fontSize);

// What every control shares: its id, style and window text, and the dialog it belongs to.
class Control : public Window {
 public:
  Control(Dialog& dialog, const resfile::DialogItem& item);

  Dialog& dialog() override { return _dialog; }
  int id() const override { return _id; }
  std::string text() const override { return _text; }
  void setText(const char* text) override { _text = text; }

  DWORD style() const { return _style; }
  // A tab stop that is enabled and shown: Tab and Shift+Tab visit it.
  bool isTabStop();
  // A push button (either kind); Enter presses it while it has the focus.
  virtual bool isPushButton() const { return false; }
  // Takes the characters typed while it has the focus (Win32's DLGC_WANTCHARS), so that a letter
  // typed then presses no button.
  virtual bool takesCharacters() const { return false; }

 private:
  Dialog& _dialog;
  int _id;
  DWORD _style;
  std::string _text;
};

// Class 0x80, BS_PUSHBUTTON or BS_DEFPUSHBUTTON: a click, its mnemonic ("&X": Alt+X) or Space
// while it has the focus sends WM_COMMAND BN_CLICKED to the dialog.
class Button : public Control {
 public:
  using Control::Control;
  bool isPushButton() const override { return true; }
  bool isDefault() const { return (style() & 0xF) == BS_DEFPUSHBUTTON; }
  // The upper-cased letter after the '&' of its text, or 0.
  char mnemonic() const;
  void click();
};

// Class 0x82: text left-aligned and wrapped at word breaks, or with SS_ICON a message box's icon.
class Static : public Control {
 public:
  using Control::Control;
  bool isIcon() const { return (style() & 0xF) == SS_ICON; }
};

// Class 0x81, single line: a paste keeps the text up to its first line break; EM_LIMITTEXT limits
// what the user types or pastes (not WM_SETTEXT) in bytes, as for Win32's ANSI windows, cutting at
// a whole UTF-8 character; ES_UPPERCASE turns typed and pasted a-z into A-Z.
class Edit : public Control {
 public:
  Edit(Dialog& dialog, const resfile::DialogItem& item);
  bool takesCharacters() const override { return true; }
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // What the control inserts when the user types or pastes `typed` over `replaced` bytes of its
  // text: "" when nothing fits (Win32 beeps).
  std::string insertion(std::string_view typed, std::size_t replaced) const;

  // The most bytes that the user may bring the text to.
  std::size_t limit() const { return _limit; }

 private:
  std::size_t _limit;
};

// Class 0x83, not sorted: LB_ messages by zero-based index; LB_SETTOPINDEX scrolls by whole lines
// and never lifts the last line above the bottom. It takes the characters typed while it has the
// focus (Win32 selects a line by them; here they do nothing).
class ListBox : public Control {
 public:
  using Control::Control;
  bool takesCharacters() const override { return true; }
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The back end's widget: shows a line added at the end, shows none, scrolls the line `top` to
  // the top, and tells the top line and how many whole lines it shows.
  virtual void showAddedLine(const std::string& line) = 0;
  virtual void showNoLines() = 0;
  virtual void scrollTo(int top) = 0;
  virtual int topLine() const = 0;
  virtual int fullLines() const = 0;

 private:
  LRESULT lineText(WPARAM index, char* buffer) const;
  LRESULT setTopIndex(WPARAM index);

  std::vector<std::string> _lines;
};

}  // namespace winapi
