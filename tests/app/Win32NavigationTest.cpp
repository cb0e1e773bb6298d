// Navigation in the real window with real input: the list's mouse releases,
// double-clicks and keys reach the handlers, its pop-up menus open where they
// should, and the program moves down and up a real folder tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Win32Program.h"
#include "app/Win32RealInput.h"
#include "app/Win32WindowFixture.h"
#include "scan/TempTree.h"
#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

// While alive, notices when the thread enters a menu mode (the window menu
// taken by the keyboard, say) and leaves it again with Esc, so that a test
// reports it rather than waiting for a key forever.
class MenuModeWatch {
 public:
  MenuModeWatch() : timer_(::SetTimer(nullptr, 0, 20, &MenuModeWatch::OnTimer)) { entered_ = false; }
  ~MenuModeWatch() { ::KillTimer(nullptr, timer_); }
  bool entered() const { return entered_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetCurrentThreadId(), &info)) return;
    if ((info.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE | GUI_POPUPMENUMODE)) == 0) return;
    entered_ = true;
    PressChord({VK_ESCAPE});
    PressChord({VK_ESCAPE});
  }
  static inline bool entered_ = false;
  UINT_PTR timer_;
};

TEST_F(MainWindowTest, EveryReleaseOverTheListReachesTheHandlerWithItsPlace) {
  HWND list = Get(DesignedControl::ListView1);
  // The list view's own mouse loops take some releases from the queue
  // (never does its window see a right-button one); all must arrive.
  const struct {
    int button;
    POINT at;
  } clicks[] = {{1, {40, 60}}, {2, {90, 80}}, {4, {130, 70}}, {2, {30, 150}}, {1, {200, 120}}};
  for (const auto& click : clicks) {
    const size_t before = events.releases.size();
    ClickAt(list, click.at, click.button);
    ASSERT_TRUE(PumpUntil(loop, [&] { return events.releases.size() > before; })) << click.button;
    ASSERT_EQ(events.releases.size(), before + 1);
    const auto& release = events.releases.back();
    EXPECT_EQ(release.button, click.button);
    EXPECT_EQ(release.shift, 0);
    EXPECT_EQ(release.x, click.at.x);
    EXPECT_EQ(release.y, click.at.y);
  }
  // The menus of the mouse come from the release handler only.
  EXPECT_EQ(events.contextMenus, 0);
  EXPECT_EQ(events.doubleClicks, 0);

  // The double-click follows the first click's release.
  const size_t before = events.releases.size();
  ClickAt(list, {60, 100}, 1, 2);
  ASSERT_TRUE(PumpUntil(loop, [&] { return events.releases.size() == before + 2; }));
  EXPECT_EQ(events.doubleClicks, 1);
  EXPECT_EQ(events.releasesAtDoubleClick, before + 1);
  EXPECT_EQ(events.releases[before].x, 60);
  EXPECT_EQ(events.releases[before].y, 100);
}

TEST_F(MainWindowTest, KeysInTheListReachTheHandlers) {
  HWND list = Get(DesignedControl::ListView1);
  ::SetForegroundWindow(Main());
  ::SetFocus(list);
  MenuModeWatch menuMode;
  PressChord({VK_BACK});
  PressChord({VK_MENU, VK_UP});
  PressChord({VK_SHIFT, VK_F10});
  PressChord({VK_APPS});
  ASSERT_TRUE(PumpUntil(loop, [&] { return events.contextMenus == 2; }));
  const std::vector<std::pair<std::int16_t, std::int16_t>> expected = {{VK_BACK, 0}, {VK_UP, 4}};
  std::vector<std::pair<std::int16_t, std::int16_t>> navigating;
  for (const auto& key : events.keys) {
    if (key.first == VK_BACK || key.first == VK_UP || key.first == VK_F10) navigating.push_back(key);
  }
  EXPECT_EQ(navigating, expected);
  // Enter still presses "Search", with the list focused.
  PressChord({VK_RETURN});
  ASSERT_TRUE(PumpUntil(loop, [&] { return events.command1 == 1; }));
  // No key left the window in a menu mode (nothing here shows a menu).
  EXPECT_FALSE(menuMode.entered());
}

TEST_F(MainWindowTest, PopupMenusOpenAtTheirPlaceWithTheirItem) {
  for (int i = 0; i < 5; ++i) rows.AppendRow(RowFacts{u"row " + DecimalText(i), {0, 0, 0}, kFolderRow});
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

// The real program on a real tree: root\下の階\ (a file and a folder),
// root\b\ (empty) and root\f.txt.
class NavigationProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareThread();
    sub = tree.Folder(u"下の階") + u"\\";
    tree.File(u"下の階\\x", 3);
    tree.Folder(u"下の階\\y");
    other = tree.Folder(u"b") + u"\\";
    tree.File(u"f.txt", 5);
    program.Start(u"tarnwick.exe");
    list = program.Window().ControlWindow(DesignedControl::ListView1);
    ::SetForegroundWindow(program.Window().Handle());
    ::SetFocus(list);
    Search(tree.root());
  }
  void TearDown() override { DiscardQuitMessages(); }

  void Search(const Str& root) {
    program.Window().SetText1(root);
    program.Form().Command1_Click();
    ShownAndIdle();
  }
  // Waits until the window shows every row of a finished run.
  void ShownAndIdle() {
    ASSERT_TRUE(PumpUntil(program.Loop(), [&] {
      return !program.Form().SearchRunning() && ListView_GetItemCount(list) == program.Form().ListView1().Count();
    }));
  }
  Str Text1() { return program.Window().Text1(); }
  int IndexOf(const Str& path) {
    const ListModel& rows = program.Form().ListView1();
    for (int i = 1; i <= rows.Count(); ++i) {
      if (rows.SubItem(i, kSubFullPath) == path) return i - 1;
    }
    return -1;
  }
  std::vector<Str> Paths() {
    std::vector<Str> paths;
    const ListModel& rows = program.Form().ListView1();
    for (int i = 1; i <= rows.Count(); ++i) paths.push_back(rows.SubItem(i, kSubFullPath));
    return paths;
  }
  // Waits for a search of `root` to have run to its end.
  bool Searched(const Str& root) {
    return PumpUntil(program.Loop(), [&] {
      return Text1() == root && !program.Form().SearchRunning() &&
             program.Window().StatusText().rfind(u"Complate.", 0) == 0 &&
             ListView_GetItemCount(list) == program.Form().ListView1().Count();
    });
  }

  TempTree tree;
  Str sub;
  Str other;
  Win32Program program{SW_SHOWNORMAL};
  HWND list = nullptr;
};

TEST_F(NavigationProgramTest, DownByDoubleClickAndMenuUpByMenuAndKeys) {
  ASSERT_EQ(Paths().size(), 3u);
  const std::vector<Str> subRows = {sub + u"y\\", sub + u"x\\"};

  // A double-click on a folder row searches that folder.
  program.Window().SetStatusText(u"");
  ClickAt(list, RowPoint(list, IndexOf(sub)), 1, 2);
  ASSERT_TRUE(Searched(sub));
  EXPECT_EQ(Paths(), subRows);

  // The empty area's menu goes up.
  {
    PopupMenuAnswerer answer(true);
    program.Window().SetStatusText(u"");
    ClickAt(list, {20, 300}, 2);
    ASSERT_TRUE(Searched(tree.root()));
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].items, std::vector<Str>{u"1つ上のフォルダを検索"});
  }

  // A folder row's menu opens it; a file row has none.
  {
    PopupMenuAnswerer answer(true);
    ClickAt(list, RowPoint(list, IndexOf(tree.root() + u"f.txt\\")), 2);
    ASSERT_TRUE(PumpUntil(program.Loop(), [&] { return program.Form().LastMouseButton == 2; }));
    EXPECT_TRUE(answer.seen().empty());
    program.Window().SetStatusText(u"");
    ClickAt(list, RowPoint(list, IndexOf(sub)), 2);
    ASSERT_TRUE(Searched(sub));
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].items, std::vector<Str>{u"開いて検索"});
    EXPECT_EQ(Paths(), subRows);
  }

  // Backspace goes up; Shift+F10 opens the selected row's menu.
  program.Window().SetStatusText(u"");
  PressChord({VK_BACK});
  ASSERT_TRUE(Searched(tree.root()));
  program.Form().ListView1().Select(IndexOf(other) + 1);
  {
    PopupMenuAnswerer answer(true);
    program.Window().SetStatusText(u"");
    PressChord({VK_SHIFT, VK_F10});
    ASSERT_TRUE(Searched(other));
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].items, std::vector<Str>{u"開いて検索"});
    EXPECT_TRUE(Paths().empty());
  }
  // Alt+Up goes up as well.
  program.Window().SetStatusText(u"");
  PressChord({VK_MENU, VK_UP});
  ASSERT_TRUE(Searched(tree.root()));
  EXPECT_EQ(Paths().size(), 3u);
}

TEST_F(NavigationProgramTest, OpeningAFolderGoneSinceTheSearchSaysSo) {
  ASSERT_TRUE(::RemoveDirectoryW(ToWide(other).c_str()));
  MessageBoxAnswerer answer(IDOK);
  ClickAt(list, RowPoint(list, IndexOf(other)), 1, 2);
  ASSERT_TRUE(PumpUntil(program.Loop(), [&] { return !answer.seen().empty(); }));
  EXPECT_EQ(answer.seen()[0].text, u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ ");
  EXPECT_EQ(Text1(), other);
  EXPECT_EQ(Paths().size(), 3u);  // the old rows stay
}

}  // namespace
}  // namespace tarnwick::testing
