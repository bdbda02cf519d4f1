// MessageBoxA, made as Win32 makes it: a modal dialog from a template built here, with the caption
// as its title, the text as it is in the static control 0xFFFF, the button IDOK and, for
// MB_ICONSTOP, a stop sign. It runs its own loop; FLTK's modality keeps other windows from input.
#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdint>

#include "winapi/dialog.h"
#include "winapi/dialogunits.h"

namespace {

const int MARGIN = 12;
const int ICON_SIZE = 32;
const int BUTTON_WIDTH = 75;
const int BUTTON_HEIGHT = 23;
const UINT ICON_MASK = 0xF0;
const std::uint16_t POINT_SIZE = 8;
const std::uint16_t BUTTON_CLASS = 0x80;
const std::uint16_t STATIC_CLASS = 0x82;
const std::uint16_t TEXT_ID = 0xFFFF;

// The box is laid out in pixels from its measured text: these base units make a dialog unit one
// pixel.
const winapi::BaseUnits PIXELS = {4, 8};

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

std::int16_t units(int pixels) { return static_cast<std::int16_t>(std::min(pixels, 0x7FFF)); }

resfile::DialogItem item(std::uint16_t classAtom, std::uint16_t id, DWORD style, const char* text,
                         winapi::PixelRect rect) {
  resfile::DialogItem made;
  made.classAtom = classAtom;
  made.id = id;
  made.style = WS_VISIBLE | style;
  made.text = text;
  made.x = units(rect.x);
  made.y = units(rect.y);
  made.cx = units(rect.w);
  made.cy = units(rect.h);
  return made;
}

// OK and Escape end the box with IDOK, as they end Win32's box with only an OK button. WM_CLOSE,
// which the dialog sends on Alt+F4, is left alone: unlike Win32's, the box stays up.
INT_PTR CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
  bool ends = message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
  if (ends) EndDialog(box, IDOK);
  return ends ? TRUE : FALSE;
}

// The close box sends IDCANCEL to the box.
void closeBox(Fl_Widget* box, void*) {
  static_cast<winapi::Dialog*>(box)->command(IDCANCEL, nullptr);
}

}  // namespace

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  const char* text = lpText ? lpText : "";
  int textWidth = 0, textHeight = 0;
  fl_font(winapi::DIALOG_FONT, winapi::dialogFontSize(POINT_SIZE));
  fl_measure(text, textWidth, textHeight, 0);
  ++textWidth;  // a pixel to spare, so that the static control wraps no line of it

  bool stop = (uType & ICON_MASK) == MB_ICONSTOP;
  int textX = stop ? 2 * MARGIN + ICON_SIZE : MARGIN;
  int bodyHeight = std::max(textHeight, stop ? ICON_SIZE : 0);
  int width = std::max(textX + textWidth + MARGIN, BUTTON_WIDTH + 2 * MARGIN);
  int height = 3 * MARGIN + bodyHeight + BUTTON_HEIGHT;

  resfile::DialogTemplate box;
  box.caption = lpCaption ? lpCaption : "Error";
  box.cx = units(width);
  box.cy = units(height);
  box.pointSize = POINT_SIZE;
  int textY = MARGIN + (bodyHeight - textHeight) / 2;
  box.items = {item(STATIC_CLASS, TEXT_ID, 0, text, {textX, textY, textWidth, textHeight}),
               item(BUTTON_CLASS, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, "OK",
                    {(width - BUTTON_WIDTH) / 2, height - MARGIN - BUTTON_HEIGHT, BUTTON_WIDTH,
                     BUTTON_HEIGHT})};
  auto* dialog = new winapi::Dialog(box, boxProc, PIXELS);
  dialog->callback(closeBox);
  if (stop) dialog->add(new StopSign(MARGIN, MARGIN));

  int screenX, screenY, screenWidth, screenHeight;
  Fl::screen_xywh(screenX, screenY, screenWidth, screenHeight, 0);
  dialog->position(screenX + (screenWidth - width) / 2, screenY + (screenHeight - height) / 2);
  dialog->set_modal();
  HWND focus = SetFocus(GetDlgItem(dialog->hwnd(), IDOK));
  INT_PTR result = winapi::runModal(dialog);
  SetFocus(focus);
  return static_cast<int>(result);
}
