// A dialog's page element: made with its controls from the template, shown (modal for a message
// box) and hidden, with its icon drawn from the decoded image.
#include "winapi/web/dialog.h"

#include "winapi/focus.h"
#include "winapi/module.h"
#include "winapi/web/controls.h"

namespace winapi {

PageDialog::PageDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units)
    : Dialog(dialogTemplate, proc, units) {
  PixelRect frame =
      toPixels(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy, units);
  _rect = {frame.x, frame.y, frame.x + frame.w, frame.y + frame.h};
  winapi_makeDialog(hwnd(), frame.w, frame.h);
  showCaption();
  int fontSize = dialogFontSize(dialogTemplate.pointSize);
  for (const resfile::DialogItem& item : dialogTemplate.items) {
    _owned.push_back(makeControl(*this, item, placeOf(item, units, fontSize)));
    addControl(_owned.back());
  }
  showIcon();
}

PageDialog::~PageDialog() {
  for (Control* control : _owned) delete control;
  winapi_removeWindow(hwnd());
}

void PageDialog::setVisible(bool visible) {
  if (!visible) {
    winapi_setVisible(hwnd(), false);
    return;
  }
  winapi_showDialog(hwnd(), isModal());
  showFocus(*this);
}

void PageDialog::showIcon() {
  const resfile::IconImage* icon = iconImage(shownIcon());
  if (icon == nullptr) {
    winapi_setIcon(hwnd(), nullptr, 0, 0);
  } else {
    winapi_setIcon(hwnd(), icon->rgba.data(), icon->width, icon->height);
  }
}

Dialog* makeDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units) {
  return new PageDialog(dialogTemplate, proc, units);
}

}  // namespace winapi
