// Navigation in the real window: the list's pop-up menus open where they
// should, with their item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Win32RealInput.h"
#include "app/Win32WindowFixture.h"
#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

TEST_F(MainWindowTest, PopupMenusOpenAtTheirPlaceWithTheirItem) {
  for (int i = 0; i < 5; ++i) rows.Append(u"row " + DecimalText(i), 1);
  HWND list = Get(DesignedControl::ListView1);
  ASSERT_TRUE(PumpUntil(loop, [&] { return ListView_GetItemCount(list) == 5; }));
  const POINT onRow = RowPoint(list, 3);
  EXPECT_EQ(window->ListHitTest(static_cast<float>(onRow.x), static_cast<float>(onRow.y)), 4);
  EXPECT_EQ(window->ListHitTest(static_cast<float>(onRow.x), 300), 0);

  POINT pointer{};
  ClickAt(list, {50, 250}, 4);  // moves the pointer there
  ::GetCursorPos(&pointer);
  RECT label{};
  ListView_GetItemRect(list, 1, &label, LVIR_LABEL);
  POINT belowRow{label.left, label.bottom};
  ::ClientToScreen(list, &belowRow);
  RECT header{};
  ::GetWindowRect(ListView_GetHeader(list), &header);
  POINT belowHeader{0, header.bottom - header.top};
  ::ClientToScreen(list, &belowHeader);

  const struct {
    PopupMenu menu;
    MenuPlace place;
    bool choose;
    const char16_t* item;
    POINT at;
  } cases[] = {
      {PopupMenu::pop1, MenuPlace::Pointer(), true, u"開いて検索", pointer},
      {PopupMenu::pop2, MenuPlace::Pointer(), false, u"1つ上のフォルダを検索", pointer},
      {PopupMenu::pop1, MenuPlace::AtRow(2), false, u"開いて検索", belowRow},
      {PopupMenu::pop2, MenuPlace::AtRow(0), true, u"1つ上のフォルダを検索", belowHeader},
  };
  for (const auto& c : cases) {
    PopupMenuAnswerer answer(c.choose);
    EXPECT_EQ(window->ShowPopupMenu(c.menu, c.place), c.choose);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].items, std::vector<Str>{c.item});
    EXPECT_FALSE(answer.seen()[0].hasDefault);
    EXPECT_EQ(answer.seen()[0].topLeft.x, c.at.x) << ToUtf8(c.item);
    EXPECT_EQ(answer.seen()[0].topLeft.y, c.at.y) << ToUtf8(c.item);
  }
  EXPECT_EQ(events.command1, 0);  // the window runs no item itself
}

}  // namespace
}  // namespace tarnwick::testing
