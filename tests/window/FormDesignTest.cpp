#include <gtest/gtest.h>

#include "window/FormDesign.h"

namespace tarnwick {
namespace {

TEST(FormDesign, TwipsBecomeNearestPixelsAtEachScale) {
  struct Case {
    int twips;
    int dpi;
    int pixels;
  };
  const Case cases[] = {
      {9435, 96, 629}, {9885, 96, 659}, {1000, 96, 67},  {1250, 96, 83},  {15, 96, 1},     {7, 96, 0},
      {8, 96, 1},      {0, 96, 0},      {9435, 144, 944}, {1000, 144, 100}, {9435, 192, 1258}, {1250, 120, 104},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
  EXPECT_EQ(ScaleForDpi(-12, 96, 144), -18);  // font heights are negative
  EXPECT_EQ(ScaleForDpi(16, 96, 144), 24);
  EXPECT_EQ(ScaleForDpi(100000, 96, 480), 500000);
}

TEST(ListView1Bounds, FillsTheWidthAndStopsAtTheStatusBar) {
  EXPECT_EQ(ListView1Bounds(629, 659, 84, 22), (PixelRect{0, 84, 629, 553}));
  EXPECT_EQ(ListView1Bounds(1000, 300, 84, 22), (PixelRect{0, 84, 1000, 194}));
  // Exactly room for nothing, then less than nothing: never a negative height.
  EXPECT_EQ(ListView1Bounds(200, 106, 84, 22), (PixelRect{0, 84, 200, 0}));
  EXPECT_EQ(ListView1Bounds(200, 50, 84, 22), (PixelRect{0, 84, 200, 0}));
  EXPECT_EQ(ListView1Bounds(0, 0, 84, 22), (PixelRect{0, 84, 0, 0}));
}

TEST(FormDesign, TheWindowKeepsItsTopRowAndPanelsApartAndFitsTheScreen) {
  EXPECT_EQ(TopRowRightTwips(), 60 + 5835 + 60);  // the root box and its margins
  // The second panel takes what its text needs, at most half the bar.
  EXPECT_EQ(FirstPanelRight(600, 200), 400);
  EXPECT_EQ(FirstPanelRight(301, 400), 151);
  EXPECT_EQ(FirstPanelRight(0, 50), 0);
  const PixelRect work{0, 0, 1920, 1040};
  EXPECT_EQ(FitIntoArea({100, 50, 944, 1027}, work), (PixelRect{100, 13, 944, 1027}));
  EXPECT_EQ(FitIntoArea({1500, -5, 1258, 1369}, work), (PixelRect{662, 0, 1258, 1040}));
}

}  // namespace
}  // namespace tarnwick
