#include "base/Twips.h"

namespace tarnwick {

int ScaleForDpi(int pixels, int fromDpi, int toDpi) {
  // Rounded to nearest, symmetric around zero, in 64 bits so that large
  // windows on very high DPI cannot overflow.
  const long long product = static_cast<long long>(pixels) * toDpi;
  const long long half = fromDpi / 2;
  const long long rounded = product >= 0 ? (product + half) / fromDpi : -((-product + half) / fromDpi);
  return static_cast<int>(rounded);
}

int TwipsToPixels(int twips, int dpi) { return ScaleForDpi(twips, kTwipsPerInch, dpi); }

PixelRect ToPixels(const TwipsRect& twips, int dpi) {
  return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi), TwipsToPixels(twips.width, dpi),
          TwipsToPixels(twips.height, dpi)};
}

}  // namespace tarnwick
