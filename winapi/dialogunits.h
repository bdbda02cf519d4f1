// Inside the stand-in: the dialog font and dialog units. The FLTK font that stands in for a
// template's font, its size in pixels, and the one conversion of dialog units into pixels, with
// Win32's rounding.
#pragma once

#include <FL/Enumerations.H>

namespace winapi {

// The FLTK font that stands in for the template's font ("MS Sans Serif").
const Fl_Font DIALOG_FONT = FL_HELVETICA;

// Win32's MulDiv: number * numerator / denominator, rounded half away from zero; -1 when the
// denominator is 0.
int mulDiv(int number, int numerator, int denominator);

// Win32's average character width from the width in pixels of "A".."Z" followed by "a".."z".
int averageCharWidth(int alphabetWidth);

// The font size in pixels that stands in for a template font of `pointSize` points (at 96 dpi; 8
// points when 0).
int dialogFontSize(int pointSize);

// The dialog's base units in pixels: one dialog unit is x / 4 pixels across and y / 8 down.
struct BaseUnits {
  int x;
  int y;
};

// The base units measured in DIALOG_FONT at `fontSize` pixels.
BaseUnits measureBaseUnits(int fontSize);

// A rectangle in pixels.
struct PixelRect {
  int x, y, w, h;
};

// The rectangle at x, y of cx by cy dialog units, in pixels.
PixelRect toPixels(int x, int y, int cx, int cy, BaseUnits units);

}  // namespace winapi
