#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakeFormView.h"
#include "fakes/MemoryFileSystem.h"

namespace tarnwick {
namespace {

using Names = std::vector<Str>;

// Header positions as the user sees them, left to right.
constexpr int kNameHeader = 1;
constexpr int kSimpleSizeHeader = 2;
constexpr int kSizeHeader = 3;
constexpr int kFilesHeader = 4;
constexpr int kFoldersHeader = 5;
constexpr int kOnDiskHeader = kSubOnDisk + 1;

class ColumnSort : public ::testing::Test {
 protected:
  ListModel& list() { return form->ListView1(); }

  void AddRootFile(const Str& name, double size, double onDisk = 0) {
    form->AddList(RowFacts{u"C:\\r\\" + name + u"\\", {size, 0, 0, 0, onDisk}, kRootFileRow});
  }
  void AddFolder(const Str& name, double size, double files = 0, double folders = 0, double onDisk = 0) {
    form->AddList(RowFacts{u"C:\\r\\" + name + u"\\", {size, files, folders, 0, onDisk}, kFolderRow});
  }
  // Root files first, as a run adds them, then folders. Sizes on disk go
  // their own way: a sparse folder takes nothing, an empty one its records.
  void AddTheRows() {
    AddRootFile(u"f50", 50, 4096);
    AddRootFile(u"f5000", 5000, 8192);
    AddRootFile(u"f7", 7, 0);
    AddFolder(u"d10", 10, 30, 2, 8192);
    AddFolder(u"d100000", 100000, 1, 3, 0);
    AddFolder(u"d0", 0, 200, 1, 12288);
    AddFolder(u"d9", 9, 4, 4, 4096);
  }
  Names Texts() {
    Names out;
    for (int i = 1; i <= list().Count(); ++i) out.push_back(list().Row(i).text);
    return out;
  }
  // Every key is what rebuilding them all now would make of the rows.
  void ExpectFreshKeys() {
    const int o = form->Sorting().SortOrder();
    for (int i = 1; i <= list().Count(); ++i) {
      const bool folder = list().SubItem(i, kSubKind) == u"1";
      const Str prefix = o == 0 ? (folder ? u"6" : u"7") : (folder ? u"4" : u"3");
      EXPECT_EQ(list().SubItem(i, kSubCompositeKey), prefix + list().SubItem(i, form->Sorting().SortColumn())) << i;
    }
  }

  testing::FakeFormView view;
  testing::MemoryFileSystem fs;
  // Sorting state lives as long as its form: a case that needs it fresh
  // makes a new one.
  std::optional<Form1> form{std::in_place, view, fs};
};

TEST_F(ColumnSort, HeaderClicksChooseTheKeyColumnAndTheDirection) {
  const struct {
    const char* what;
    std::vector<int> clicks;
    int column;
    int order;
    Names rows;
  } cases[] = {
      {"no click: by size, ascending", {}, 5, 0, {u"d0", u"d9", u"d10", u"d100000", u"f7", u"f50", u"f5000"}},
      {"size again reverses", {kSizeHeader}, 5, 1, {u"d100000", u"d10", u"d9", u"d0", u"f5000", u"f50", u"f7"}},
      {"simplified size after size reverses once more",
       {kSizeHeader, kSimpleSizeHeader},
       5,
       0,
       {u"d0", u"d9", u"d10", u"d100000", u"f7", u"f50", u"f5000"}},
      {"file count keeps descending",
       {kSizeHeader, kFilesHeader},
       8,
       1,
       {u"d0", u"d10", u"d9", u"d100000", u"f5000", u"f50", u"f7"}},
      // Root files all hold 0 there: they keep the order they had.
      {"folder count, ascending", {kFoldersHeader}, 9, 0, {u"d0", u"d10", u"d100000", u"d9", u"f7", u"f50", u"f5000"}},
      {"name", {kNameHeader}, 6, 0, {u"d0", u"d9", u"d10", u"d100000", u"f7", u"f50", u"f5000"}},
      {"name twice", {kNameHeader, kNameHeader}, 6, 1, {u"d100000", u"d10", u"d9", u"d0", u"f5000", u"f50", u"f7"}},
      {"size on disk keeps descending",
       {kSizeHeader, kOnDiskHeader},
       kSubOnDisk,
       1,
       {u"d0", u"d10", u"d9", u"d100000", u"f5000", u"f50", u"f7"}},
      {"size on disk, ascending",
       {kOnDiskHeader},
       kSubOnDisk,
       0,
       {u"d100000", u"d9", u"d10", u"d0", u"f7", u"f50", u"f5000"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    form.emplace(view, fs);
    view.arrowHeader = 0;
    AddTheRows();
    for (const int header : c.clicks) form->ListView1_ColumnClick(header);
    EXPECT_EQ(form->Sorting().SortColumn(), c.column);
    EXPECT_EQ(form->Sorting().SortOrder(), c.order);
    EXPECT_EQ(Texts(), c.rows);
    ExpectFreshKeys();
    if (!c.clicks.empty()) {
      EXPECT_EQ(view.arrowHeader, c.clicks.back());
      EXPECT_EQ(view.arrowOrder, c.order);
      EXPECT_TRUE(form->Sorting().Sorted());
    }
  }
}

TEST_F(ColumnSort, HiddenAndMissingHeadersDoNothing) {
  AddTheRows();
  form->ListView1_ColumnClick(kSizeHeader);
  const Names before = Texts();
  for (const int header : {6, 7, 8, 9, 10, 11, 12, 0, kSubItemCount + 2, -1}) form->ListView1_ColumnClick(header);
  EXPECT_EQ(form->Sorting().SortColumn(), 5);
  EXPECT_EQ(form->Sorting().SortOrder(), 1);
  EXPECT_EQ(view.arrowHeader, kSizeHeader);
  EXPECT_EQ(Texts(), before);
}

TEST_F(ColumnSort, AClickOnAnEmptyListCarriesIntoTheNextRun) {
  form->ListView1_ColumnClick(kFilesHeader);
  form->ListView1_ColumnClick(kFilesHeader);
  EXPECT_EQ(form->Sorting().SortColumn(), 8);
  EXPECT_EQ(form->Sorting().SortOrder(), 1);
  EXPECT_EQ(view.arrowHeader, kFilesHeader);
  EXPECT_EQ(view.arrowOrder, 1);
  AddTheRows();
  EXPECT_EQ(Texts(), (Names{u"d0", u"d10", u"d9", u"d100000", u"f50", u"f5000", u"f7"}));
  ExpectFreshKeys();
}

// A search of C:\r, whose root files f50, f5000 and f7 are listed in that
// order, with the window let run after every root file.
class ColumnSortInARun : public ColumnSort {
 protected:
  void SetUp() override {
    fs.AddFolder(u"C:\\r");
    for (const int size : {50, 5000, 7}) fs.AddFile(u"C:\\r\\f" + DecimalText(size), static_cast<std::uint64_t>(size));
    view.clockStep = 100;
  }
  // A folder holding `files` files, the first of them `size` bytes.
  void AddFolderOnDisk(const Str& name, std::uint64_t size, int files) {
    fs.AddFolder(u"C:\\r\\" + name);
    for (int i = 0; i < files; ++i) fs.AddFile(u"C:\\r\\" + name + u"\\" + DecimalText(i), i == 0 ? size : 0);
  }
  // Runs `act` as user input when the status first reads `text`.
  void When(const Str& text, std::function<void()> act) {
    view.onStatus = [this, text, act, done = false](const Str& shown) mutable {
      if (done || shown.find(text) == Str::npos) return;
      done = true;
      view.Post(act);
    };
  }
  void Search() {
    view.text1 = u"C:\\r";
    form->Command1_Click();
  }
};

// The root-file rows come unkeyed in listing order: a click made while they
// are added waits for that phase to end and sorts them then, whether the
// root has folders or not and however the phase ends; the arrow shows that
// order, and the next click reverses it.
TEST_F(ColumnSortInARun, AClickAmongTheRootFilesSortsThemOnceThatPhaseEnds) {
  const struct {
    const char* what;
    bool folder;
    std::vector<int> clicks;
    bool stop;  // Cancel pressed after the clicks
    Names rows;
    int order;
    const char16_t* lastAfterNextClick;
  } cases[] = {
      {"size reversed, no folders", false, {kSizeHeader}, false, {u"f5000", u"f50", u"f7"}, 1, u"f5000"},
      {"name twice, no folders", false, {kNameHeader, kNameHeader}, false, {u"f5000", u"f50", u"f7"}, 1, u"f5000"},
      {"name, with a folder", true, {kNameHeader}, false, {u"d", u"f7", u"f50", u"f5000"}, 0, u"f7"},
      {"size reversed, then stopped", true, {kSizeHeader}, true, {u"f5000", u"f50"}, 1, u"f5000"},
  };
  bool folderMade = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.folder && !folderMade) {
      AddFolderOnDisk(u"d", 1, 1);
      folderMade = true;
    }
    form.emplace(view, fs);
    view.arrowHeader = 0;
    int arrowMovesInPhase = 0;
    view.onPump = [&](int) {
      if (view.status.find(u"Files in Root") != Str::npos && view.arrowHeader != 0) ++arrowMovesInPhase;
    };
    When(u"2Files in Root", [&] {
      for (const int header : c.clicks) form->ListView1_ColumnClick(header);
      if (c.stop) form->Command1_Click(view.now);
    });
    Search();
    EXPECT_EQ(Texts(), c.rows);
    EXPECT_EQ(arrowMovesInPhase, 0);
    EXPECT_EQ(view.arrowHeader, c.clicks.back());
    EXPECT_EQ(view.arrowOrder, c.order);
    ExpectFreshKeys();
    form->ListView1_ColumnClick(c.clicks.back());
    EXPECT_EQ(view.arrowOrder, 1 - c.order);
    EXPECT_EQ(Texts().back(), c.lastAfterNextClick);
  }
}

TEST_F(ColumnSortInARun, AClickWhileAFolderIsCountedOrdersTheRowsAddedAfterIt) {
  AddFolderOnDisk(u"a", 100, 5);
  AddFolderOnDisk(u"b", 300, 1);
  AddFolderOnDisk(u"c", 200, 9);
  AddFolderOnDisk(u"d", 1, 7);
  When(u"Bytes in C:\\r\\c\\", [this] { form->ListView1_ColumnClick(kFilesHeader); });
  Names whileDIsCounted;
  view.onPump = [&](int) {
    if (whileDIsCounted.empty() && view.status.find(u"Bytes in C:\\r\\d\\") != Str::npos) whileDIsCounted = Texts();
  };
  Search();
  EXPECT_EQ(whileDIsCounted, (Names{u"b", u"a", u"c", u"f7", u"f50", u"f5000"}));
  EXPECT_EQ(Texts(), (Names{u"b", u"a", u"d", u"c", u"f7", u"f50", u"f5000"}));
  EXPECT_EQ(view.arrowHeader, kFilesHeader);
  EXPECT_EQ(view.arrowOrder, 0);
  ExpectFreshKeys();
}

TEST_F(ColumnSort, NamesComeInTheOrderTheUserKnows) {
  AddRootFile(u"a.txt", 1);
  for (const char16_t* name : {u"Folder 10", u"folder 2", u"Folder 1", u"b", u"B", u"漢字", u"あいう", u"8", u"007",
                               u"Ｆｏｌｄｅｒ 3"}) {
    AddFolder(name, 1);
  }
  form->ListView1_ColumnClick(kNameHeader);
  // Case ignored, digit runs as numbers, full-width letters as their
  // narrow forms; names equal but for case in one fixed order; root files
  // after folders.
  const Names ascending{u"007",      u"8",         u"B",    u"b",    u"Folder 1", u"folder 2",
                        u"Ｆｏｌｄｅｒ 3", u"Folder 10", u"あいう", u"漢字", u"a.txt"};
  EXPECT_EQ(Texts(), ascending);
  form->ListView1_ColumnClick(kNameHeader);
  const Names descending{u"漢字",    u"あいう", u"Folder 10", u"Ｆｏｌｄｅｒ 3", u"folder 2", u"Folder 1",
                         u"b",      u"B",     u"8",         u"007",      u"a.txt"};
  EXPECT_EQ(Texts(), descending);
}

}  // namespace
}  // namespace tarnwick
