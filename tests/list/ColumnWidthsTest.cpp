#include <gtest/gtest.h>

#include "list/ColumnWidths.h"

namespace tarnwick {
namespace {

TEST(ColumnWidths, NumbersNeverCutNameTakesTheRoom) {
  const ColumnPixels design{160, 80, 96, 67, 83};  // 486 in all
  const struct {
    ColumnPixels widest;
    int listWidth;
    bool fullPath;
    ColumnPixels widths;
  } cases[] = {
      {{0, 0, 0, 0, 0}, 486, false, {160, 80, 96, 67, 83}},         // as designed
      {{0, 0, 0, 0, 0}, 300, false, {160, 80, 96, 67, 83}},         // never below the design
      {{0, 0, 0, 0, 0}, 900, false, {574, 80, 96, 67, 83}},         // the name takes the room
      {{0, 110, 120, 0, 0}, 486, false, {160, 110, 120, 67, 83}},   // numbers widen
      {{0, 110, 120, 0, 0}, 900, false, {520, 110, 120, 67, 83}},   // ... out of the name's room
      {{700, 0, 0, 0, 0}, 900, false, {574, 80, 96, 67, 83}},       // bare names: no widening
      {{700, 0, 0, 0, 0}, 900, true, {700, 80, 96, 67, 83}},        // paths widen the name
      {{2000, 0, 0, 0, 0}, 900, true, {900, 80, 96, 67, 83}},       // up to the list's width
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitColumns(design, c.widest, c.listWidth, c.fullPath), c.widths) << c.listWidth << " " << c.fullPath;
  }
}

}  // namespace
}  // namespace tarnwick
