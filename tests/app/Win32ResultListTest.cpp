// ListView1 shows the rows of the model: the owner-data list view reads every
// cell back from it, follows its order and keeps one selected row with it.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/Win32WindowFixture.h"
#include "base/Win32Text.h"
#include "base/Win32Unique.h"

namespace tarnwick::testing {
namespace {

struct MemoryDcTraits {
  using type = HDC;
  static type invalid() { return nullptr; }
  static void close(type h) { ::DeleteDC(h); }
};
struct BitmapTraits {
  using type = HBITMAP;
  static type invalid() { return nullptr; }
  static void close(type h) { ::DeleteObject(h); }
};

// A window's device context, given back to the window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDc() { ::ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// What a window shows on screen now, one 32-bit pixel per point.
std::vector<std::uint32_t> ScreenPixels(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return {};
  WindowDc screen(window);
  UniqueAny<MemoryDcTraits> memory(::CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueAny<BitmapTraits> bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap || bits == nullptr) return {};
  const HGDIOBJ previous = ::SelectObject(memory.get(), bitmap.get());
  ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  ::GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
  ::SelectObject(memory.get(), previous);
  return pixels;
}

// A text followed by a number: "r" and 12 give r12.
Str Numbered(StrView prefix, std::int64_t n) {
  Str text(prefix);
  text += DecimalText(n);
  return text;
}

// The first line of pixels in which two pictures of a window differ; -1
// when they are the same.
int FirstDifferentLine(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b, HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  if (a.size() != b.size() || client.right <= 0) return 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return static_cast<int>(i / static_cast<size_t>(client.right));
  }
  return -1;
}

class ResultListTest : public MainWindowTest {
 protected:
  HWND List() const { return Get(DesignedControl::ListView1); }

  // Lets queued messages run, then the catch-up that the list view's timer
  // would bring at the latest: the list view is then up to date.
  void Settle() {
    Drain(loop);
    ::SendMessageW(Main(), WM_TIMER, kListFlushTimer, 0);
    Drain(loop);
  }

  Str Cell(int item, int subItem, int capacity = 512) {
    Settle();
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

  int Count() {
    Settle();
    return static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
  }
  int SelectedItem() const { return ListView_GetNextItem(List(), -1, LVNI_SELECTED); }

  // A folder row as a search adds it: unsorted while it is written, then
  // keyed and put in its place by its size, then a pump.
  void AddSorted(const Str& name, double size) {
    sorting.SetSorted(false);
    AddRow(name, size, kFolderRow);
    sorting.BuildSortKeys();
    sorting.SetSorted(true);
    Drain(loop);
  }

  // The list view's rows must be the model's rows, in its order.
  void ExpectListShowsModel() {
    ASSERT_EQ(Count(), rows.Count());
    for (int i = 1; i <= rows.Count(); ++i) {
      ASSERT_EQ(Cell(i - 1, 0), rows.Row(i).text) << "row " << i;
      ASSERT_EQ(Cell(i - 1, kSubSize), rows.SubItem(i, kSubSize)) << "row " << i;
    }
  }

  // The catch-up the flush timer brings, alone: what it leaves to repaint
  // can be read before any message runs.
  RECT FlushAndGetUpdateRect() {
    ::SendMessageW(Main(), WM_TIMER, kListFlushTimer, 0);
    RECT update{};
    if (!::GetUpdateRect(List(), &update, FALSE)) return RECT{};
    return update;
  }
  RECT ItemRect(int item) const {
    RECT rect{};
    ListView_GetItemRect(List(), item, &rect, LVIR_BOUNDS);
    return rect;
  }
  // Paints what is waiting, so that nothing of the list view is invalid.
  void PaintNow() {
    Settle();
    ::UpdateWindow(List());
    RECT update;
    ASSERT_FALSE(::GetUpdateRect(List(), &update, FALSE));
  }

  // A row as a search adds it, shown with its bare name in MB.
  void AddRow(const Str& name, double size, int kind) {
    const int position = rows.AppendRow(RowFacts{u"Z:\\data\\" + name + u"\\", {size, 0, 0}, kind});
    rows.Render(position, 1, false);
  }
};

TEST_F(ResultListTest, ShowsAppendedRowsWithSubItemsAndPictures) {
  EXPECT_EQ(Count(), 0);
  AddRow(u"photos", 1234567, kFolderRow);
  AddRow(u"notes.txt", 0, kRootFileRow);
  sorting.BuildSortKeys();
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Cell(0, 0), u"photos");
  EXPECT_EQ(Cell(0, kSubSize), u"1,234,567");
  EXPECT_EQ(Cell(0, kSubKind), u"1");
  EXPECT_EQ(Cell(0, kSubCompositeKey), u"6" + Str(23, u'0') + u"1234567");
  EXPECT_EQ(Cell(0, kSubSimpleSize), u"1.1MB");
  EXPECT_EQ(Cell(1, 0), u"notes.txt");
  EXPECT_EQ(Cell(1, kSubKind), u"2");
  // Row pictures count from 1, the image list from 0.
  EXPECT_EQ(Image(0), 0);
  EXPECT_EQ(Image(1), 1);

  // A row rendered again is read afresh.
  rows.Render(1, 2, true);
  EXPECT_EQ(Cell(0, 0), u"Z:\\data\\photos\\");
  EXPECT_EQ(Cell(0, kSubSimpleSize), u"1205.6KB");
}

TEST_F(ResultListTest, ARowWithShortTotalsShowsTheOverlayOverItsPicture) {
  AddRow(u"complete", 1, kFolderRow);
  AddRow(u"short", 2, kFolderRow);
  rows.SetOverlay(2, kShortTotalsOverlay);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(ListView_GetItemState(List(), 0, LVIS_OVERLAYMASK), 0u);
  EXPECT_EQ(ListView_GetItemState(List(), 1, LVIS_OVERLAYMASK), static_cast<UINT>(INDEXTOOVERLAYMASK(1)));
  EXPECT_EQ(Cell(1, 0), u"short");
  EXPECT_EQ(Image(1), 0);  // still the folder picture

  // The mark is drawn over the picture: the two folder pictures differ on
  // screen while only one row carries it.
  const auto iconPixels = [&](int item) {
    PaintNow();
    RECT client{};
    ::GetClientRect(List(), &client);
    RECT icon{};
    ListView_GetItemRect(List(), item, &icon, LVIR_ICON);
    const std::vector<std::uint32_t> screen = ScreenPixels(List());
    std::vector<std::uint32_t> pixels;
    for (int y = icon.top; y < icon.bottom; ++y) {
      for (int x = icon.left; x < icon.right; ++x) pixels.push_back(screen[static_cast<size_t>(y * client.right + x)]);
    }
    return pixels;
  };
  ASSERT_FALSE(iconPixels(0).empty());
  EXPECT_NE(iconPixels(0), iconPixels(1));

  rows.SetOverlay(2, 0);
  Settle();
  EXPECT_EQ(ListView_GetItemState(List(), 1, LVIS_OVERLAYMASK), 0u);
  EXPECT_EQ(iconPixels(0), iconPixels(1));
}

TEST_F(ResultListTest, LongTextsAreCutToTheBufferGiven) {
  const Str name = u"日本語" + Str(300, u'x');
  AddRow(name, 0, kFolderRow);
  EXPECT_EQ(Cell(0, 0, 10), name.substr(0, 9));
  EXPECT_EQ(Cell(0, 0, 1), u"");
  EXPECT_EQ(Cell(0, 0, 1024), name);
}

TEST_F(ResultListTest, ANameLongerThanTheListViewDrawsIsDrawnWhole) {
  // Alike in what the list view would draw of them, different after it.
  AddRow(Str(280, u'x') + Str(40, u'W'), 0, kFolderRow);
  AddRow(Str(320, u'x'), 0, kFolderRow);
  ASSERT_EQ(Count(), 2);
  // The column fits the longer name, as "View Full Path" fits it.
  ListView_SetColumnWidth(List(), 0, ListView_GetStringWidth(List(), ToWide(Str(320, u'x')).c_str()) + 40);
  // The ends of the names in view.
  RECT label{};
  ListView_GetItemRect(List(), 0, &label, LVIR_LABEL);
  RECT client{};
  ::GetClientRect(List(), &client);
  ListView_Scroll(List(), label.right - client.right, 0);
  const auto tailPixels = [&](int item) {
    PaintNow();
    RECT rect{};
    ListView_GetItemRect(List(), item, &rect, LVIR_LABEL);
    const std::vector<std::uint32_t> screen = ScreenPixels(List());
    std::vector<std::uint32_t> pixels;
    for (int y = rect.top + 2; y < rect.bottom - 2; ++y) {
      for (int x = client.right / 2; x < client.right; ++x) pixels.push_back(screen[static_cast<size_t>(y * client.right + x)]);
    }
    return pixels;
  };
  ASSERT_FALSE(tailPixels(0).empty());
  EXPECT_NE(tailPixels(0), tailPixels(1));
}

TEST_F(ResultListTest, FollowsTheModelsOrderAndSelection) {
  AddRow(u"small", 1, kFolderRow);
  AddRow(u"big", 9, kFolderRow);
  AddRow(u"file", 5, kRootFileRow);
  sorting.BuildSortKeys();
  // A row can be selected as soon as it is appended, before the list view
  // has been told of the new rows in one step.
  rows.Select(3);
  EXPECT_EQ(SelectedItem(), 2);
  rows.Select(1);  // "small"
  EXPECT_EQ(SelectedItem(), 0);

  sorting.SetSortOrder(1);
  sorting.SetSorted(true);  // descending by the keys built ascending: file, big, small
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
  AddRow(u"a", 0, kFolderRow);
  AddRow(u"b", 0, kFolderRow);
  ASSERT_EQ(Count(), 2);
  ListView_SetItemState(List(), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(rows.Selected(), 2);
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);  // single selection moves
  EXPECT_EQ(rows.Selected(), 1);
  EXPECT_EQ(SelectedItem(), 0);
  ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
  EXPECT_EQ(rows.Selected(), 0);
}

TEST_F(ResultListTest, TypingANameSelectsTheRowItBeginsWith) {
  for (const char16_t* name : {u"alpha", u"beta", u"gamma"}) AddRow(name, 0, kFolderRow);
  ASSERT_EQ(Count(), 3);
  ::SetFocus(List());
  ::SendMessageW(List(), WM_CHAR, L'g', 1);
  EXPECT_EQ(SelectedItem(), 2);
  EXPECT_EQ(rows.Selected(), 3);
  ::SendMessageW(List(), WM_CHAR, L'z', 1);  // nothing matches: the selection stays
  EXPECT_EQ(rows.Selected(), 3);
}

TEST_F(ResultListTest, ClearingEmptiesTheViewAndManyRowsStayCheap) {
  for (int i = 0; i < 20000; ++i) AddRow(u"folder" + DecimalText(i), 0, kFolderRow);
  EXPECT_EQ(Count(), 20000);
  EXPECT_EQ(Cell(19999, 0), u"folder19999");
  rows.Select(5);
  rows.Clear();
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(SelectedItem(), -1);
  AddRow(u"again", 0, kRootFileRow);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Cell(0, 0), u"again");
  EXPECT_EQ(Image(0), 1);
}

TEST_F(ResultListTest, ManyPlacedRowsAndResortsEndInTheModelsOrder) {
  std::mt19937 random(4711);
  for (int i = 0; i < 400; ++i) {
    AddSorted(Numbered(u"folder", i), static_cast<double>(random() % 100000));
    if (i % 10 == 0) rows.Render(1 + static_cast<int>(random() % rows.Count()), i % 3, i % 20 == 0);
  }
  ExpectListShowsModel();
  sorting.SetSortOrder(1);
  ExpectListShowsModel();
  sorting.ChooseSortHeader(1);  // by name
  sorting.BuildSortKeys();
  sorting.SetSorted(true);
  ExpectListShowsModel();
  rows.Clear();
  EXPECT_EQ(Count(), 0);
}

TEST_F(ResultListTest, OnlyRowsInViewThatChangedAreRepainted) {
  for (int i = 100; i < 200; ++i) AddSorted(Numbered(u"r", i), i);
  PaintNow();
  const RECT top = ItemRect(0);
  ASSERT_GT(top.bottom, top.top);
  const int perPage = ListView_GetCountPerPage(List());
  ASSERT_GT(perPage, 3);
  ASSERT_LT(perPage, 50);  // row 51 lies below the view

  // Placed at position 52, after its equal, below the view: nothing in view
  // changes, only the count does.
  AddSorted(u"middle", 150);
  RECT update = FlushAndGetUpdateRect();
  // Only the shares, of a sum now larger, show otherwise.
  RECT share{};
  ListView_GetSubItemRect(List(), 0, kSubShare, LVIR_BOUNDS, &share);
  EXPECT_GE(update.left, share.left);
  EXPECT_LE(update.right, share.right);
  EXPECT_EQ(static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)), 101);
  EXPECT_EQ(Cell(51, 0), u"middle");
  PaintNow();

  // Rendering a row as it was changes nothing; in another unit it repaints
  // that row alone.
  rows.Render(2, 1, false);
  update = FlushAndGetUpdateRect();
  EXPECT_TRUE(::IsRectEmpty(&update));
  rows.Render(2, 0, false);
  update = FlushAndGetUpdateRect();
  const RECT second = ItemRect(1);
  EXPECT_EQ(update.top, second.top);
  EXPECT_EQ(update.bottom, second.bottom);
  PaintNow();

  // Placed at the top: every row in view moved down by one.
  sorting.SetSorted(false);
  AddRow(u"first", 0, kFolderRow);
  sorting.BuildSortKeys();
  sorting.SetSorted(true);
  update = FlushAndGetUpdateRect();
  EXPECT_EQ(update.top, top.top);
  EXPECT_GE(update.bottom, ItemRect(perPage - 1).bottom);
  EXPECT_EQ(Cell(0, 0), u"first");
  EXPECT_EQ(Cell(1, 0), u"r100");
}

// Each share cell shows a bar of the highlight colour over the row's part of
// its width; a row of 0 bytes shows none.
TEST_F(ResultListTest, ShareCellsShowTheirPartAsABar) {
  AddRow(u"most", 900, kFolderRow);
  AddRow(u"some", 100, kFolderRow);
  AddRow(u"none", 0, kFolderRow);
  PaintNow();
  const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  const std::uint32_t bar = GetRValue(highlight) << 16 | GetGValue(highlight) << 8 | GetBValue(highlight);
  const std::vector<std::uint32_t> screen = ScreenPixels(List());
  RECT client{};
  ::GetClientRect(List(), &client);
  const LONG width = client.right;
  const double least[] = {0.6, 0.02, 0}, most[] = {0.95, 0.15, 0};  // of the cell's pixels in the bar's colour
  for (int item = 0; item < 3; ++item) {
    RECT cell{};
    ListView_GetSubItemRect(List(), item, kSubShare, LVIR_BOUNDS, &cell);
    double inBar = 0;
    for (LONG y = cell.top; y < cell.bottom; ++y) {
      for (LONG x = cell.left; x < cell.right; ++x) inBar += (screen[static_cast<size_t>(y * width + x)] & 0xFFFFFF) == bar;
    }
    inBar /= static_cast<double>((cell.bottom - cell.top) * (cell.right - cell.left));
    EXPECT_GE(inBar, least[item]) << item;
    EXPECT_LE(inBar, most[item]) << item;
  }
}

// The pixels of the list after the catch-ups are those a full repaint draws:
// no row in view is left showing what it showed before it changed or moved.
TEST_F(ResultListTest, ScreenAfterCatchingUpEqualsAFullRepaint) {
  std::mt19937 random(99);
  auto randomSize = [&] { return static_cast<double>(100 + random() % 900); };
  for (int i = 0; i < 60; ++i) AddSorted(Numbered(u"start", i), randomSize());
  for (int round = 0; round < 12; ++round) {
    for (int i = 0; i < 8; ++i) {
      AddSorted(Numbered(u"r", round * 100 + i), randomSize());
      rows.Render(1 + static_cast<int>(random() % rows.Count()), static_cast<int>(random() % 3), random() % 2 == 0);
    }
    if (round == 6) sorting.SetSortOrder(1);
    if (round == 9) rows.Select(3);
    PaintNow();
    const std::vector<std::uint32_t> caughtUp = ScreenPixels(List());
    ASSERT_FALSE(caughtUp.empty());
    ::InvalidateRect(List(), nullptr, TRUE);
    ::UpdateWindow(List());
    ASSERT_EQ(FirstDifferentLine(ScreenPixels(List()), caughtUp, List()), -1)
        << "round " << round << ", rows " << ListView_GetItemCount(List()) << " of height "
        << ItemRect(0).bottom - ItemRect(0).top << " from line " << ItemRect(0).top;
  }
}

TEST_F(ResultListTest, SelectionStaysWithItsRowAsRowsArePlacedAboveIt) {
  for (int i = 10; i < 40; ++i) AddSorted(Numbered(u"r", i), i);
  ASSERT_EQ(Count(), 30);
  rows.Select(11);  // r20
  AddSorted(u"r15b", 15);
  EXPECT_EQ(rows.Selected(), 12);
  EXPECT_EQ(SelectedItem(), 11);

  // The last row, pushed down past the rows the list view has been told of:
  // no other row may look selected meanwhile, and the row is selected again
  // once the list view has it.
  rows.Select(31);  // r39
  for (int i = 0; i < 5; ++i) {
    AddSorted(Numbered(u"top", i), i);
    const int shown = SelectedItem();
    EXPECT_TRUE(shown == -1 || shown == rows.Selected() - 1) << shown;
  }
  EXPECT_EQ(rows.Selected(), 36);
  Settle();
  EXPECT_EQ(SelectedItem(), 35);
  EXPECT_EQ(Cell(35, 0), u"r39");
}

}  // namespace
}  // namespace tarnwick::testing
