// Inside the FLTK back end: a dialog's window, with its controls placed in dialog units, its
// caption and icon in the title bar, and the keys that reach it while no control has the focus.
#pragma once

#include <FL/Fl_Double_Window.H>

#include "winapi/dialog.h"
#include "winapi/fltk/widget.h"

namespace winapi {

class FltkDialog : public Fl_Double_Window, public Dialog, public FltkWindow {
 public:
  // Builds the window and its controls from the template, placed in base `units` of its font.
  FltkDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units);

  Fl_Widget& widget() override { return *this; }
  void setVisible(bool visible) override { visible ? show() : hide(); }
  bool isVisible() override { return shown() != 0; }
  void setEnabled(bool enabled) override { enabled ? activate() : deactivate(); }
  bool isEnabled() override { return active() != 0; }
  RECT screenRect() override { return {x(), y(), x() + w(), y() + h()}; }
  void takeFocus() override {}  // a dialog keeps the focus to itself
  void showCaption() override { copy_label(text().c_str()); }
  void showIcon() override;
  void moveTo(const RECT& rect) override;

  int handle(int event) override;
  using Fl_Double_Window::show;
  void show() override;

 private:
  FltkDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units,
             PixelRect frame);
};

}  // namespace winapi
