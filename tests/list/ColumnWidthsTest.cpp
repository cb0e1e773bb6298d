#include <gtest/gtest.h>

#include <algorithm>

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

TEST(ColumnWidths, OnlyTheLongestTextsAreMeasured) {
  ListModel rows;
  for (int i = 1; i <= 300; ++i) {
    rows.AppendRow({u"C:\\r\\" + Str(static_cast<size_t>(i), u'n') + u"\\", {i * 1000.0, 0, 0}, kFolderRow});
  }
  for (int i = 1; i <= rows.Count(); ++i) rows.Render(i, 1, false);
  std::vector<Str> measured;
  const auto measure = [&](StrView text) {
    measured.emplace_back(text);
    return static_cast<int>(text.size());
  };
  const size_t size = static_cast<size_t>(std::find(kShownColumns.begin(), kShownColumns.end(), kSubSize) - kShownColumns.begin());
  EXPECT_EQ(WidestColumnTexts(rows, false, measure)[size], 7);  // 300,000 and others of 7 characters
  // A few per column, never one per row.
  const size_t few = static_cast<size_t>(kVisibleColumns) * 4 * kMeasuredNumbers;
  EXPECT_LE(measured.size(), few);
  measured.clear();
  EXPECT_EQ(WidestColumnTexts(rows, true, measure)[0], 300);
  EXPECT_LE(measured.size(), kMeasuredNames + few);
}

// "M/D H:MM": texts that grow with the month, the day and the hour.
class UnpaddedTimes final : public TimeTexts {
  void AppendShort(std::uint64_t time, Str& out) const override {
    const Str iso = IsoUtcText(time);  // yyyy-MM-ddTHH:mm:ssZ
    const auto field = [&](size_t at) { return iso.substr(at + (iso[at] == u'0'), 2 - (iso[at] == u'0')); };
    out += field(5) + u"/" + field(8) + u" " + field(11) + iso.substr(13, 3);
  }
};

TEST(ColumnWidths, ATimeColumnFitsTheLongestTextAnyTimeGives) {
  const UnpaddedTimes times;
  ListModel rows(NaturalOrder(), {}, times);
  rows.AppendRow({u"C:\\r\\a\\", {1, 0, 0, 1}, kFolderRow});  // shows "1/1 0:00"
  ASSERT_TRUE(ColumnIsTime(kShownColumns.back()));
  EXPECT_EQ(WidestColumnTexts(rows, false, [](StrView text) { return static_cast<int>(text.size()); }).back(), 11);
}

}  // namespace
}  // namespace tarnwick
