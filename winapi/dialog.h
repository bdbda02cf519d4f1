// Inside the stand-in: a dialog made from a template, whatever widgets show it: its controls in
// tab order, its dialog procedure with Win32's defaults behind it, its icons, and the keys that
// the Win32 dialog manager takes before any control. Each back end derives its window from it.
#pragma once

#include <string>
#include <vector>

#include "resfile/resfile.h"
#include "winapi/controls.h"
#include "winapi/window.h"

namespace winapi {

// A key pressed, as the dialog manager sees it whatever toolkit reported it.
struct Key {
  enum Code { OTHER, TAB, ENTER, ESCAPE, F4, CHARACTER };
  Code code;
  char character;  // CHARACTER's first byte
  bool shift, ctrl, alt;
};

class Dialog : public Window {
 public:
  // The dialog of `dialogTemplate`, placed in base `units`, without controls yet; sends no
  // message.
  Dialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units);

  // Runs the dialog procedure; where it returns FALSE, does what Win32's default dialog procedure
  // does for WM_SETICON, WM_GETICON and the window text. Destroying the dialog meanwhile is
  // deferred.
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;

  Dialog& dialog() override { return *this; }
  std::string text() const override { return _caption; }
  void setText(const char* text) override;

  DWORD style() const { return _style; }
  BaseUnits units() const { return _units; }

  // Adds the next control in tab order; the back end's window owns it.
  void addControl(Control* control) { _controls.push_back(control); }
  Control* control(int id) const;
  Control* firstTabStop() const;
  Control* focusedControl() const;

  // Sends WM_COMMAND BN_CLICKED for control `id`, from `from` (null: lParam 0).
  void command(int id, Control* from);

  // Acts on `key` as Win32's dialog manager does before the focused control sees it: Tab, Enter
  // and Escape with Shift, Ctrl or neither, Alt+F4, and a button's mnemonic with Alt, or without
  // it while the focused control takes no characters. Escape with Alt is taken and does nothing,
  // as the system keeps Alt+Escape for itself. True when taken.
  bool takeKey(const Key& key);

  // The title bar's close box: WM_CLOSE, or the command set by setCloseCommand.
  void closeBox();
  void setCloseCommand(int id) { _closeCommand = id; }

  // A modal dialog takes all input while it is shown: a message box.
  void setModal() { _modal = true; }
  bool isModal() const { return _modal; }

  void endDialog(INT_PTR result);
  bool ended() const { return _ended; }
  INT_PTR result() const { return _result; }

  // Makes the handles of the dialog and its controls unknown, hides it and deletes it: at once, or
  // from the event loop if a dialog procedure is running.
  void destroy();

  // The icon to show: the dialog's own big one, else its small one, else the class icon; or null.
  HICON shownIcon() const;

  // The back end's window: shows the caption and shownIcon(), and moves and sizes its client
  // area to `rect` on the screen.
  virtual void showCaption() = 0;
  virtual void showIcon() = 0;
  virtual void moveTo(const RECT& rect) = 0;

 private:
  bool pressMnemonic(const Key& key);
  void moveFocus(int step);
  void pressDefault();
  Control* defaultButton() const;
  LRESULT iconMessage(UINT msg, WPARAM type, LPARAM icon);

  static int procedureDepth;  // dialog procedures running now

  std::string _caption;
  DWORD _style;
  BaseUnits _units;
  DLGPROC _proc;
  std::vector<Control*> _controls;       // template order
  HICON _icons[2] = {nullptr, nullptr};  // ICON_SMALL and ICON_BIG
  int _closeCommand = 0;
  bool _modal = false;
  bool _ended = false;
  INT_PTR _result = 0;
};

// The dialog of `hwnd` (not one of its controls), or null.
Dialog* findDialog(HWND hwnd);

// Shows the dialog unless it has ended, runs the event loop until it ends or is destroyed, and
// destroys it (dialogbox.cpp). The result given to EndDialog, or 0 if it was destroyed meanwhile.
INT_PTR runModal(Dialog* dialog);

}  // namespace winapi
