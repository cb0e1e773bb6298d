#include <gtest/gtest.h>

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

class ColumnSort : public ::testing::Test {
 protected:
  ListModel& list() { return form->ListView1(); }

  void AddRootFile(const Str& name, double size) {
    form->AddingRootFiles = 1;
    form->AddList(RowFacts{u"C:\\r\\" + name + u"\\", {size, 0, 0}, kRootFileRow});
  }
  void AddFolder(const Str& name, double size, double files = 0, double folders = 0) {
    form->AddingRootFiles = 0;
    form->AddList(RowFacts{u"C:\\r\\" + name + u"\\", {size, files, folders}, kFolderRow});
  }
  // Root files first, as a run adds them, then folders.
  void AddTheRows() {
    AddRootFile(u"f50", 50);
    AddRootFile(u"f5000", 5000);
    AddRootFile(u"f7", 7);
    AddFolder(u"d10", 10, 30, 2);
    AddFolder(u"d100000", 100000, 1, 3);
    AddFolder(u"d0", 0, 200, 1);
    AddFolder(u"d9", 9, 4, 4);
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

TEST_F(ColumnSort, HeadersPastTheFifthDoNothing) {
  AddTheRows();
  form->ListView1_ColumnClick(kSizeHeader);
  const Names before = Texts();
  for (const int header : {6, 7, 8, 9, 10, 11, 12, 0, 13, -1}) form->ListView1_ColumnClick(header);
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

TEST_F(ColumnSort, TheFirstClickAfterARunStoppedAmongRootFilesOnlyEndsThatPhase) {
  // A run stopped while adding root files leaves the flag set and no keys.
  AddRootFile(u"b", 20);
  AddRootFile(u"c", 30);
  AddRootFile(u"a", 10);
  form->ListView1_ColumnClick(kSizeHeader);
  EXPECT_EQ(form->AddingRootFiles, 0);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(list().SubItem(i, kSubCompositeKey), u"") << i;
  EXPECT_EQ(Texts(), (Names{u"b", u"c", u"a"}));
  form->ListView1_ColumnClick(kSizeHeader);
  EXPECT_EQ(Texts(), (Names{u"a", u"b", u"c"}));
  ExpectFreshKeys();
}

TEST_F(ColumnSort, TheArrowShowsTheOrderTheRowsHave) {
  // A click that only ends the root-file phase orders nothing: no arrow moves.
  AddRootFile(u"b", 20);
  AddRootFile(u"a", 10);
  form->ListView1_ColumnClick(kFilesHeader);
  EXPECT_EQ(view.arrowHeader, 0);
  EXPECT_EQ(Texts(), (Names{u"b", u"a"}));
  // Once rows are keyed by what it chose, the arrow comes to its header.
  AddFolder(u"d", 5, 3);
  EXPECT_EQ(view.arrowHeader, kFilesHeader);
  EXPECT_EQ(view.arrowOrder, 0);
}

TEST_F(ColumnSort, AClickInsideARunsYieldOrdersTheRowsAddedAfterIt) {
  AddFolder(u"a", 100, 5);
  AddFolder(u"b", 300, 1);
  view.Post([&] { form->ListView1_ColumnClick(kFilesHeader); });
  AddFolder(u"c", 200, 9);
  EXPECT_EQ(Texts(), (Names{u"b", u"a", u"c"}));
  AddFolder(u"d", 1, 7);
  EXPECT_EQ(Texts(), (Names{u"b", u"a", u"d", u"c"}));
  view.Post([&] { form->ListView1_ColumnClick(kFilesHeader); });
  AddRootFile(u"e.txt", 999);
  AddFolder(u"f", 0, 2);
  AddFolder(u"g", 0, 6);
  EXPECT_EQ(Texts(), (Names{u"c", u"d", u"g", u"a", u"f", u"b", u"e.txt"}));
  EXPECT_EQ(view.arrowHeader, kFilesHeader);
  EXPECT_EQ(view.arrowOrder, 1);
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
