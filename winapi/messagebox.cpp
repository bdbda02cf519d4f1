// MessageBoxA, made as Win32 makes it: a modal dialog from a template built here, with the caption
// as its title, the text as it is in the static control 0xFFFF, the button IDOK and, for
// MB_ICONSTOP, the icon control 0x14. It runs its own loop; being modal, it takes all input.
#include <algorithm>
#include <cstdint>

#include "winapi/dialog.h"
#include "winapi/toolkit.h"

namespace {

const int MARGIN = 12;
const int ICON_SIZE = 32;
const int BUTTON_WIDTH = 75;
const int BUTTON_HEIGHT = 23;
const UINT ICON_MASK = 0xF0;
const std::uint16_t POINT_SIZE = 8;
const std::uint16_t TEXT_ID = 0xFFFF;
const std::uint16_t ICON_ID = 0x14;

// The box is laid out in pixels from its measured text: these base units make a dialog unit one
// pixel.
const winapi::BaseUnits PIXELS = {4, 8};

std::int16_t units(int pixels) { return static_cast<std::int16_t>(std::min(pixels, 0x7FFF)); }

resfile::DialogItem item(winapi::ControlClass controlClass, std::uint16_t id, DWORD style,
                         const char* text, winapi::PixelRect rect) {
  resfile::DialogItem made;
  made.classAtom = static_cast<std::uint16_t>(controlClass);
  made.id = id;
  made.style = WS_VISIBLE | style;
  made.text = text;
  made.x = units(rect.x);
  made.y = units(rect.y);
  made.cx = units(rect.w);
  made.cy = units(rect.h);
  return made;
}

// The box's template, centred on the screen: the text beside the icon, if any, and OK below.
resfile::DialogTemplate boxTemplate(const char* text, const char* caption, bool stop) {
  winapi::PixelSize textSize = winapi::measureText(text, winapi::dialogFontSize(POINT_SIZE));
  ++textSize.w;  // a pixel to spare, so that the static control wraps no line of it
  int textX = stop ? 2 * MARGIN + ICON_SIZE : MARGIN;
  int bodyHeight = std::max(textSize.h, stop ? ICON_SIZE : 0);
  int width = std::max(textX + textSize.w + MARGIN, BUTTON_WIDTH + 2 * MARGIN);
  int height = 3 * MARGIN + bodyHeight + BUTTON_HEIGHT;
  winapi::PixelSize screen = winapi::screenSize();

  resfile::DialogTemplate box;
  box.caption = caption;
  box.x = units((screen.w - width) / 2);
  box.y = units((screen.h - height) / 2);
  box.cx = units(width);
  box.cy = units(height);
  box.pointSize = POINT_SIZE;
  int textY = MARGIN + (bodyHeight - textSize.h) / 2;
  using winapi::ControlClass;
  box.items = {item(ControlClass::STATIC, TEXT_ID, 0, text, {textX, textY, textSize.w, textSize.h}),
               item(ControlClass::BUTTON, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, "OK",
                    {(width - BUTTON_WIDTH) / 2, height - MARGIN - BUTTON_HEIGHT, BUTTON_WIDTH,
                     BUTTON_HEIGHT})};
  if (stop) {
    box.items.push_back(
        item(ControlClass::STATIC, ICON_ID, SS_ICON, "", {MARGIN, MARGIN, ICON_SIZE, ICON_SIZE}));
  }
  return box;
}

// OK and Escape end the box with IDOK, as they end Win32's box with only an OK button. WM_CLOSE,
// which the dialog sends on Alt+F4, is left alone: unlike Win32's, the box stays up.
INT_PTR CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
  bool ends = message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
  if (ends) EndDialog(box, IDOK);
  return ends ? TRUE : FALSE;
}

}  // namespace

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  bool stop = (uType & ICON_MASK) == MB_ICONSTOP;
  winapi::Dialog* dialog = winapi::makeDialog(
      boxTemplate(lpText ? lpText : "", lpCaption ? lpCaption : "Error", stop), boxProc, PIXELS);
  dialog->setModal();
  dialog->setCloseCommand(IDCANCEL);  // the close box
  HWND focus = SetFocus(GetDlgItem(dialog->hwnd(), IDOK));
  INT_PTR result = winapi::runModal(dialog);
  SetFocus(focus);
  return static_cast<int>(result);
}
