#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakeFormView.h"
#include "fakes/MemoryFileSystem.h"

namespace tarnwick {
namespace {

Str Zeros(size_t n) { return Str(n, u'0'); }

class ResultRows : public ::testing::Test {
 protected:
  ListModel& list() { return form.ListView1(); }

  void AddRootFile(const Str& path, double size) {
    form.AddList(RowFacts{path, {size, 0, 0}, 2});
  }
  void AddFolder(const Str& path, double size, double files = 0, double folders = 0) {
    form.AddList(RowFacts{path, {size, files, folders}, 1});
  }
  void Search(const Str& root) {
    view.text1 = root;
    form.Command1_Click();
  }
  // The first column of every row, top to bottom.
  std::vector<Str> Texts() {
    std::vector<Str> out;
    for (int i = 1; i <= list().Count(); ++i) out.push_back(list().Row(i).text);
    return out;
  }

  testing::FakeFormView view;
  testing::MemoryFileSystem fs;
  Form1 form{view, fs};
};

TEST_F(ResultRows, EmptyFolderRow) {
  AddFolder(u"C:\\data\\empty\\", 0);
  ASSERT_EQ(list().Count(), 1);
  const ListRow& row = list().Row(1);
  EXPECT_EQ(row.text, u"empty");
  EXPECT_EQ(row.icon, 1);
  EXPECT_EQ(row.sub[kSubSimpleSize], u"0.0MB");
  EXPECT_EQ(row.sub[kSubSize], u"");
  EXPECT_EQ(row.sub[kSubFiles], u"0");
  EXPECT_EQ(row.sub[kSubFolders], u"0");
  EXPECT_EQ(row.sub[kSubPaddedSize], Zeros(30));
  EXPECT_EQ(row.sub[kSubBareName], u"empty");
  EXPECT_EQ(row.sub[kSubFullPath], u"C:\\data\\empty\\");
  EXPECT_EQ(row.sub[kSubPaddedFiles], Zeros(30));
  EXPECT_EQ(row.sub[kSubPaddedFolders], Zeros(30));
  EXPECT_EQ(row.sub[kSubKind], u"1");
  EXPECT_EQ(row.sub[kSubCompositeKey], Str(u"6") + Zeros(30));
}

TEST_F(ResultRows, FolderRowNumbers) {
  AddFolder(u"C:\\data\\photos\\", 1234567, 12, 3456);
  const ListRow& row = list().Row(1);
  EXPECT_EQ(row.sub[kSubSize], u"1,234,567");
  EXPECT_EQ(row.sub[kSubFiles], u"12");
  EXPECT_EQ(row.sub[kSubFolders], u"3456");
  EXPECT_EQ(row.sub[kSubPaddedSize], Zeros(23) + u"1234567");
  EXPECT_EQ(row.sub[kSubPaddedFiles], Zeros(28) + u"12");
  EXPECT_EQ(row.sub[kSubPaddedFolders], Zeros(26) + u"3456");
  EXPECT_EQ(row.sub[kSubSimpleSize], u"1.1MB");
}

TEST_F(ResultRows, LocaleSeparators) {
  Form1 local(view, fs, NumberSeparators{u".", u","});
  local.AddList(RowFacts{u"C:\\big\\", {1610612736, 1234, 0}, 1});
  view.unit = 0;
  local.ReDraw();
  EXPECT_EQ(local.ListView1().SubItem(1, kSubSize), u"1.610.612.736");
  EXPECT_EQ(local.ListView1().SubItem(1, kSubSimpleSize), u"1,5GB");
  EXPECT_EQ(local.ListView1().SubItem(1, kSubFiles), u"1234");  // counts are never grouped
}

TEST_F(ResultRows, CompositeKeyPrefixFollowsKindAndDirection) {
  AddFolder(u"C:\\data\\small\\", 1234);
  const Str key = list().SubItem(1, kSubCompositeKey);
  EXPECT_EQ(key, Str(u"6") + Zeros(26) + u"1234");
  EXPECT_EQ(key.size(), 31u);

  ListModel& descending = form.ListView1();
  descending.Clear();
  form.Sorting().SetSortOrder(1);
  AddFolder(u"C:\\data\\small\\", 1234);
  AddRootFile(u"C:\\data\\a.txt\\", 1234);
  form.SortAdd();
  EXPECT_EQ(descending.SubItem(1, kSubCompositeKey), Str(u"4") + Zeros(26) + u"1234");
  EXPECT_EQ(descending.SubItem(2, kSubCompositeKey), Str(u"3") + Zeros(26) + u"1234");

  // Unsorted, the rows keep their places while the direction changes.
  form.Sorting().SetSorted(false);
  form.Sorting().SetSortOrder(0);
  form.SortAdd();
  EXPECT_EQ(descending.SubItem(2, kSubCompositeKey), Str(u"7") + Zeros(26) + u"1234");
}

TEST_F(ResultRows, RootFileRow) {
  AddRootFile(u"C:\\data\\notes.txt\\", 2048);
  const ListRow& row = list().Row(1);
  EXPECT_EQ(row.text, u"notes.txt");
  EXPECT_EQ(row.icon, 2);
  EXPECT_EQ(row.sub[kSubFiles], u"0");
  EXPECT_EQ(row.sub[kSubFolders], u"0");
  EXPECT_EQ(row.sub[kSubBareName], u"notes.txt");
  EXPECT_EQ(row.sub[kSubFullPath], u"C:\\data\\notes.txt\\");
  EXPECT_EQ(row.sub[kSubKind], u"2");

  view.fullPath = true;
  form.Check1_Click();
  EXPECT_EQ(list().Row(1).text, u"C:\\data\\notes.txt\\");
}

TEST_F(ResultRows, FirstColumnShowsBareNameOrFullPath) {
  AddFolder(u"C:\\data\\photos\\", 1);
  EXPECT_EQ(list().Row(1).text, u"photos");
  view.fullPath = true;
  AddFolder(u"C:\\data\\music\\", 2);
  EXPECT_EQ(list().SubItem(2, kSubBareName), u"music");
  EXPECT_EQ(list().Row(2).text, u"C:\\data\\music\\");
  EXPECT_EQ(list().Row(1).text, u"photos");  // until re-rendered
  form.ReDraw();
  EXPECT_EQ(list().Row(1).text, u"C:\\data\\photos\\");
  EXPECT_EQ(list().SubItem(1, kSubFullPath), u"C:\\data\\photos\\");
}

TEST_F(ResultRows, BareNameIsTheLastComponent) {
  const struct {
    const char16_t* st;
    const char16_t* name;
  } cases[] = {
      {u"C:\\data\\photos\\", u"photos"},
      {u"C:\\data\\notes.txt\\", u"notes.txt"},
      {u"C:\\data\\日本語 フォルダ\\", u"日本語 フォルダ"},
      {u"\\\\server\\share\\sub\\", u"sub"},
      {u"relative\\", u"relative"},
      {u"C:\\", u"C:"},
      {u"\\", u""},
      {u"C:\\data\\photos", u"photos"},  // without its trailing backslash the name stays whole
      {u"", u""},
  };
  for (const auto& c : cases) {
    list().Clear();
    AddRootFile(c.st, 0);
    EXPECT_EQ(list().SubItem(1, kSubBareName), c.name) << ToUtf8(c.st);
    EXPECT_EQ(list().SubItem(1, kSubFullPath), c.st);
  }
}

TEST_F(ResultRows, SimplifiedSizeInTheChosenUnit) {
  const struct {
    double bytes;
    int unit;
    const char16_t* text;
  } cases[] = {
      {1610612736, 0, u"1.5GB"},
      {1073741823, 0, u"0.9GB"},
      {1073741824, 0, u"1.0GB"},
      {123456789, 1, u"117.7MB"},
      {5368709120, 1, u"5120.0MB"},
      {1048575, 1, u"0.9MB"},
      {1000, 1, u"0.0MB"},
      {1023, 2, u"0.9KB"},
      {0, 2, u"0.0KB"},
      {500.0 * 1048576, 0, u"0.4GB"},
      {1048576, 5, u"1024.0KB"},
  };
  for (const auto& c : cases) {
    list().Clear();
    view.unit = 1;
    AddFolder(u"C:\\x\\", c.bytes);
    view.unit = c.unit;
    form.Option1_Click(c.unit);
    EXPECT_EQ(list().SubItem(1, kSubSimpleSize), c.text) << c.bytes;
    form.SetSimpleSize(1);  // reading its own padded size again changes nothing
    EXPECT_EQ(list().SubItem(1, kSubSimpleSize), c.text) << c.bytes;
  }
}

TEST_F(ResultRows, ReDrawRendersAgainWithoutReordering) {
  AddFolder(u"C:\\r\\big\\", 3000000);
  AddFolder(u"C:\\r\\small\\", 10);
  AddFolder(u"C:\\r\\mid\\", 50000);
  EXPECT_EQ(Texts(), (std::vector<Str>{u"small", u"mid", u"big"}));
  std::vector<Str> keys;
  for (int i = 1; i <= 3; ++i) keys.push_back(list().SubItem(i, kSubCompositeKey));

  // Leave the list out of key order: a ReDraw that sorted would show it.
  form.Sorting().SetSorted(false);
  form.Sorting().SetSortOrder(1);
  view.fullPath = true;
  form.Check1_Click();
  EXPECT_EQ(Texts(), (std::vector<Str>{u"C:\\r\\small\\", u"C:\\r\\mid\\", u"C:\\r\\big\\"}));
  EXPECT_EQ(view.columnFits, 1);  // the new texts get columns that fit them
  view.unit = 2;
  form.Option1_Click(2);
  EXPECT_EQ(view.columnFits, 2);
  EXPECT_EQ(list().SubItem(3, kSubSimpleSize), u"2929.6KB");
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(list().SubItem(i, kSubCompositeKey), keys[static_cast<size_t>(i - 1)]);
  EXPECT_FALSE(form.Sorting().Sorted());
}

TEST_F(ResultRows, RootOnlyRunKeepsListingOrder) {
  fs.AddFolder(u"C:\\r");
  fs.AddFile(u"C:\\r\\z.txt", 1);
  fs.AddFile(u"C:\\r\\a.txt", 900);
  fs.AddFile(u"C:\\r\\m.txt", 5);
  Search(u"C:\\r");
  EXPECT_EQ(Texts(), (std::vector<Str>{u"z.txt", u"a.txt", u"m.txt"}));
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(list().SubItem(i, kSubCompositeKey), u"") << i;
  EXPECT_EQ(view.pumps, 0);
}

// Root files listed first, then folders with a tie; the rows end up folders
// first, each kind ordered by size in the list's direction.
class BothDirections : public ResultRows, public ::testing::WithParamInterface<int> {};

TEST_P(BothDirections, FolderRowsComeBeforeRootFileRows) {
  const int order = GetParam();
  form.Sorting().SetSortOrder(order);
  AddRootFile(u"C:\\r\\f50\\", 50);
  AddRootFile(u"C:\\r\\f5000\\", 5000);
  AddRootFile(u"C:\\r\\f7\\", 7);
  AddFolder(u"C:\\r\\d10a\\", 10);
  AddFolder(u"C:\\r\\d100000\\", 100000);
  AddFolder(u"C:\\r\\d0\\", 0);
  AddFolder(u"C:\\r\\d10b\\", 10);
  const std::vector<Str> ascending = {u"d0", u"d10a", u"d10b", u"d100000", u"f7", u"f50", u"f5000"};
  const std::vector<Str> descending = {u"d100000", u"d10a", u"d10b", u"d0", u"f5000", u"f50", u"f7"};
  EXPECT_EQ(Texts(), order == 0 ? ascending : descending);
  EXPECT_TRUE(form.Sorting().Sorted());
}

INSTANTIATE_TEST_SUITE_P(ResultRows, BothDirections, ::testing::Values(0, 1));

TEST_F(ResultRows, AfterEachFolderRowTheWindowRunsWithTheListComplete) {
  fs.AddFolder(u"C:\\r");
  fs.AddFile(u"C:\\r\\file1", 300);
  fs.AddFile(u"C:\\r\\file2", 1);
  const std::uint64_t sizes[] = {40, 2, 9000000000, 0};
  for (int i = 0; i < 4; ++i) {
    const Str folder = u"C:\\r\\dir" + DecimalText(i);
    fs.AddFolder(folder);
    fs.AddFile(folder + u"\\f", sizes[i]);
  }
  // The row counts at the passes of the window that found every row keyed
  // and in order.
  std::set<int> complete;
  view.onPump = [&](int) {
    if (!form.Sorting().Sorted()) return;
    for (int i = 1; i <= list().Count(); ++i) {
      if (list().SubItem(i, kSubCompositeKey).empty()) return;
      if (i > 1 && list().SubItem(i - 1, kSubCompositeKey) > list().SubItem(i, kSubCompositeKey)) return;
    }
    complete.insert(list().Count());
  };
  Search(u"C:\\r");
  EXPECT_EQ(complete, (std::set<int>{3, 4, 5, 6}));
}

}  // namespace
}  // namespace tarnwick
