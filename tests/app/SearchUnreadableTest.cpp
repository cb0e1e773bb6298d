#include "app/SearchFixture.h"
#include "app/StatusText.h"
#include "window/UnreadableReport.h"
#include "list/ResultColumns.h"
#include "list/ResultRows.h"

#include <algorithm>

// Folders and files the run could not read: the totals keep the counting
// rules, while the second status panel, the marked rows and the list behind
// the panel say that they are short.

namespace tarnwick::testing {
namespace {

using V = std::vector<std::string>;

class SearchUnreadable : public SearchFixture {
 protected:
  // Paths (sub-item 7) of the rows that carry the short-totals mark.
  V MarkedRows() const {
    V marked;
    const ListModel& list = form.ListView1();
    for (int i = 1; i <= list.Count(); ++i) {
      if (list.Row(i).overlay == kShortTotalsOverlay) marked.push_back(ToUtf8(list.SubItem(i, kSubFullPath)));
    }
    return marked;
  }
};

TEST_F(SearchUnreadable, PanelMarksAndListFollowWhatCouldNotBeRead) {
  const struct {
    const char* name;
    std::vector<Str> unlistable;
    std::vector<Str> unmeasurable;
    const char16_t* panel;
    V marked;
    const char16_t* completion;  // the counting rules, unchanged
    std::vector<Str> listed;     // after a click on the second panel; none for no window
  } cases[] = {
      {"clean tree", {}, {}, u"", {}, u"Complate. All Search 7Files , 3345Bytes.", {}},
      {"deep in a subtree",
       {u"C:\\Data\\B\\B1"},
       {},
       u"1 folder could not be read",
       {"C:\\Data\\B\\"},
       u"Complate. All Search 4Files , 1345Bytes.",
       {u"C:\\Data\\B\\B1\\"}},
      {"a subfolder at its top",
       {u"C:\\Data\\A"},
       {},
       u"1 folder could not be read",
       {"C:\\Data\\A\\"},
       u"Complate. All Search 4Files , 2345Bytes.",
       {u"C:\\Data\\A\\"}},
      {"a file that cannot be measured",
       {},
       {u"C:\\Data\\B\\B1\\2"},
       u"1 file could not be read",
       {"C:\\Data\\B\\"},
       u"Complate. All Search 4Files , 1345Bytes.",
       {u"C:\\Data\\B\\B1\\2"}},
      {"two folders",
       {u"C:\\Data\\A", u"C:\\Data\\B\\B1"},
       {},
       u"2 folders could not be read",
       {"C:\\Data\\A\\", "C:\\Data\\B\\"},
       u"Complate. All Search 1Files , 345Bytes.",
       {u"C:\\Data\\A\\", u"C:\\Data\\B\\B1\\"}},
      {"a folder and a file",
       {u"C:\\Data\\A"},
       {u"C:\\Data\\B\\B1\\2"},
       u"1 folder and 1 file could not be read",
       {"C:\\Data\\A\\", "C:\\Data\\B\\"},
       u"Complate. All Search 1Files , 345Bytes.",
       {u"C:\\Data\\A\\", u"C:\\Data\\B\\B1\\2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs = MemoryFileSystem{};
    SetUp();
    for (const Str& folder : c.unlistable) fs.FailListing(folder);
    for (const Str& file : c.unmeasurable) fs.FailLength(file);
    view = FakeFormView{};
    view.status2 = u"from before";

    Search(u"C:\\Data");
    EXPECT_EQ(view.status, c.completion);
    EXPECT_EQ(view.status2, c.panel);
    EXPECT_EQ(MarkedRows(), c.marked);
    // Every subfolder still has its row.
    EXPECT_EQ(form.ListView1().Count(), 4);

    form.StatusBar1_PanelClick(1);
    form.StatusBar1_PanelClick(2);
    EXPECT_TRUE(view.messages.empty());
    if (c.listed.empty()) {
      EXPECT_TRUE(view.unreadableWindows.empty());
    } else {
      ASSERT_EQ(view.unreadableWindows.size(), 1u);
      EXPECT_EQ(view.unreadableWindows[0].lines, c.listed);
    }
  }
}

TEST_F(SearchUnreadable, ACancelledRunReportsWhatItMetAndTheNextRunStartsClean) {
  // Five subfolders S1..S5 of C:\Five, each holding a nested folder; those
  // of S1 and S3 cannot be read.
  fs.AddFolder(u"C:\\Five");
  for (char16_t c = u'1'; c <= u'5'; ++c) {
    const Str s = Str(u"C:\\Five\\S") + c;
    fs.AddFolder(s);
    fs.AddFolder(s + u"\\inner");
    fs.AddFile(s + u"\\inner\\f", 10);
  }
  fs.FailListing(u"C:\\Five\\S1\\inner");
  fs.FailListing(u"C:\\Five\\S3\\inner");
  bool stopped = false;
  view.onStatus = [&](const Str& text) {
    if (!stopped && text == u"0Bytes in C:\\Five\\S3\\.") {
      stopped = true;
      view.Post([this] { form.Command1_Click(); });
    }
  };
  Search(u"C:\\Five");
  ASSERT_TRUE(stopped);
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  // S3 was being counted when the stop came: no row, but what it met counts.
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\S1\\", "C:\\Five\\S2\\"}));
  EXPECT_EQ(view.status2, u"2 folders could not be read");
  EXPECT_EQ(MarkedRows(), (V{"C:\\Five\\S1\\"}));

  // The next run forgets it before it shows anything of its own.
  std::vector<Str> panelAtStatus;
  view.onStatus = [&](const Str&) { panelAtStatus.push_back(view.status2); };
  Search(u"C:\\Five\\S2");
  ASSERT_FALSE(panelAtStatus.empty());
  EXPECT_EQ(panelAtStatus.front(), u"");
  EXPECT_EQ(view.status2, u"");
  EXPECT_EQ(form.Unreadables().Total(), 0u);
  form.StatusBar1_PanelClick(2);
  EXPECT_TRUE(view.unreadableWindows.empty());
}

TEST(UnreadableReport, ListsKeptPathsInNameOrderThenHowManyMore) {
  const struct {
    int paths;  // C:\R\1\ ... met from the last down, then one file
    std::vector<Str> first;
    Str last;
  } cases[] = {
      {2, {u"C:\\R\\1\\", u"C:\\R\\2\\", u"C:\\R\\f"}, u"C:\\R\\f"},
      // Numbers in names in the order of their values, not of their digits.
      {10, {u"C:\\R\\1\\", u"C:\\R\\2\\", u"C:\\R\\3\\"}, u"C:\\R\\f"},
      {static_cast<int>(UnreadableList::kKeptPaths) + 4, {u"C:\\R\\5\\", u"C:\\R\\6\\"}, u"and 5 more"},
  };
  for (const auto& c : cases) {
    UnreadableList list;
    for (int i = c.paths; i >= 1; --i) list.Add(u"C:\\R\\" + DecimalText(i) + u"\\", Unreadable::Folder);
    list.Add(u"C:\\R\\f", Unreadable::File);
    const UnreadableReport report = MakeUnreadableReport(list, NaturalOrder());
    const size_t kept = std::min<size_t>(c.paths + 1, UnreadableList::kKeptPaths);
    ASSERT_EQ(report.lines.size(), kept + (kept < static_cast<size_t>(c.paths) + 1 ? 1 : 0));
    EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), report.lines.begin())) << c.paths;
    EXPECT_EQ(report.lines.back(), c.last);
  }
  const UnreadableReport two{{u"C:\\a", u"and 1 more"}};
  EXPECT_EQ(two.ClipboardText(), u"C:\\a\r\nand 1 more\r\n");
}

TEST(OverlayTip, OnlyTheShortTotalsMarkHasOne) {
  EXPECT_EQ(OverlayTip(kShortTotalsOverlay), StrView(kShortTotalsTip));
  EXPECT_TRUE(OverlayTip(0).empty());
  EXPECT_TRUE(OverlayTip(kShortTotalsOverlay + 1).empty());
}

}  // namespace
}  // namespace tarnwick::testing
