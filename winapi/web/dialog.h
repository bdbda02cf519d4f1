// Inside the web back end: a dialog's <dialog> element, with its caption and icon in a title bar
// and its controls placed in dialog units; the page shows it scaled to fit, and centred.
#pragma once

#include <vector>

#include "winapi/dialog.h"
#include "winapi/web/page.h"

namespace winapi {

class PageDialog : public Dialog {
 public:
  // Builds the element and its controls from the template, placed in base `units`.
  PageDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units);
  ~PageDialog() override;

  void setVisible(bool visible) override;
  bool isVisible() override { return winapi_isVisible(hwnd()) != 0; }
  void setEnabled(bool enabled) override { _enabled = enabled; }
  bool isEnabled() override { return _enabled; }
  RECT screenRect() override { return _rect; }
  void takeFocus() override {}  // a dialog keeps the focus to itself
  void showCaption() override { winapi_setText(hwnd(), text().c_str()); }
  void showIcon() override;
  void moveTo(const RECT& rect) override { _rect = rect; }

 private:
  std::vector<Control*> _owned;  // the controls, deleted with the dialog
  RECT _rect;                    // where the program placed it; the page centres it itself
  bool _enabled = true;
};

}  // namespace winapi
