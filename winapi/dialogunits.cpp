// Dialog units as Win32 reckons them: MulDiv's rounding, the average character width of the
// dialog font, and the conversion of a template's rectangles into pixels.
#include "winapi/dialogunits.h"

#include <cstdlib>

namespace winapi {

int mulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(number) * numerator;
  bool negative = (product < 0) != (denominator < 0);
  long long divisor = std::llabs(denominator);
  long long quotient = (std::llabs(product) + divisor / 2) / divisor;
  return static_cast<int>(negative ? -quotient : quotient);
}

int averageCharWidth(int alphabetWidth) { return (alphabetWidth / 26 + 1) / 2; }

int dialogFontSize(int pointSize) { return mulDiv(pointSize > 0 ? pointSize : 8, 96, 72); }

PixelRect toPixels(int x, int y, int cx, int cy, BaseUnits units) {
  return {mulDiv(x, units.x, 4), mulDiv(y, units.y, 8), mulDiv(cx, units.x, 4),
          mulDiv(cy, units.y, 8)};
}

}  // namespace winapi
