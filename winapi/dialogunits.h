// Inside the stand-in: dialog units and the dialog font's size, with Win32's rounding: how a
// template's rectangles become pixels once a back end has measured its font.
#pragma once

namespace winapi {

// Win32's MulDiv: number * numerator / denominator, rounded half away from zero; -1 when the
// denominator is 0.
int mulDiv(int number, int numerator, int denominator);

// Win32's average character width from the width in pixels of "A".."Z" followed by "a".."z".
int averageCharWidth(int alphabetWidth);

// The font size in pixels that stands in for a template font of `pointSize` points (at 96 dpi; 8
// points when 0).
int dialogFontSize(int pointSize);

// The letters whose width gives the average character width.
constexpr char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The dialog's base units in pixels: one dialog unit is x / 4 pixels across and y / 8 down.
struct BaseUnits {
  int x;
  int y;
};

// A size and a rectangle in pixels.
struct PixelSize {
  int w, h;
};
struct PixelRect {
  int x, y, w, h;
};

// The rectangle at x, y of cx by cy dialog units, in pixels.
PixelRect toPixels(int x, int y, int cx, int cy, BaseUnits units);

}  // namespace winapi
