#include <gtest/gtest.h>

#include "list/ColumnWidths.h"
#include "list/ListExport.h"

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
      {{100, 0, 0, 0, 0}, 486, true, {160, 80, 96, 67, 83}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitColumns(design, c.widest, c.listWidth, c.fullPath), c.widths) << c.listWidth << " " << c.fullPath;
  }
}

TEST(ColumnWidths, WidestTextAndTheRowsAsText) {
  ListModel rows;
  rows.AppendRow({u"C:\\r\\big\\", 10737418240.0, 3, 1, kFolderRow});
  rows.AppendRow({u"C:\\r\\a.txt\\", 7, 0, 0, kRootFileRow});
  rows.AppendRow({u"C:\\r\\Folder with a long name\\", 999999999999.0, 12, 0, kFolderRow});
  for (int i = 1; i <= rows.Count(); ++i) rows.Render(i, 2, false);
  // A wide "1" shows that shorter numbers are not measured at all.
  std::vector<Str> measured;
  const auto measure = [&](StrView text) {
    measured.emplace_back(text);
    return static_cast<int>(text.size()) * 10 + (text.find(u'1') != StrView::npos ? 5 : 0);
  };
  // Only 999,999,999,999 is measured: 10,737,418,240, one shorter, would
  // measure 145 with its "1"s.
  EXPECT_EQ(WidestColumnText(rows, kSubSize, measure), 150);
  EXPECT_EQ(measured, std::vector<Str>{u"999,999,999,999"});
  EXPECT_EQ(WidestColumnText(rows, 0, measure), 230);  // every name is measured
  EXPECT_EQ(measured.size(), 4u);
  EXPECT_EQ(WidestColumnText(ListModel(), kSubSize, measure), 0);

  EXPECT_EQ(EntryPath(rows, 2), u"C:\\r\\a.txt");  // a file's path names the file
  EXPECT_EQ(EntryPath(rows, 1), u"C:\\r\\big\\");
  EXPECT_EQ(RowsAsTable(rows),
            u"Name\tBytes\tFiles\tFolders\tPath\r\n"
            u"big\t10737418240\t3\t1\tC:\\r\\big\\\r\n"
            u"a.txt\t7\t0\t0\tC:\\r\\a.txt\r\n"
            u"Folder with a long name\t999999999999\t12\t0\tC:\\r\\Folder with a long name\\\r\n");
  EXPECT_EQ(RowsAsTable(ListModel()), u"Name\tBytes\tFiles\tFolders\tPath\r\n");
}

}  // namespace
}  // namespace tarnwick
