// ListView1 shows the rows of the model: the owner-data list view reads every
// cell back from it, follows its order and keeps one selected row with it.
#include <string>

#include "app/Win32WindowFixture.h"
#include "scan/Win32Text.h"

namespace tarnwick::testing {
namespace {

class ResultListTest : public MainWindowTest {
 protected:
  HWND List() const { return Get(DesignedControl::ListView1); }

  Str Cell(int item, int subItem, int capacity = 512) {
    Drain(loop);
    std::wstring buffer(static_cast<size_t>(capacity), L'\0');
    LVITEMW lv{};
    lv.iSubItem = subItem;
    lv.pszText = buffer.data();
    lv.cchTextMax = capacity;
    const LRESULT length = ::SendMessageW(List(), LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
    return FromWide(std::wstring(lv.pszText, static_cast<size_t>(length)));
  }

  int Image(int item) const {
    LVITEMW lv{};
    lv.mask = LVIF_IMAGE;
    lv.iItem = item;
    ::SendMessageW(List(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv));
    return lv.iImage;
  }

  // New rows reach the list view when messages next run.
  int Count() {
    Drain(loop);
    return static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
  }
  int SelectedItem() const { return ListView_GetNextItem(List(), -1, LVNI_SELECTED); }

  // A row as the result rows are made: text, a few sub-items, a picture.
  void AddRow(const Str& name, const Str& size, const Str& key, int icon) {
    const int position = rows.Append(name, icon);
    rows.SetSubItem(position, 2, size);
    rows.SetSubItem(position, 10, icon == 1 ? u"1" : u"2");
    rows.SetSubItem(position, 11, key);
  }
};

TEST_F(ResultListTest, ShowsAppendedRowsWithSubItemsAndPictures) {
  EXPECT_EQ(Count(), 0);
  AddRow(u"photos", u"1,234,567", u"6000001234567", 1);
  AddRow(u"notes.txt", u"", u"7000000000012", 2);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Cell(0, 0), u"photos");
  EXPECT_EQ(Cell(0, 2), u"1,234,567");
  EXPECT_EQ(Cell(0, 10), u"1");
  EXPECT_EQ(Cell(0, 11), u"6000001234567");
  EXPECT_EQ(Cell(0, 1), u"");
  EXPECT_EQ(Cell(1, 0), u"notes.txt");
  EXPECT_EQ(Cell(1, 10), u"2");
  // Row pictures count from 1, the image list from 0.
  EXPECT_EQ(Image(0), 0);
  EXPECT_EQ(Image(1), 1);

  // A rewritten cell is read afresh.
  rows.SetText(1, u"Z:\\data\\photos\\");
  rows.SetSubItem(1, 1, u"1.2MB");
  EXPECT_EQ(Cell(0, 0), u"Z:\\data\\photos\\");
  EXPECT_EQ(Cell(0, 1), u"1.2MB");
}

TEST_F(ResultListTest, LongTextsAreCutToTheBufferGiven) {
  const Str name = u"日本語" + Str(300, u'x');
  AddRow(name, u"", u"", 1);
  EXPECT_EQ(Cell(0, 0, 10), name.substr(0, 9));
  EXPECT_EQ(Cell(0, 0, 1), u"");
  EXPECT_EQ(Cell(0, 0, 1024), name);
}

TEST_F(ResultListTest, FollowsTheModelsOrderAndSelection) {
  AddRow(u"small", u"", u"61", 1);
  AddRow(u"big", u"", u"69", 1);
  AddRow(u"file", u"", u"75", 2);
  // A row can be selected as soon as it is appended, before the list view
  // has been told of the new rows in one step.
  rows.Select(3);
  EXPECT_EQ(SelectedItem(), 2);
  rows.Select(1);  // "small"
  EXPECT_EQ(SelectedItem(), 0);

  rows.SetSortOrder(1);
  rows.SetSorted(true);  // descending: 75, 69, 61
  EXPECT_EQ(Cell(0, 0), u"file");
  EXPECT_EQ(Cell(1, 0), u"big");
  EXPECT_EQ(Cell(2, 0), u"small");
  // The selected row moved to the bottom; so does the list view's selection.
  EXPECT_EQ(rows.Selected(), 3);
  EXPECT_EQ(SelectedItem(), 2);

  rows.Select(0);
  EXPECT_EQ(SelectedItem(), -1);
}

TEST_F(ResultListTest, SelectingInTheListViewSelectsTheRow) {
  AddRow(u"a", u"", u"", 1);
  AddRow(u"b", u"", u"", 1);
  ASSERT_EQ(Count(), 2);
  ListView_SetItemState(List(), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(rows.Selected(), 2);
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);  // single selection moves
  EXPECT_EQ(rows.Selected(), 1);
  EXPECT_EQ(SelectedItem(), 0);
  ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
  EXPECT_EQ(rows.Selected(), 0);
}

TEST_F(ResultListTest, ClearingEmptiesTheViewAndManyRowsStayCheap) {
  for (int i = 0; i < 20000; ++i) AddRow(u"folder" + DecimalText(i), u"", u"", 1);
  EXPECT_EQ(Count(), 20000);
  EXPECT_EQ(Cell(19999, 0), u"folder19999");
  rows.Select(5);
  rows.Clear();
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(SelectedItem(), -1);
  AddRow(u"again", u"", u"", 2);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Cell(0, 0), u"again");
  EXPECT_EQ(Image(0), 1);
}

}  // namespace
}  // namespace tarnwick::testing
