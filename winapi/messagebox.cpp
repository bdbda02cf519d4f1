// MessageBoxA: a small modal window with the caption as its title, the text as it is, an OK
// button and, for MB_ICONSTOP, a stop sign. It runs its own loop on the caller's thread; FLTK's
// modality keeps every other window from taking input meanwhile.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "winapi/controls.h"
#include "winapi/dialog.h"
#include "winapi/dialogunits.h"
#include "winapi/focus.h"

namespace {

const int MARGIN = 12;
const int ICON_SIZE = 32;
const int BUTTON_WIDTH = 75;
const int BUTTON_HEIGHT = 23;
const UINT ICON_MASK = 0xF0;

// MB_ICONSTOP's picture: a red disc with a white cross.
class StopSign : public Fl_Widget {
 public:
  StopSign(int x, int y) : Fl_Widget(x, y, ICON_SIZE, ICON_SIZE) {}

 protected:
  void draw() override {
    fl_color(FL_RED);
    fl_pie(x(), y(), w(), h(), 0, 360);
    fl_color(FL_WHITE);
    fl_line_style(FL_SOLID, 4);
    int inset = w() / 4;
    fl_line(x() + inset, y() + inset, x() + w() - inset, y() + h() - inset);
    fl_line(x() + w() - inset, y() + inset, x() + inset, y() + h() - inset);
    fl_line_style(0);
  }
};

// The box's window: Enter and Escape dismiss it as its OK button does; so does the close box.
class BoxWindow : public Fl_Double_Window {
 public:
  BoxWindow(int w, int h, const char* caption) : Fl_Double_Window(w, h) { copy_label(caption); }

  int handle(int event) override {
    int key = Fl::event_key();
    bool dismissKey = key == FL_Enter || key == FL_KP_Enter || key == FL_Escape;
    if ((event == FL_KEYBOARD || event == FL_SHORTCUT) && dismissKey) {
      hide();
      return 1;
    }
    return Fl_Double_Window::handle(event);
  }
};

}  // namespace

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  const char* text = lpText ? lpText : "";
  int fontSize = winapi::dialogFontSize(8);
  int textWidth = 0, textHeight = 0;
  fl_font(winapi::DIALOG_FONT, fontSize);
  fl_measure(text, textWidth, textHeight, 0);

  bool stop = (uType & ICON_MASK) == MB_ICONSTOP;
  int textX = stop ? 2 * MARGIN + ICON_SIZE : MARGIN;
  int bodyHeight = std::max(textHeight, stop ? ICON_SIZE : 0);
  int width = std::max(textX + textWidth + MARGIN, BUTTON_WIDTH + 2 * MARGIN);
  int height = 3 * MARGIN + bodyHeight + BUTTON_HEIGHT;

  BoxWindow window(width, height, lpCaption ? lpCaption : "Error");
  if (stop) new StopSign(MARGIN, MARGIN);
  winapi::LiteralText* body = new winapi::LiteralText(textX, MARGIN, textWidth, bodyHeight);
  body->label(text);
  body->labelfont(winapi::DIALOG_FONT);
  body->labelsize(fontSize);
  body->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  Fl_Button* ok = new Fl_Button((width - BUTTON_WIDTH) / 2, height - MARGIN - BUTTON_HEIGHT,
                                BUTTON_WIDTH, BUTTON_HEIGHT, "OK");
  ok->labelsize(fontSize);
  ok->callback([](Fl_Widget* button, void*) { button->window()->hide(); });
  window.end();

  int screenX, screenY, screenWidth, screenHeight;
  Fl::screen_xywh(screenX, screenY, screenWidth, screenHeight, 0);
  window.position(screenX + (screenWidth - width) / 2, screenY + (screenHeight - height) / 2);
  window.set_modal();
  window.show();
  ok->take_focus();
  while (window.shown()) Fl::wait();

  if (winapi::Window* focused = winapi::findWindow(GetFocus())) {
    winapi::showFocus(focused->dialog());
  }
  return IDOK;
}
