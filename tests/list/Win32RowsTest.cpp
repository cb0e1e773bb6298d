// Result rows added through AddList, read back from the real list view, and
// re-rendered by the real unit buttons and "View Full Path" check box.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/Win32Program.h"
#include "app/Win32WindowHarness.h"
#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

class Win32Rows : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareThread();
    program.LoadForm1();
    program.Window().Show();
    Drain(program.Loop());
  }
  void TearDown() override { DiscardQuitMessages(); }

  HWND Control(DesignedControl c) { return program.Window().ControlWindow(c); }
  HWND List() { return Control(DesignedControl::ListView1); }

  // The list view catches up with the rows at most a timer tick later; the
  // tick is delivered here rather than waited for.
  void CatchUp() {
    Drain(program.Loop());
    ::SendMessageW(program.Window().Handle(), WM_TIMER, kListFlushTimer, 0);
  }
  Str Cell(int item, int subItem) {
    CatchUp();
    wchar_t buffer[512] = {};
    LVITEMW lv{};
    lv.iSubItem = subItem;
    lv.pszText = buffer;
    lv.cchTextMax = 512;
    ::SendMessageW(List(), LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
    return FromWide(buffer);
  }
  int Image(int item) {
    CatchUp();
    LVITEMW lv{};
    lv.mask = LVIF_IMAGE;
    lv.iItem = item;
    ::SendMessageW(List(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv));
    return lv.iImage;
  }
  void Click(DesignedControl c) {
    ::SendMessageW(Control(c), BM_CLICK, 0, 0);
    Drain(program.Loop());
  }

  Win32Program program{SW_SHOWNORMAL};
};

TEST_F(Win32Rows, RowsShowInKeyOrderAndFollowTheUnitAndFullPathSettings) {
  Form1& form = program.Form();
  form.AddList(RowFacts{u"C:\\data\\notes.txt\\", {1023, 0, 0}, 2});
  form.AddList(RowFacts{u"C:\\data\\photos\\", {1610612736, 12, 3}, 1});
  form.AddList(RowFacts{u"C:\\data\\empty\\", {0, 0, 0}, 1});

  CatchUp();
  ASSERT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 3);
  // Folders first, by size; then the file.
  EXPECT_EQ(Cell(0, 0), u"empty");
  EXPECT_EQ(Cell(1, 0), u"photos");
  EXPECT_EQ(Cell(2, 0), u"notes.txt");
  EXPECT_EQ(Image(0), 0);  // the folder picture
  EXPECT_EQ(Image(2), 1);  // the document picture
  EXPECT_EQ(Cell(0, kSubSize), u"");
  EXPECT_EQ(Cell(0, kSubFiles), u"0");
  EXPECT_EQ(Cell(1, kSubSimpleSize), u"1536.0MB");
  EXPECT_EQ(Cell(1, kSubSize), u"1,610,612,736");
  EXPECT_EQ(Cell(1, kSubFiles), u"12");
  EXPECT_EQ(Cell(1, kSubFolders), u"3");
  EXPECT_EQ(Cell(2, kSubSimpleSize), u"0.0MB");

  Click(DesignedControl::Option1_0);
  EXPECT_EQ(Cell(1, kSubSimpleSize), u"1.5GB");
  Click(DesignedControl::Option1_2);
  EXPECT_EQ(Cell(2, kSubSimpleSize), u"0.9KB");
  Click(DesignedControl::Check1);
  EXPECT_EQ(Cell(1, 0), u"C:\\data\\photos\\");
  EXPECT_EQ(Cell(2, 0), u"C:\\data\\notes.txt\\");
  Click(DesignedControl::Check1);
  EXPECT_EQ(Cell(2, 0), u"notes.txt");
  // Re-rendering never reorders.
  EXPECT_EQ(Cell(0, 0), u"empty");
}

}  // namespace
}  // namespace tarnwick::testing
