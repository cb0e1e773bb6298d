#pragma once
// Lengths as the window's design gives them, in twips (1440 to the inch), and
// as the screen wants them, in pixels for the DPI of a monitor.
namespace tarnwick {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// Nearest whole pixel for a length in twips at the given DPI.
int TwipsToPixels(int twips, int dpi);
PixelRect ToPixels(const TwipsRect& twips, int dpi);

// A length in pixels at one DPI, at another (nearest whole pixel).
int ScaleForDpi(int pixels, int fromDpi, int toDpi);

}  // namespace tarnwick
