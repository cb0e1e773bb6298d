#include <gtest/gtest.h>

#include <algorithm>

#include "scan/GFC.h"
#include "scan/LinuxFixture.h"
#include "scan/ScanRecorder.h"
#include "scan/TempTree.h"
#include "scan/Win32FileSystem.h"

namespace tarnwick {
namespace {

using testing::LongTail;
using testing::ScanRecorder;
using testing::TempTree;
using V = std::vector<std::string>;

struct Totals {
  double files = -1, bytes = -1, dirs = -1, onDisk = -1;
};

class Win32Count : public ::testing::Test {
 protected:
  Totals Count(const Str& path) {
    FolderTotals t;
    scanner.GFC_GetFileCoAndSize(path, t);
    return Totals{t.files, t.bytes, t.folders, t.onDisk};
  }
  Win32FileSystem fs;
  ScanRecorder events;
  GFC scanner{fs, &events};
};

TEST_F(Win32Count, SparseFilesBeyondFourGiBAreCountedToTheByte) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const Totals t = Count(fixture + u"sparse\\");
  EXPECT_EQ(t.files, 3);
  EXPECT_EQ(t.bytes, 2'147'483'648.0 + 4'294'967'296.0 + 5'000'000'007.0);
  EXPECT_EQ(t.dirs, 0);
  ASSERT_EQ(events.progress.size(), 1u);
  EXPECT_EQ(events.progress[0].bytes, t.bytes);
}

TEST_F(Win32Count, LinkBackToAnAncestorIsOneEmptyFolder) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const std::string f = ToUtf8(fixture);
  const Totals t = Count(fixture + u"loop\\");
  EXPECT_EQ(t.files, 2);
  EXPECT_EQ(t.bytes, 3);
  EXPECT_EQ(t.dirs, 3);  // a, b and the link up
  ASSERT_EQ(events.ProgressPaths(),
            (V{f + "loop\\a\\b\\up\\", f + "loop\\a\\b\\", f + "loop\\a\\", f + "loop\\"}));
  EXPECT_EQ(events.progress[0].files, 0);
  EXPECT_EQ(events.progress[0].bytes, 0);
  EXPECT_EQ(events.progress[1].bytes, 2);

  // Counted on its own, the link is an empty folder too.
  events.progress.clear();
  const Totals link = Count(fixture + u"loop\\a\\b\\up\\");
  EXPECT_EQ(link.files, 0);
  EXPECT_EQ(link.bytes, 0);
  EXPECT_EQ(link.dirs, 0);
  EXPECT_EQ(events.ProgressPaths(), (V{f + "loop\\a\\b\\up\\"}));
}

// The room a tree takes is what the disk holds: a file of several names once,
// wherever its names lie, and a sparse file as little as it takes; its size
// still counts every name.
TEST_F(Win32Count, RoomOnDiskCountsEachFileOnceAndSparseFilesAsTheyLie) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const testing::ExpectedRoom expected = testing::ReadExpectedRoom(fixture);
  ASSERT_GT(expected.onDisk, 0);
  const Totals t = Count(fixture + u"ondisk\\");
  EXPECT_EQ(t.files, 8);
  EXPECT_EQ(t.bytes, expected.bytes);
  EXPECT_EQ(t.onDisk, expected.onDisk);
}

TEST_F(Win32Count, LongPathsAndJapaneseNames) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const Str deep = fixture + u"long\\" + LongTail();
  const Totals t = Count(fixture + u"long\\");
  EXPECT_EQ(t.files, 2);
  EXPECT_EQ(t.bytes, 18);
  EXPECT_EQ(t.dirs, 7);
  ASSERT_EQ(events.progress.size(), 8u);
  // The deepest folder first, named as the user would write it.
  EXPECT_EQ(events.progress[0].path, ToUtf8(deep + u"空のフォルダ\\"));
  EXPECT_EQ(events.progress[1].path, ToUtf8(deep));
  EXPECT_EQ(events.progress[1].bytes, 18);

  events.progress.clear();
  const Totals below = Count(deep);
  EXPECT_EQ(below.files, 2);
  EXPECT_EQ(below.dirs, 1);
}

TEST_F(Win32Count, NamesWrittenByWindowsInAnyScript) {
  TempTree tree;
  tree.Folder(u"写真");
  tree.Folder(u"写真\\\U0001F305 夕焼け");
  tree.File(u"写真\\\U0001F305 夕焼け\\一枚目.jpg", 1000);
  tree.File(u"写真\\説明.txt", 24);
  const Totals t = Count(tree.root() + u"写真\\");
  EXPECT_EQ(t.files, 2);
  EXPECT_EQ(t.bytes, 1024);
  EXPECT_EQ(t.dirs, 1);
  EXPECT_EQ(events.ProgressPaths(),
            (V{ToUtf8(tree.root() + u"写真\\\U0001F305 夕焼け\\"), ToUtf8(tree.root() + u"写真\\")}));
}

// The search run counts every immediate subfolder of its root; each total
// must match what find says of the same tree on the Linux side.
TEST_F(Win32Count, EveryImmediateSubfolderMatchesAnIndependentCount) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const Str root = fixture + u"tree\\";
  const std::vector<testing::ExpectedTotals> expected = testing::ReadExpectedTotals(fixture);
  ASSERT_GE(expected.size(), 8u);

  EntryArray dirs;
  scanner.GFC_GetDirs(root, dirs, false);
  std::vector<Str> listed;
  for (size_t i = 1; i < dirs.size(); ++i) listed.push_back(dirs[i].path);
  std::vector<Str> wanted;
  for (const auto& e : expected) wanted.push_back(root + e.name + u"\\");
  std::sort(listed.begin(), listed.end());
  std::sort(wanted.begin(), wanted.end());
  ASSERT_EQ(listed, wanted);

  for (const auto& e : expected) {
    SCOPED_TRACE(ToUtf8(e.name));
    events.progress.clear();
    const Str sub = root + e.name + u"\\";
    const Totals t = Count(sub);
    EXPECT_EQ(t.files, e.files);
    EXPECT_EQ(t.bytes, e.bytes);
    EXPECT_EQ(t.dirs, e.dirs);
    ASSERT_FALSE(events.progress.empty());
    EXPECT_EQ(events.progress.back().path, ToUtf8(sub));
    EXPECT_EQ(events.progress.back().files, e.files);
  }
}

}  // namespace
}  // namespace tarnwick
