// A dialog's FLTK window: its controls placed from the template in dialog units, the close box,
// its icon, modality for message boxes, and the dialog manager's keys while no control has the
// focus.
#include "winapi/fltk/dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include <map>
#include <memory>

#include "winapi/fltk/controls.h"
#include "winapi/focus.h"
#include "winapi/module.h"

namespace winapi {

namespace {

// FLTK must not close the window itself: the close box asks the procedure, as Win32 does.
void onCloseBox(Fl_Widget* widget, void*) { static_cast<FltkDialog*>(widget)->closeBox(); }

// The FLTK image of an icon that LoadIconA returned, made once; null for none.
const Fl_RGB_Image* imageOf(HICON icon) {
  static std::map<HICON, std::unique_ptr<Fl_RGB_Image>> images;
  const resfile::IconImage* decoded = iconImage(icon);
  if (decoded == nullptr) return nullptr;
  std::unique_ptr<Fl_RGB_Image>& image = images[icon];
  if (!image) {
    image =
        std::make_unique<Fl_RGB_Image>(decoded->rgba.data(), decoded->width, decoded->height, 4);
  }
  return image.get();
}

}  // namespace

FltkDialog::FltkDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units)
    : FltkDialog(dialogTemplate, proc, units,
                 toPixels(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy,
                          units)) {}

FltkDialog::FltkDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units,
                       PixelRect frame)
    : Fl_Double_Window(frame.x, frame.y, frame.w, frame.h), Dialog(dialogTemplate, proc, units) {
  showCaption();
  callback(onCloseBox);
  size_range(w(), h(), w(), h());
  int fontSize = dialogFontSize(dialogTemplate.pointSize);
  for (const resfile::DialogItem& item : dialogTemplate.items) {
    addControl(makeControl(*this, item, placeOf(item, units, fontSize)));
  }
  end();
  showIcon();
}

void FltkDialog::showIcon() {
  const Fl_RGB_Image* images[] = {imageOf(shownIcon())};
  icons(images, images[0] ? 1 : 0);
}

void FltkDialog::moveTo(const RECT& rect) {
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  size_range(width, height, width, height);
  resize(rect.left, rect.top, width, height);
}

int FltkDialog::handle(int event) {
  bool key = event == FL_KEYBOARD || event == FL_SHORTCUT;
  if (key && isBehindModal(*this)) return 0;
  // A key that no control has offered the dialog manager: none has the focus, or it comes back
  // as an FLTK shortcut (taken so, Escape never lets FLTK close the window).
  bool unseen = event == FL_SHORTCUT || focusedControl() == nullptr;
  if (key && unseen && takeKey(keyOfEvent())) return 1;
  if (event == FL_FOCUS) {
    showFocus(*this);
    if (contains(Fl::focus())) return 1;
  }
  return Fl_Double_Window::handle(event);
}

void FltkDialog::show() {
  if (isModal()) set_modal();
  Fl_Double_Window::show();
  showFocus(*this);
}

Dialog* makeDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units) {
  return new FltkDialog(dialogTemplate, proc, units);
}

Fl_Widget* widgetOf(HWND hwnd) {
  auto* window = dynamic_cast<FltkWindow*>(findWindow(hwnd));
  return window ? &window->widget() : nullptr;
}

bool isBehindModal(const Fl_Widget& widget) {
  return Fl::modal() != nullptr && Fl::modal() != widget.top_window();
}

}  // namespace winapi
