// The main window as built: its controls, their places at 96 DPI (twips / 15)
// and at other scales, and the list kept between the controls and the status
// bar whatever the window's size.
#include <algorithm>
#include <string>
#include <vector>

#include "app/Win32WindowFixture.h"
#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

RECT Client(HWND window) {
  RECT rect;
  ::GetClientRect(window, &rect);
  return rect;
}

struct Expected {
  DesignedControl control;
  const wchar_t* className;
  const char16_t* caption;
  int left, top, width, height;  // pixels at 96 DPI
};

// Written out in pixels so that a wrong conversion in the design cannot
// pass unnoticed.
const Expected kAt96Dpi[] = {
    {DesignedControl::Label1, L"Static", u"Root Directory", 4, 12, 81, 17},
    {DesignedControl::Text1, L"Edit", u"", 4, 28, 389, 19},
    {DesignedControl::Command2, L"Button", u"", 88, 4, 25, 21},
    {DesignedControl::Command4, L"Button", u"", 116, 4, 21, 21},
    {DesignedControl::Command1, L"Button", u"Search", 8, 56, 57, 21},
    {DesignedControl::Check1, L"Button", u"View Full Path", 88, 60, 97, 13},
    {DesignedControl::Option1_0, L"Button", u"GB", 212, 60, 41, 13},
    {DesignedControl::Option1_1, L"Button", u"MB", 260, 60, 37, 13},
    {DesignedControl::Option1_2, L"Button", u"KB", 308, 60, 41, 13},
};

TEST_F(MainWindowTest, EveryControlHasItsCaptionPlaceAndSize) {
  ASSERT_EQ(window->Dpi(), 96);
  EXPECT_EQ(TextOf(Main()), u"Tarnwick");
  const RECT client = Client(Main());
  EXPECT_EQ(client.right, 629);
  EXPECT_EQ(client.bottom, 659);
  for (const Expected& e : kAt96Dpi) {
    HWND control = Get(e.control);
    ASSERT_NE(control, nullptr) << ToUtf8(e.caption);
    EXPECT_EQ(ClassOf(control), e.className) << ToUtf8(e.caption);
    EXPECT_EQ(TextOf(control), e.caption);
    const RECT r = ChildRect(control);
    EXPECT_EQ(r.left, e.left) << ToUtf8(e.caption);
    EXPECT_EQ(r.top, e.top) << ToUtf8(e.caption);
    EXPECT_EQ(r.right - r.left, e.width) << ToUtf8(e.caption);
    EXPECT_EQ(r.bottom - r.top, e.height) << ToUtf8(e.caption);
    EXPECT_TRUE(::IsWindowVisible(control));
  }
  EXPECT_EQ(ClassOf(Get(DesignedControl::ListView1)), L"SysListView32");
  EXPECT_EQ(ClassOf(Get(DesignedControl::StatusBar1)), L"msctls_statusbar32");
  // ListView1 keeps its designed top; width and height come from the resize.
  EXPECT_EQ(ChildRect(Get(DesignedControl::ListView1)).top, 84);
  EXPECT_EQ(::GetMenu(Main()), nullptr);  // the pop-up menus are in no bar
}

TEST_F(MainWindowTest, ButtonKindsAndStartValues) {
  const auto style = [&](DesignedControl c) { return ::GetWindowLongPtrW(Get(c), GWL_STYLE) & BS_TYPEMASK; };
  EXPECT_EQ(style(DesignedControl::Command1), BS_DEFPUSHBUTTON);
  EXPECT_EQ(style(DesignedControl::Command2), BS_PUSHBUTTON);
  EXPECT_EQ(style(DesignedControl::Command4), BS_PUSHBUTTON);
  EXPECT_EQ(style(DesignedControl::Check1), BS_AUTOCHECKBOX);
  EXPECT_EQ(style(DesignedControl::Option1_0), BS_AUTORADIOBUTTON);
  EXPECT_EQ(::SendMessageW(Main(), DM_GETDEFID, 0, 0), MAKELRESULT(kIdCommand1, DC_HASDEFID));
  EXPECT_EQ(::SendMessageW(Get(DesignedControl::Check1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(Get(DesignedControl::Option1_0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(Get(DesignedControl::Option1_1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageW(Get(DesignedControl::Option1_2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(window->SelectedUnit(), 1);
  EXPECT_FALSE(window->FullPathChecked());
  // The picture buttons show their 16 x 16 pictures.
  for (DesignedControl c : {DesignedControl::Command2, DesignedControl::Command4}) {
    EXPECT_NE(::GetWindowLongPtrW(Get(c), GWL_STYLE) & BS_ICON, 0);
    HICON picture = reinterpret_cast<HICON>(::SendMessageW(Get(c), BM_GETIMAGE, IMAGE_ICON, 0));
    ASSERT_NE(picture, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(picture, &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 16);
    EXPECT_EQ(bitmap.bmHeight, 16);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
  }
  EXPECT_NE(::SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(::SendMessageW(Main(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindowTest, ControlsAreCreatedAndVisitedInTabOrder) {
  const DesignedControl order[] = {
      DesignedControl::ListView1, DesignedControl::StatusBar1, DesignedControl::Text1,    DesignedControl::Label1,
      DesignedControl::Command1,  DesignedControl::Command2,   DesignedControl::Check1,   DesignedControl::Option1_0,
      DesignedControl::Option1_1, DesignedControl::Option1_2,  DesignedControl::Command4,
  };
  HWND child = ::GetWindow(Main(), GW_CHILD);
  for (DesignedControl c : order) {
    EXPECT_EQ(child, Get(c));
    child = ::GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);

  // The Tab key skips the status bar and the label, enters the units at the
  // selected one, and comes round again.
  const DesignedControl stops[] = {
      DesignedControl::Text1,     DesignedControl::Command1, DesignedControl::Command2,  DesignedControl::Check1,
      DesignedControl::Option1_1, DesignedControl::Command4, DesignedControl::ListView1,
  };
  ::SetFocus(Get(DesignedControl::ListView1));
  for (DesignedControl c : stops) {
    PressKey(loop, Main(), VK_TAB);
    EXPECT_EQ(::GetFocus(), Get(c)) << static_cast<int>(c);
  }
  ::SendMessageW(Get(DesignedControl::Option1_2), BM_CLICK, 0, 0);
  ::SetFocus(Get(DesignedControl::Check1));
  PressKey(loop, Main(), VK_TAB);
  EXPECT_EQ(::GetFocus(), Get(DesignedControl::Option1_2));
  PressKey(loop, Main(), VK_TAB);
  EXPECT_EQ(::GetFocus(), Get(DesignedControl::Command4));
}

TEST_F(MainWindowTest, Command4ToolTip) {
  HWND tip = window->ToolTip();
  ASSERT_NE(tip, nullptr);
  ASSERT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.lpszText = text;
  ASSERT_TRUE(::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), Get(DesignedControl::Command4));
  EXPECT_EQ(FromWide(text), u"１つ上のフォルダを開いて検」");
}

TEST_F(MainWindowTest, FifteenColumnsEightVisibleInTheirOrder) {
  HWND list = Get(DesignedControl::ListView1);
  EXPECT_NE(::GetWindowLongPtrW(list, GWL_STYLE) & LVS_OWNERDATA, 0);
  EXPECT_EQ((::GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK), LVS_REPORT);
  ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 15);
  std::vector<int> order(15);
  ASSERT_TRUE(ListView_GetColumnOrderArray(list, 15, order.data()));
  EXPECT_EQ(order, (std::vector<int>{0, 1, 12, 2, 14, 3, 4, 13, 5, 6, 7, 8, 9, 10, 11}));
  struct Column {
    const char16_t* caption;
    int width;
    int format;
  };
  // The name column takes what the list has beyond the others' 646 pixels.
  const Column columns[] = {
      {u"フォルダ名", std::max<int>(160, Client(list).right - 646), LVCFMT_LEFT},
      {u"サイズ(簡略)", 80, LVCFMT_RIGHT},
      {u"サイズ", 96, LVCFMT_RIGHT},
      {u"ファイル数", 67, LVCFMT_RIGHT},
      {u"ディレクトリ数", 83, LVCFMT_RIGHT},
      {u"", 0, LVCFMT_LEFT},
      {u"", 0, LVCFMT_LEFT},
      {u"", 0, LVCFMT_LEFT},
      {u"", 0, LVCFMT_LEFT},
      {u"", 0, LVCFMT_LEFT},
      {u"", 0, LVCFMT_LEFT},
      {u"", 0, LVCFMT_LEFT},
      {u"割合", 73, LVCFMT_RIGHT},
      {u"更新日時", 127, LVCFMT_LEFT},
      {u"ディスク上のサイズ", 120, LVCFMT_RIGHT},
  };
  for (int i = 0; i < 15; ++i) {
    wchar_t caption[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = caption;
    column.cchTextMax = 64;
    ASSERT_TRUE(::SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(FromWide(caption), columns[i].caption) << i;
    EXPECT_EQ(column.cx, columns[i].width) << i;
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, columns[i].format) << i;
  }
}

TEST_F(MainWindowTest, ImageListAttachedAtLoadAndMenusReady) {
  HIMAGELIST images = ListView_GetImageList(Get(DesignedControl::ListView1), LVSIL_SMALL);
  ASSERT_NE(images, nullptr);
  // The folder, the document, and the mark drawn over rows with short totals.
  EXPECT_EQ(ImageList_GetImageCount(images), 3);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images, &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);

  const auto itemText = [](HMENU menu) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    return FromWide(text);
  };
  ASSERT_NE(window->Pop1(), nullptr);
  ASSERT_NE(window->Pop2(), nullptr);
  EXPECT_EQ(::GetMenuItemCount(window->Pop1()), 1);
  EXPECT_EQ(itemText(window->Pop1()), u"開いて検索");
  EXPECT_EQ(::GetMenuItemID(window->Pop1(), 0), static_cast<UINT>(kIdPop1Open));
  EXPECT_EQ(::GetMenuItemCount(window->Pop2()), 1);
  EXPECT_EQ(itemText(window->Pop2()), u"1つ上のフォルダを検索");
  EXPECT_EQ(::GetMenuItemID(window->Pop2(), 0), static_cast<UINT>(kIdPop2GoUp));
}

TEST_F(MainWindowTest, TheFontDrawsJapanese) {
  for (DesignedControl c : {DesignedControl::ListView1, DesignedControl::Label1, DesignedControl::Command1}) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(Get(c), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    HDC dc = ::GetDC(Get(c));
    HGDIOBJ old = ::SelectObject(dc, font);
    WORD glyphs[5] = {};
    ::GetGlyphIndicesW(dc, L"フォルダ名", 5, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    ::SelectObject(dc, old);
    ::ReleaseDC(Get(c), dc);
    for (WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF);
  }
}

// The resize rule, checked on the real controls.
void ExpectListBetweenControlsAndStatusBar(HWND main, HWND list, HWND status) {
  const RECT client = Client(main);
  const RECT l = ChildRect(list);
  const RECT s = ChildRect(status);
  EXPECT_EQ(l.left, 0);
  EXPECT_EQ(l.right, client.right);
  EXPECT_EQ(l.top, 84);
  EXPECT_EQ(l.bottom, s.top);
  EXPECT_EQ(s.bottom, client.bottom);
  EXPECT_EQ(s.left, 0);
  EXPECT_EQ(s.right, client.right);
}

TEST_F(MainWindowTest, ListFillsTheWidthDownToTheStatusBarAfterEveryResize) {
  HWND list = Get(DesignedControl::ListView1);
  HWND status = Get(DesignedControl::StatusBar1);
  ExpectListBetweenControlsAndStatusBar(Main(), list, status);
  for (const SIZE size : {SIZE{900, 700}, SIZE{420, 300}, SIZE{1000, 900}}) {
    ::SetWindowPos(Main(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    ExpectListBetweenControlsAndStatusBar(Main(), list, status);
  }
}

TEST_F(MainWindowTest, TinyAndMinimisedWindowsKeepWorking) {
  HWND list = Get(DesignedControl::ListView1);
  // Asked for less, the window keeps the top row of controls and five rows.
  ::SetWindowPos(Main(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  Drain(loop);
  EXPECT_TRUE(::IsWindow(Main()));
  const RECT text1 = ChildRect(Get(DesignedControl::Text1));
  EXPECT_GE(Client(Main()).right, text1.right);
  EXPECT_GE(ListView_GetCountPerPage(list), 5);
  ExpectListBetweenControlsAndStatusBar(Main(), list, Get(DesignedControl::StatusBar1));

  ::SetWindowPos(Main(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
  ::ShowWindow(Main(), SW_MINIMIZE);
  Drain(loop);
  EXPECT_TRUE(::IsIconic(Main()));
  ::ShowWindow(Main(), SW_RESTORE);
  Drain(loop);
  ExpectListBetweenControlsAndStatusBar(Main(), list, Get(DesignedControl::StatusBar1));
}

// What WM_DPICHANGED does when the window moves to a monitor of another
// scale: the system suggests the new window rectangle, the window lays out
// its controls for the new DPI and scales fonts, pictures and columns.
class DpiTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(DpiTest, ControlsFontsAndColumnsFollowTheNewScale) {
  const int dpi = GetParam();
  HWND list = Get(DesignedControl::ListView1);
  LOGFONTW before{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)), sizeof(before), &before);
  const int width96 = ListView_GetColumnWidth(list, 3);

  RECT suggested{0, 0, TwipsToPixels(kForm1ClientWidth, dpi), TwipsToPixels(kForm1ClientHeight, dpi)};
  ::AdjustWindowRectExForDpi(&suggested, WS_OVERLAPPEDWINDOW, FALSE, 0, static_cast<UINT>(dpi));
  ::OffsetRect(&suggested, -suggested.left, -suggested.top);
  ::SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Drain(loop);

  EXPECT_EQ(window->Dpi(), dpi);
  for (const ControlDesign& design : kForm1Controls) {
    if (design.control == DesignedControl::ListView1 || design.control == DesignedControl::StatusBar1) continue;
    const RECT r = ChildRect(Get(design.control));
    EXPECT_EQ(r.left, TwipsToPixels(design.rect.left, dpi));
    EXPECT_EQ(r.top, TwipsToPixels(design.rect.top, dpi));
    // The root box stretches with the client area beyond its design.
    const int width = TwipsToPixels(design.rect.width, dpi);
    EXPECT_EQ(r.right - r.left, design.control == DesignedControl::Text1
                                    ? StretchedWidth(width, Client(Main()).right, TwipsToPixels(kForm1ClientWidth, dpi))
                                    : width);
    EXPECT_EQ(r.bottom - r.top, TwipsToPixels(design.rect.height, dpi));
  }
  const RECT l = ChildRect(list);
  const RECT s = ChildRect(Get(DesignedControl::StatusBar1));
  EXPECT_EQ(l.top, TwipsToPixels(1260, dpi));
  EXPECT_EQ(l.left, 0);
  EXPECT_EQ(l.right, Client(Main()).right);
  EXPECT_EQ(l.bottom, s.top);

  LOGFONTW after{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)), sizeof(after), &after);
  EXPECT_EQ(after.lfHeight, ScaleForDpi(before.lfHeight, 96, dpi));
  EXPECT_EQ(ListView_GetColumnWidth(list, 3), TwipsToPixels(1000, dpi));
  EXPECT_EQ(width96, 67);
  EXPECT_EQ(ListView_GetColumnWidth(list, 5), 0);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &cx, &cy);
  EXPECT_EQ(cx, ScaleForDpi(16, 96, dpi));
}

INSTANTIATE_TEST_SUITE_P(Scales, DpiTest, ::testing::Values(144, 192));

}  // namespace
}  // namespace tarnwick::testing
