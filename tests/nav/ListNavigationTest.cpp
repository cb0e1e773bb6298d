// Navigation from the result list: mouse releases, double-clicks, the pop-up
// menus and the keys, with hit tests and menu choices scripted by the test.
#include <functional>

#include "app/SearchFixture.h"
#include "nav/ListNavigation.h"

namespace tarnwick::testing {
namespace {

enum class Under { Folder, File, Nothing };

class ListNavigation : public SearchFixture {
 protected:
  void SetUp() override {
    SearchFixture::SetUp();
    Search(u"C:\\Data\\");
    folderRow = PositionOf(u"C:\\Data\\B\\");
    fileRow = PositionOf(u"C:\\Data\\a.txt\\");
    ASSERT_NE(folderRow, 0);
    ASSERT_NE(fileRow, 0);
    form.ListView1().Select(0);
    view.messages.clear();
    listingsAfterSearch = fs.listings();
  }

  int PositionOf(const Str& path) const {
    for (int i = 1; i <= form.ListView1().Count(); ++i) {
      if (form.ListView1().SubItem(i, kSubFullPath) == path) return i;
    }
    return 0;
  }

  // Every point of the list lies over the row the test puts there.
  void PointAt(Under under) {
    const int row = under == Under::Folder ? folderRow : under == Under::File ? fileRow : 0;
    view.hitTest = [row](float, float) { return row; };
  }

  bool Searched() const { return fs.listings() > listingsAfterSearch; }

  int folderRow = 0;
  int fileRow = 0;
  int listingsAfterSearch = 0;
};

using Menus = std::vector<std::pair<PopupMenu, MenuPlace>>;

TEST_F(ListNavigation, EveryReleaseIsRecordedAndOnlyARightOneShowsAMenu) {
  const struct {
    std::int16_t button;
    Under under;
    Menus menus;
    bool selects;
  } cases[] = {
      {kRightButton, Under::Folder, {{PopupMenu::pop1, MenuPlace::Pointer()}}, true},
      {kRightButton, Under::Nothing, {{PopupMenu::pop2, MenuPlace::Pointer()}}, false},
      {kRightButton, Under::File, {}, false},
      {kLeftButton, Under::Folder, {}, false},
      {kMiddleButton, Under::Folder, {}, false},
      {kMiddleButton, Under::Nothing, {}, false},
  };
  float x = 10;
  for (const auto& c : cases) {
    const std::string label = "button " + std::to_string(c.button) + " under " +
                              std::to_string(static_cast<int>(c.under));
    PointAt(c.under);
    view.menus.clear();
    form.ListView1().Select(0);
    int selectedWhenShown = -1;
    view.onMenu = [&](PopupMenu) { selectedWhenShown = form.ListView1().Selected(); };
    x += 1;
    form.ListView1_MouseUp(c.button, 0, x, 20.5f);
    EXPECT_EQ(form.LastMouseButton, c.button) << label;
    EXPECT_EQ(form.LastMouseX, x) << label;
    EXPECT_EQ(form.LastMouseY, 20.5f) << label;
    EXPECT_EQ(view.menus, c.menus) << label;
    EXPECT_EQ(form.ListView1().Selected(), c.selects ? folderRow : 0) << label;
    if (c.selects) {
      EXPECT_EQ(selectedWhenShown, folderRow) << label;
    }
    if (!c.menus.empty()) {
      EXPECT_EQ(view.hitTests.back(), std::make_pair(x, 20.5f)) << label;
    }
  }
  EXPECT_FALSE(Searched());
  EXPECT_EQ(view.text1, u"C:\\Data\\");
}

TEST_F(ListNavigation, DuringARunAReleaseIsRecordedButOpensNoMenu) {
  for (const Under under : {Under::Folder, Under::Nothing}) {
    PointAt(under);
    bool released = false;
    view.onPump = [&](int) {
      if (released) return;
      released = true;
      view.Post([this] { form.ListView1_MouseUp(kRightButton, 0, 3, 4); });
    };
    Search(u"C:\\Data");
    EXPECT_TRUE(released);
    EXPECT_TRUE(view.menus.empty());
    EXPECT_EQ(form.LastMouseButton, kRightButton);
    EXPECT_EQ(form.LastMouseX, 3);
  }
}

TEST_F(ListNavigation, DoubleClickOpensAFolderRowAtThePlaceOfALeftRelease) {
  const struct {
    std::int16_t lastButton;
    Under under;
    bool opens;
  } cases[] = {
      {kLeftButton, Under::Folder, true},  {kLeftButton, Under::File, false},
      {kLeftButton, Under::Nothing, false}, {kRightButton, Under::Folder, false},
      {kMiddleButton, Under::Folder, false}, {0, Under::Folder, false},  // no release yet
  };
  for (const auto& c : cases) {
    const std::string label = "button " + std::to_string(c.lastButton) + " under " +
                              std::to_string(static_cast<int>(c.under));
    Search(u"C:\\Data\\");
    folderRow = PositionOf(u"C:\\Data\\B\\");
    fileRow = PositionOf(u"C:\\Data\\a.txt\\");
    listingsAfterSearch = fs.listings();
    form.ListView1().Select(0);
    PointAt(c.under);
    view.hitTests.clear();
    form.LastMouseButton = c.lastButton;
    form.LastMouseX = 33;
    form.LastMouseY = 44;
    form.ListView1_DblClick();
    EXPECT_EQ(Searched(), c.opens) << label;
    EXPECT_EQ(view.text1, c.opens ? u"C:\\Data\\B\\" : u"C:\\Data\\") << label;
    if (c.opens) {
      EXPECT_EQ(RowPaths(), (std::vector<std::string>{"C:\\Data\\B\\B1\\", "C:\\Data\\B\\1\\"})) << label;
    }
    if (c.lastButton == kLeftButton) {
      EXPECT_EQ(view.hitTests, (std::vector<std::pair<float, float>>{{33, 44}})) << label;
    }
    EXPECT_TRUE(view.menus.empty());
  }
}

TEST_F(ListNavigation, ChoosingTheMenuItemsSearches) {
  view.chooseMenuItem = true;
  // pop1 on a folder row: that folder.
  PointAt(Under::Folder);
  form.ListView1_MouseUp(kRightButton, 0, 5, 5);
  EXPECT_EQ(view.text1, u"C:\\Data\\B\\");
  EXPECT_EQ(RowPaths(), (std::vector<std::string>{"C:\\Data\\B\\B1\\", "C:\\Data\\B\\1\\"}));
  // pop2 on the empty area, also of an empty list: the parent of the text.
  fs.AddFolder(u"C:\\Data\\B\\Empty");
  Search(u"C:\\Data\\B\\Empty\\");
  ASSERT_EQ(form.ListView1().Count(), 0);
  PointAt(Under::Nothing);
  form.ListView1_MouseUp(kRightButton, 0, 5, 5);
  EXPECT_EQ(view.text1, u"C:\\Data\\B\\");
  EXPECT_EQ(form.ListView1().Count(), 3);  // B1, Empty and the file 1
  // At a drive root nothing happens, and nothing is said.
  view.text1 = u"C:\\";
  const int listings = fs.listings();
  form.ListView1_MouseUp(kRightButton, 0, 5, 5);
  EXPECT_EQ(view.text1, u"C:\\");
  EXPECT_EQ(fs.listings(), listings);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.menus.size(), 3u);
}

TEST_F(ListNavigation, OpeningAFolderGoneSinceTheSearchIsReportedByTheSearchPress) {
  // The system's enumeration fails for a folder that is no longer there.
  fs.Remove(u"C:\\Data\\B");
  fs.FailProbe(u"C:\\Data\\B\\");
  PointAt(Under::Folder);
  form.LastMouseButton = kLeftButton;
  form.ListView1_DblClick();
  EXPECT_EQ(view.text1, u"C:\\Data\\B\\");
  EXPECT_EQ(view.messages,
            std::vector<Str>{u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ "});
  EXPECT_FALSE(Searched());
  EXPECT_EQ(PositionOf(u"C:\\Data\\B\\"), folderRow);  // the old rows stay
}

TEST_F(ListNavigation, KeysGoUpOrShowTheMenusAtTheSelectedRow) {
  // Go-up keys, from C:\Data\ to C:\.
  const struct {
    std::int16_t key;
    std::int16_t shift;
    bool up;
  } keys[] = {
      {kKeyBack, 0, true},           {kKeyUp, kAltMask, true},
      {kKeyBack, kShiftMask, false}, {kKeyBack, kAltMask, false},
      {kKeyUp, 0, false},            {kKeyUp, kAltMask | kCtrlMask, false},
      {0x25, kAltMask, false},  // Alt+Left
  };
  for (const auto& k : keys) {
    view.text1 = u"C:\\Data\\";
    const int listings = fs.listings();
    form.ListView1_KeyDown(k.key, k.shift);
    EXPECT_EQ(view.text1, k.up ? u"C:\\" : u"C:\\Data\\") << k.key << " " << k.shift;
    EXPECT_EQ(fs.listings() > listings, k.up) << k.key << " " << k.shift;
  }

  // The context-menu key: the selected row's menu, at that row.
  Search(u"C:\\Data\\");
  folderRow = PositionOf(u"C:\\Data\\B\\");
  fileRow = PositionOf(u"C:\\Data\\a.txt\\");
  const struct {
    int selected;
    Menus menus;
  } rows[] = {
      {folderRow, {{PopupMenu::pop1, MenuPlace::AtRow(folderRow)}}},
      {0, {{PopupMenu::pop2, MenuPlace::AtRow(0)}}},
      {fileRow, {}},
  };
  for (const auto& r : rows) {
    form.ListView1().Select(r.selected);
    view.menus.clear();
    form.ListView1_ContextMenu();
    EXPECT_EQ(view.menus, r.menus) << r.selected;
    EXPECT_EQ(form.ListView1().Selected(), r.selected);
  }
  EXPECT_TRUE(view.hitTests.empty());
}

TEST_F(ListNavigation, KeysCopyTheRowsOrSearchAgain) {
  const Str table =
      u"Name\tBytes\tBytes on disk\tFiles\tFolders\tPath\tLast changed\r\nA\t1000\t0\t3\t0\tC:\\Data\\A\\\t\r\n"
      u"B\t2345\t0\t4\t1\tC:\\Data\\B\\\t\r\na.txt\t10\t0\t0\t0\tC:\\Data\\a.txt\t\r\n"
      u"b.txt\t20\t0\t0\t0\tC:\\Data\\b.txt\t\r\n";
  const struct {
    int selected;
    std::int16_t key, shift;
    Str clipboard;
    bool searches;
  } keys[] = {
      {folderRow, kKeyC, kCtrlMask, u"C:\\Data\\B\\", false},
      {fileRow, kKeyC, kCtrlMask, u"C:\\Data\\a.txt", false},
      {0, kKeyC, kCtrlMask | kShiftMask, table, false},
      {folderRow, kKeyC, kCtrlMask | kAltMask, u"", false},
      {folderRow, kKeyF5, 0, u"", true},
      {folderRow, kKeyF5, kShiftMask, u"", false},
  };
  for (const auto& k : keys) {
    form.ListView1().Select(k.selected);
    view.clipboard.clear();
    const int listings = fs.listings();
    form.ListView1_KeyDown(k.key, k.shift);
    EXPECT_EQ(ToUtf8(view.clipboard), ToUtf8(k.clipboard)) << k.key << " " << k.shift;
    EXPECT_EQ(fs.listings() > listings, k.searches) << k.key << " " << k.shift;
    EXPECT_EQ(view.text1, u"C:\\Data\\");
  }
}

TEST_F(ListNavigation, GoingUpSelectsTheFolderLeftBehind) {
  const std::function<void()> ways[] = {
      [&] { form.Command4_Click(); },
      [&] { form.ListView1_KeyDown(kKeyBack, 0); },
      [&] { form.ListView1_KeyDown(kKeyUp, kAltMask); },
      [&] { form.つ上のフォルダを検索_Click(); },
  };
  for (const auto& goUp : ways) {
    Search(u"C:\\Data\\B\\");
    EXPECT_EQ(form.ListView1().Selected(), 0);
    EXPECT_EQ(view.focusedRow, 1);  // every run leaves a focused row
    goUp();
    EXPECT_EQ(view.text1, u"C:\\Data\\");
    EXPECT_EQ(form.ListView1().Selected(), PositionOf(u"C:\\Data\\B\\"));
    EXPECT_EQ(view.focusedRow, PositionOf(u"C:\\Data\\B\\"));
  }
  // The name as the user typed it; a file's row is never the place.
  for (const Str typed : {u"C:\\Data\\b", u"C:\\Data\\a.txt"}) {
    view.text1 = typed;
    form.ListView1_KeyDown(kKeyBack, 0);
    EXPECT_EQ(form.ListView1().Selected(), typed.back() == u'b' ? PositionOf(u"C:\\Data\\B\\") : 0);
  }
}

TEST_F(ListNavigation, DuringARunNothingNavigatesButReleasesAreRecorded) {
  PointAt(Under::Folder);
  view.chooseMenuItem = true;
  bool posted = false;
  view.onPump = [&](int) {
    if (posted) return;
    posted = true;
    view.Post([&] { form.ListView1_MouseUp(kLeftButton, 0, 7, 8); });
    view.Post([&] { form.ListView1_DblClick(); });
    view.Post([&] { form.ListView1_MouseUp(kRightButton, 0, 9, 10); });
    view.Post([&] { form.ListView1().Select(folderRow); });
    view.Post([&] { form.ListView1_ContextMenu(); });
    view.Post([&] { form.ListView1_KeyDown(kKeyBack, 0); });
    view.Post([&] { form.ListView1_KeyDown(kKeyUp, kAltMask); });
    view.Post([&] { form.ListView1_KeyDown(kKeyF5, 0); });
  };
  Search(u"C:\\Data\\");
  EXPECT_TRUE(posted);
  EXPECT_TRUE(view.menus.empty());
  EXPECT_TRUE(view.hitTests.empty());
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
  EXPECT_EQ(form.LastMouseButton, kRightButton);
  EXPECT_EQ(form.LastMouseX, 9);
  EXPECT_EQ(form.LastMouseY, 10);
}

}  // namespace
}  // namespace tarnwick::testing
