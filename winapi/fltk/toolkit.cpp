// What the FLTK back end gives the stand-in: its font's measures, its event loop, timeouts and
// focus, the screen, and this program's path.
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <unistd.h>

#include "winapi/fltk/dialog.h"
#include "winapi/toolkit.h"

namespace winapi {

namespace {

const double FOREVER = 1e20;  // seconds: Fl::wait until something happens

}  // namespace

BaseUnits measureBaseUnits(int fontSize) {
  fl_font(DIALOG_FONT, fontSize);
  return {averageCharWidth(static_cast<int>(fl_width(ALPHABET) + 0.5)), fl_height()};
}

PixelSize measureText(const std::string& text, int fontSize) {
  fl_font(DIALOG_FONT, fontSize);
  PixelSize size = {0, 0};
  fl_measure(text.c_str(), size.w, size.h, 0);
  return size;
}

void waitForEvents() { Fl::wait(FOREVER); }

void deleteLater(Dialog* dialog) { Fl::delete_widget(dynamic_cast<FltkDialog*>(dialog)); }

void dropFocus() { Fl::focus(nullptr); }

PixelSize screenSize() {
  int x, y, w, h;
  Fl::screen_xywh(x, y, w, h, 0);
  return {w, h};
}

void startTimeout(double seconds, void (*tick)(void*), void* key) {
  Fl::add_timeout(seconds, tick, key);
}

void cancelTimeout(void (*tick)(void*), void* key) { Fl::remove_timeout(tick, key); }

std::string programPath() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : "";
}

}  // namespace winapi
