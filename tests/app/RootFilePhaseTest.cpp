#include <cstdint>
#include <functional>
#include <optional>

#include "app/SearchFixture.h"

// A root that holds many files keeps the window answering while their rows
// are added, and a press is taken in the role the button had when the user
// made it, however late it is handled. The fake clock moves on 1 ms at every
// reading, so the run lets the window run every few dozen files.

namespace tarnwick::testing {
namespace {

constexpr int kManyFiles = 2000;

class RootFilePhase : public SearchFixture {
 protected:
  void SetUp() override {
    SearchFixture::SetUp();
    fs.AddFolder(u"C:\\Many");
    for (int i = 0; i < kManyFiles; ++i) fs.AddFile(u"C:\\Many\\f" + DecimalText(i), static_cast<std::uint64_t>(i));
    fs.AddFolder(u"C:\\Many\\Sub");
    fs.AddFile(u"C:\\Many\\Sub\\inside", 5);
  }
};

TEST_F(RootFilePhase, TheCounterIsWrittenAsTheWindowRunsAndEndsExact) {
  view.clockStep = 1;
  std::vector<int> counters;  // the root-file counters written, in order
  int passesInPhase = 0;
  view.onStatus = [&](const Str& text) {
    const size_t at = text.find(u"Files in Root");
    if (at != Str::npos) counters.push_back(static_cast<int>(ReadNumber(text.substr(0, at))));
  };
  view.onPump = [&](int) {
    if (view.status.find(u"Files in Root") != Str::npos) ++passesInPhase;
  };
  Search(u"C:\\Many");
  EXPECT_EQ(view.status, u"Complate. All Search 1Files , 5Bytes.");
  EXPECT_EQ(form.ListView1().Count(), kManyFiles + 1);
  // Every 20 ms of the clock: about every 20 files.
  EXPECT_GE(passesInPhase, kManyFiles / 25);
  EXPECT_LE(passesInPhase, kManyFiles / 15);
  ASSERT_FALSE(counters.empty());
  EXPECT_EQ(counters.front(), 1);
  EXPECT_EQ(counters.back(), kManyFiles);
  EXPECT_EQ(static_cast<int>(counters.size()), passesInPhase + 2);
  EXPECT_TRUE(std::is_sorted(counters.begin(), counters.end()));
}

// Cancel (or Esc, which presses it) and a close, made while the root's files
// are being added, end the run there.
TEST_F(RootFilePhase, AStopMadeWhileRootFilesAreAddedEndsTheRunThere) {
  struct Case {
    const char* what;
    std::function<void(Form1&, FakeFormView&)> act;
    int unloads;
  };
  const Case cases[] = {
      {"Cancel pressed", [](Form1& f, FakeFormView& v) { f.Command1_Click(v.now); }, 0},
      {"window closed", [](Form1& f, FakeFormView&) { f.Form_QueryUnload(); }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFormView v;
    v.clockStep = 1;
    Form1 f{v, fs};
    int lastPass = 0;
    v.onPump = [&](int n) {
      lastPass = n;
      if (n == 3) v.Post([&] { c.act(f, v); });
    };
    std::vector<Str> listed;
    fs.onList = [&listed](const Str& p) { listed.push_back(p); };
    v.text1 = u"C:\\Many";
    f.Command1_Click();

    EXPECT_EQ(v.status, u"Search is Canceld By User.");
    EXPECT_EQ(v.unloads, c.unloads);
    EXPECT_FALSE(f.SearchRunning());
    EXPECT_EQ(v.caption, u"Search");
    // Seen right after the pass that ran it; the rows so far stay, in
    // listing order, and the subfolder is never listed or counted.
    EXPECT_EQ(lastPass, 3);
    const int rows = f.ListView1().Count();
    EXPECT_GT(rows, 0);
    EXPECT_LT(rows, kManyFiles / 10);
    EXPECT_EQ(f.ListView1().SubItem(rows, kSubFullPath), u"C:\\Many\\f" + DecimalText(rows - 1) + u"\\");
    EXPECT_EQ(listed, std::vector<Str>{u"C:\\Many\\"});
  }
}

// A press made while the button read "Cancel" but handled only once that run
// had ended, as the window's own loop hands on input that waited: it starts
// nothing. A press made after the run starts a search as usual.
TEST_F(RootFilePhase, APressMadeWhileTheButtonReadCancelNeverStartsASearch) {
  struct Case {
    const char* what;
    Str root;
    std::function<void(MemoryFileSystem&)> prepare;
    const char16_t* endStatus;  // how the last run ended
  };
  const Case cases[] = {
      {"run completed", u"C:\\Many", [](MemoryFileSystem&) {}, u"Complate. All Search 1Files , 5Bytes."},
      {"run failed", u"C:\\Many", [](MemoryFileSystem& d) { d.FailLength(u"C:\\Many\\f1500"); },
       u"Error. Search is Canceld."},
      {"go-up run followed", u"C:\\Data\\B", [](MemoryFileSystem&) {}, u"Complate. All Search 7Files , 3345Bytes."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileSystem disk = fs;
    c.prepare(disk);
    FakeFormView v;
    v.clockStep = 1;
    Form1 f{v, disk};
    std::optional<std::uint64_t> madeAt;
    v.onStatus = [&](const Str& text) {
      if (madeAt || text.find(u"Files in Root") == Str::npos) return;
      madeAt = v.now;
      if (c.root == u"C:\\Data\\B") v.Post([&] { f.Command4_Click(); });
    };
    v.text1 = c.root;
    f.Command1_Click();
    ASSERT_TRUE(madeAt);
    ASSERT_EQ(v.status, c.endStatus);
    const int listings = disk.listings();

    f.Command1_Click(*madeAt);
    EXPECT_EQ(disk.listings(), listings);
    EXPECT_EQ(v.status, c.endStatus);

    f.Command1_Click(v.now);
    EXPECT_GT(disk.listings(), listings);
  }
}

}  // namespace
}  // namespace tarnwick::testing
