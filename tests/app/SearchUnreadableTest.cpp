#include "app/SearchFixture.h"
#include "app/StatusText.h"

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
  const Str kHeader = u"These could not be read, so the totals that hold them are short:";
  const struct {
    const char* name;
    std::vector<Str> unlistable;
    std::vector<Str> unmeasurable;
    const char16_t* panel;
    V marked;
    const char16_t* completion;  // the counting rules, unchanged
    const char16_t* message;     // after a click on the second panel; "" for none
  } cases[] = {
      {"clean tree", {}, {}, u"", {}, u"Complate. All Search 7Files , 3345Bytes.", u""},
      {"deep in a subtree",
       {u"C:\\Data\\B\\B1"},
       {},
       u"1 folder could not be read",
       {"C:\\Data\\B\\"},
       u"Complate. All Search 4Files , 1345Bytes.",
       u"\nC:\\Data\\B\\B1\\"},
      {"a subfolder at its top",
       {u"C:\\Data\\A"},
       {},
       u"1 folder could not be read",
       {"C:\\Data\\A\\"},
       u"Complate. All Search 4Files , 2345Bytes.",
       u"\nC:\\Data\\A\\"},
      {"a file that cannot be measured",
       {},
       {u"C:\\Data\\B\\B1\\2"},
       u"1 file could not be read",
       {"C:\\Data\\B\\"},
       u"Complate. All Search 4Files , 1345Bytes.",
       u"\nC:\\Data\\B\\B1\\2"},
      {"two folders",
       {u"C:\\Data\\A", u"C:\\Data\\B\\B1"},
       {},
       u"2 folders could not be read",
       {"C:\\Data\\A\\", "C:\\Data\\B\\"},
       u"Complate. All Search 1Files , 345Bytes.",
       u"\nC:\\Data\\A\\\nC:\\Data\\B\\B1\\"},
      {"a folder and a file",
       {u"C:\\Data\\A"},
       {u"C:\\Data\\B\\B1\\2"},
       u"1 folder and 1 file could not be read",
       {"C:\\Data\\A\\", "C:\\Data\\B\\"},
       u"Complate. All Search 1Files , 345Bytes.",
       u"\nC:\\Data\\A\\\nC:\\Data\\B\\B1\\2"},
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
    const Str message = c.message;
    EXPECT_EQ(view.messages, message.empty() ? std::vector<Str>{} : std::vector<Str>{kHeader + message});
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
  view.messages.clear();
  form.StatusBar1_PanelClick(2);
  EXPECT_TRUE(view.messages.empty());
}

TEST(UnreadablePathsText, KeepsTheFirstPathsAndShortensOnlyOverlongOnes) {
  UnreadableList list;
  // Over the longest shown length, with a character outside the BMP (two
  // UTF-16 units) wherever the cut falls.
  Str overlong = u"C:\\start";
  while (overlong.size() < 400) overlong += u"\\d\U0001F600";
  overlong += u"\\the-end\\";
  list.Add(overlong, Unreadable::Folder);
  for (int i = 2; i <= 30; ++i) list.Add(u"C:\\R\\" + DecimalText(i) + u"\\", Unreadable::Folder);
  list.Add(u"C:\\R\\f", Unreadable::File);
  EXPECT_EQ(UnreadableCountText(list), u"30 folders and 1 file could not be read");

  std::vector<Str> lines;
  const Str text = UnreadablePathsText(list);
  for (size_t start = 0;;) {
    const size_t end = text.find(u'\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == Str::npos) break;
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 1 + UnreadableList::kKeptPaths + 1);
  EXPECT_EQ(lines[2], u"C:\\R\\2\\");
  EXPECT_EQ(lines[UnreadableList::kKeptPaths], u"C:\\R\\25\\");
  EXPECT_EQ(lines.back(), u"and 6 more");

  // The cut falls at every place within a surrogate pair's cycle.
  for (size_t shift = 0; shift < 4; ++shift) {
    const Str shifted = u"C:\\" + Str(shift, u'x') + overlong.substr(3);
    UnreadableList one;
    one.Add(shifted, Unreadable::Folder);
    const Str shown = UnreadablePathsText(one).substr(text.find(u'\n') + 1);
    EXPECT_LE(shown.size(), kLongestShownPath);
    EXPECT_GE(shown.size(), kLongestShownPath - 2);
    EXPECT_EQ(shown.substr(0, 8), shifted.substr(0, 8));
    EXPECT_TRUE(shown.ends_with(u"\\the-end\\"));
    EXPECT_NE(shown.find(u'\u2026'), Str::npos);
    // Every surrogate stands in a whole pair.
    for (size_t i = 0; i < shown.size(); ++i) {
      const bool high = shown[i] >= 0xD800 && shown[i] <= 0xDBFF;
      const bool nextLow = i + 1 < shown.size() && shown[i + 1] >= 0xDC00 && shown[i + 1] <= 0xDFFF;
      const bool low = shown[i] >= 0xDC00 && shown[i] <= 0xDFFF;
      const bool previousHigh = i > 0 && shown[i - 1] >= 0xD800 && shown[i - 1] <= 0xDBFF;
      EXPECT_TRUE(!high || nextLow) << "shift " << shift << " at " << i;
      EXPECT_TRUE(!low || previousHigh) << "shift " << shift << " at " << i;
    }
  }
  // A path that fits is shown whole.
  UnreadableList fits;
  const Str exact = u"C:\\" + Str(kLongestShownPath - 3, u'x');
  fits.Add(exact, Unreadable::File);
  EXPECT_EQ(UnreadablePathsText(fits).substr(text.find(u'\n') + 1), exact);
}

}  // namespace
}  // namespace tarnwick::testing
