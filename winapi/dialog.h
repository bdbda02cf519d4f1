// Inside the stand-in: a dialog made from a template — its FLTK window with the controls in tab
// order, its dialog procedure, its icons, and the keys that the Win32 dialog manager handles.
#pragma once

#include <FL/Fl_Double_Window.H>

#include <string>
#include <vector>

#include "resfile/resfile.h"
#include "winapi/controls.h"
#include "winapi/dialogunits.h"
#include "winapi/window.h"

namespace winapi {

class Dialog : public Fl_Double_Window, public Window {
 public:
  // Builds the window and its controls from the template, placed in the base `units` of its font;
  // every control must be of a known class. Sends no message.
  Dialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units);

  // Runs the dialog procedure; where it returns FALSE, does what Win32's default dialog procedure
  // does for WM_SETICON, WM_GETICON and the window text. Destroying the dialog meanwhile is
  // deferred.
  LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam) override;

  Fl_Widget& widget() override { return *this; }
  Dialog& dialog() override { return *this; }
  std::string text() const override { return label() ? label() : ""; }
  void setText(const char* text) override { copy_label(text); }

  int handle(int event) override;
  using Fl_Double_Window::show;
  void show() override;

  DWORD style() const { return _style; }
  Control* control(int id) const;
  Control* firstTabStop() const;

  // Sends WM_COMMAND BN_CLICKED for control `id`, from `from` (null: lParam 0).
  void command(int id, Control* from);

  void endDialog(INT_PTR result);
  bool ended() const { return _ended; }
  INT_PTR result() const { return _result; }

  // Makes the handles of the dialog and its controls unknown, hides it and deletes it: at once, or
  // from the event loop if a dialog procedure is running.
  void destroy();

  // Shows the dialog's own icon, else the class icon; with neither, no icon.
  void showIcon();

 private:
  Dialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units,
         PixelRect frame);

  bool dialogKey();
  void moveFocus(int step);
  void pressDefault();
  Control* focusedControl() const;
  Control* defaultButton() const;
  LRESULT iconMessage(UINT msg, WPARAM type, LPARAM icon);

  static int procedureDepth;  // dialog procedures running now

  DWORD _style;
  DLGPROC _proc;
  std::vector<Control*> _controls;       // template order; the window owns the widgets
  HICON _icons[2] = {nullptr, nullptr};  // ICON_SMALL and ICON_BIG
  bool _ended = false;
  INT_PTR _result = 0;
};

// The dialog of `hwnd` (not one of its controls), or null.
Dialog* findDialog(HWND hwnd);

// Shows the dialog unless it has ended, runs the event loop until it ends or is destroyed, and
// destroys it (dialogbox.cpp). The result given to EndDialog, or 0 if it was destroyed meanwhile.
INT_PTR runModal(Dialog* dialog);

}  // namespace winapi
