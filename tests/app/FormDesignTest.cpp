#include <gtest/gtest.h>

#include "app/FormDesign.h"

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

TEST(FormDesign, TheWindowMakesRoomAndKeepsAMinimum) {
  EXPECT_EQ(StretchedWidth(389, 629, 629), 389);
  EXPECT_EQ(StretchedWidth(389, 1270, 629), 1030);
  EXPECT_EQ(StretchedWidth(389, 400, 629), 389);  // never narrower than designed
  // The root box's right edge and its left margin: 60 + 5835 + 60 twips.
  EXPECT_EQ(TopRowRightTwips(), 5955);
  EXPECT_EQ(MinimumClientSize(397, 84, 60, 20, 22), (PixelSize{397, 84 + 60 + 5 * 20 + 22}));

  // The second panel: what its text needs, at most half; the first ends there.
  const struct {
    int bar, needs, firstRight;
  } panels[] = {{600, 200, 400}, {600, 400, 300}, {301, 400, 151}, {0, 50, 0}, {600, 0, 600}};
  for (const auto& p : panels) EXPECT_EQ(FirstPanelRight(p.bar, p.needs), p.firstRight) << p.bar << " " << p.needs;

  const PixelRect work{0, 0, 1920, 1040};
  const struct {
    PixelRect window, fitted;
  } places[] = {
      {{100, 50, 944, 1027}, {100, 13, 944, 1027}},   // moved up to fit
      {{100, 50, 1258, 1369}, {100, 0, 1258, 1040}},  // taller than the area: cut to it
      {{1500, 0, 944, 700}, {976, 0, 944, 700}},      // moved in from the right
      {{-20, 10, 400, 300}, {0, 10, 400, 300}},
  };
  for (const auto& p : places) EXPECT_EQ(FitIntoArea(p.window, work), p.fitted) << p.window.left;
}

}  // namespace
}  // namespace tarnwick
