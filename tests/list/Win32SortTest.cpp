// Sorting in the real window: header clicks made of mouse messages, the rows
// read back from the real list view, the sort arrow and the widths read from
// the real header; and the system's order of key texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "TextOrderCases.h"
#include "app/Win32Program.h"
#include "app/Win32WindowHarness.h"
#include "base/Win32Text.h"
#include "list/Win32TextOrder.h"

namespace tarnwick::testing {
namespace {

using Names = std::vector<Str>;

TEST(Win32TextOrder, SortsNamesAsTheShellAndPaddedKeysAsNumbers) {
  const Win32TextOrder names;
  ExpectNameOrder(names);
  ExpectPaddedKeysInNumericOrder(names);
}

class Win32Sort : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareThread();
    program.LoadForm1();
    program.Window().Show();
    Drain(program.Loop());
  }
  void TearDown() override { DiscardQuitMessages(); }

  HWND List() { return program.Window().ControlWindow(DesignedControl::ListView1); }
  HWND Header() { return ListView_GetHeader(List()); }

  void CatchUp() {
    Drain(program.Loop());
    ::SendMessageW(program.Window().Handle(), WM_TIMER, kListFlushTimer, 0);
  }
  Names Rows() {
    CatchUp();
    Names out;
    const int count = static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
      wchar_t buffer[512] = {};
      LVITEMW lv{};
      lv.iSubItem = 0;
      lv.pszText = buffer;
      lv.cchTextMax = 512;
      ::SendMessageW(List(), LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
      out.push_back(FromWide(buffer));
    }
    return out;
  }
  // The mouse messages of a click at a point of the header.
  void ClickHeaderAt(int x) {
    RECT rect{};
    Header_GetItemRect(Header(), 0, &rect);
    const LPARAM point = MAKELPARAM(x, (rect.top + rect.bottom) / 2);
    ::SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageW(Header(), WM_LBUTTONUP, 0, point);
    Drain(program.Loop());
  }
  void ClickHeader(int header) {
    RECT rect{};
    Header_GetItemRect(Header(), header - 1, &rect);
    ClickHeaderAt((rect.left + rect.right) / 2);
  }
  // The arrow each header shows: 1 up, -1 down, 0 none.
  std::vector<int> Arrows() {
    std::vector<int> out;
    for (int index = 0; index < Header_GetItemCount(Header()); ++index) {
      HDITEMW item{};
      item.mask = HDI_FORMAT;
      Header_GetItem(Header(), index, &item);
      out.push_back((item.fmt & HDF_SORTUP) != 0 ? 1 : (item.fmt & HDF_SORTDOWN) != 0 ? -1 : 0);
    }
    return out;
  }
  static std::vector<int> ArrowOn(int header, int direction) {
    std::vector<int> out(kListView1Columns.size(), 0);
    out[static_cast<size_t>(header - 1)] = direction;
    return out;
  }
  std::vector<int> Widths() {
    std::vector<int> out;
    for (int index = 0; index < static_cast<int>(kListView1Columns.size()); ++index) {
      out.push_back(ListView_GetColumnWidth(List(), index));
    }
    return out;
  }

  Win32Program program{SW_SHOWNORMAL};
};

TEST_F(Win32Sort, HeaderClicksSortTheRowsAndMoveTheArrow) {
  Form1& form = program.Form();
  form.AddList(RowFacts{u"C:\\r\\a.txt\\", {5, 0, 0}, kRootFileRow});
  form.AddList(RowFacts{u"C:\\r\\Folder 10\\", {40, 3, 0}, kFolderRow});
  form.AddList(RowFacts{u"C:\\r\\folder 2\\", {10, 1, 0}, kFolderRow});
  form.AddList(RowFacts{u"C:\\r\\漢字\\", {30, 4, 0}, kFolderRow});
  form.AddList(RowFacts{u"C:\\r\\あいう\\", {20, 2, 0}, kFolderRow});
  form.AddList(RowFacts{u"C:\\r\\007\\", {50, 6, 0}, kFolderRow});
  form.AddList(RowFacts{u"C:\\r\\8\\", {60, 5, 0}, kFolderRow});
  EXPECT_EQ(Rows(), (Names{u"folder 2", u"あいう", u"漢字", u"Folder 10", u"007", u"8", u"a.txt"}));
  EXPECT_EQ(Arrows(), ArrowOn(3, 1));  // "サイズ", before any click

  ClickHeader(4);  // "ファイル数": another column, still ascending
  EXPECT_EQ(Rows(), (Names{u"folder 2", u"あいう", u"Folder 10", u"漢字", u"8", u"007", u"a.txt"}));
  EXPECT_EQ(Arrows(), ArrowOn(4, 1));
  ClickHeader(4);
  EXPECT_EQ(Rows(), (Names{u"007", u"8", u"漢字", u"Folder 10", u"あいう", u"folder 2", u"a.txt"}));
  EXPECT_EQ(Arrows(), ArrowOn(4, -1));
  ClickHeader(1);  // the name, as the shell orders names, still descending
  EXPECT_EQ(Rows(), (Names{u"漢字", u"あいう", u"Folder 10", u"folder 2", u"8", u"007", u"a.txt"}));
  EXPECT_EQ(Arrows(), ArrowOn(1, -1));
  ClickHeader(1);
  EXPECT_EQ(Rows(), (Names{u"007", u"8", u"folder 2", u"Folder 10", u"あいう", u"漢字", u"a.txt"}));
  EXPECT_EQ(Arrows(), ArrowOn(1, 1));
}

TEST_F(Win32Sort, HiddenColumnsCanNeitherBeWidenedNorClicked) {
  program.Form().AddList(RowFacts{u"C:\\r\\b\\", {2, 0, 0}, kFolderRow});
  program.Form().AddList(RowFacts{u"C:\\r\\a\\", {1, 0, 0}, kFolderRow});
  const std::vector<int> design = Widths();
  RECT last{};
  Header_GetItemRect(Header(), kSubLastChanged, &last);  // "更新日時", the last visible one
  const LPARAM onDivider = MAKELPARAM(last.right, (last.top + last.bottom) / 2);
  const LPARAM dragged = MAKELPARAM(last.right + 80, (last.top + last.bottom) / 2);

  // Dragging the divider after the last visible column, and double-clicking
  // it, leave every hidden column without width.
  ::SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, onDivider);
  ::SendMessageW(Header(), WM_MOUSEMOVE, MK_LBUTTON, dragged);
  ::SendMessageW(Header(), WM_LBUTTONUP, 0, dragged);
  ::SendMessageW(Header(), WM_LBUTTONDBLCLK, MK_LBUTTON, onDivider);
  ::SendMessageW(Header(), WM_LBUTTONUP, 0, onDivider);
  Drain(program.Loop());
  for (int index = 0; index < static_cast<int>(design.size()); ++index) {
    EXPECT_TRUE(!ColumnHidden(index) || Widths()[index] == 0) << index;
  }

  // A visible column still widens from just inside its divider, and the
  // hidden ones stay closed while it does.
  RECT size{};
  Header_GetItemRect(Header(), kSubSize, &size);
  const LPARAM inside = MAKELPARAM(size.right - 2, (size.top + size.bottom) / 2);
  const LPARAM pulled = MAKELPARAM(size.right + 80, (size.top + size.bottom) / 2);
  ::SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
  ::SendMessageW(Header(), WM_MOUSEMOVE, MK_LBUTTON, pulled);
  ::SendMessageW(Header(), WM_LBUTTONUP, 0, pulled);
  Drain(program.Loop());
  std::vector<int> widened = design;
  widened[kSubSize] = design[kSubSize] + 82;
  EXPECT_EQ(Widths(), widened);

  // Clicks right of the headers sort nothing.
  Header_GetItemRect(Header(), kSubLastChanged, &last);
  ClickHeaderAt(last.right + 1);
  ClickHeaderAt(last.right + 40);
  EXPECT_EQ(program.Form().Sorting().SortColumn(), kSubPaddedSize);
  EXPECT_EQ(program.Form().Sorting().SortOrder(), 0);
  EXPECT_EQ(Rows(), (Names{u"a", u"b"}));
}

}  // namespace
}  // namespace tarnwick::testing
