#include <gtest/gtest.h>

#include "fakes/MemoryFileSystem.h"
#include "scan/GFC.h"
#include "scan/ScanRecorder.h"
#include "fakes/SmallStack.h"

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::ScanRecorder;
using V = std::vector<std::string>;

struct Totals {
  double count = -1, size = -1, dirs = -1;
};

class Count : public ::testing::Test {
 protected:
  // S holds a 10-byte file, a 0-byte file and T; T holds a 5-byte file and
  // the empty folder U.
  void SetUp() override {
    fs.AddFolder(u"C:\\S");
    fs.AddFile(u"C:\\S\\ten", 10);
    fs.AddFile(u"C:\\S\\zero", 0);
    fs.AddFolder(u"C:\\S\\T");
    fs.AddFile(u"C:\\S\\T\\five", 5);
    fs.AddFolder(u"C:\\S\\T\\U");
  }
  Totals Run(const Str& path) {
    FolderTotals totals{t.size, t.count, t.dirs};
    scanner.GFC_GetFileCoAndSize(path, totals);
    t = Totals{totals.files, totals.bytes, totals.folders};
    return t;
  }
  MemoryFileSystem fs;
  ScanRecorder events;
  GFC scanner{fs, &events};
  Totals t;
};

TEST_F(Count, WholeTreeWithOneEventPerFolderDeepestFirst) {
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, 3);
  EXPECT_EQ(t.size, 15);
  EXPECT_EQ(t.dirs, 2);
  ASSERT_EQ(events.ProgressPaths(), (V{"C:\\S\\T\\U\\", "C:\\S\\T\\", "C:\\S\\"}));
  EXPECT_EQ(events.progress[0].files, 0);
  EXPECT_EQ(events.progress[1].files, 1);
  EXPECT_EQ(events.progress[1].bytes, 5);
  EXPECT_EQ(events.progress[2].files, 3);
  EXPECT_EQ(events.progress[2].bytes, 15);
  EXPECT_FALSE(scanner.CancelFlag());
  EXPECT_TRUE(events.unreadable.empty());
}

TEST_F(Count, EmptyFolder) {
  Run(u"C:\\S\\T\\U\\");
  EXPECT_EQ(t.count, 0);
  EXPECT_EQ(t.size, 0);
  EXPECT_EQ(t.dirs, 0);
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\T\\U\\"}));
}

TEST_F(Count, SizesBeyondThirtyTwoBitsAddUpExactly) {
  fs.AddFile(u"C:\\S\\T\\U\\big", 5'000'000'000ULL);
  fs.AddFile(u"C:\\S\\T\\U\\two-gib", 2'147'483'648ULL);
  Run(u"C:\\S\\");
  EXPECT_EQ(t.size, 15 + 5'000'000'000.0 + 2'147'483'648.0);
}

TEST_F(Count, CancelAtTheFirstEventWindsDownWithoutEnteringMoreFolders) {
  fs.AddFolder(u"C:\\S\\T\\V");  // after U: never entered once U cancelled
  fs.AddFile(u"C:\\S\\T\\V\\v", 7);
  fs.AddFile(u"C:\\S\\T\\last", 100);  // still measured by T
  events.cancelAtEvent = 0;
  int listingsBefore = fs.listings();
  Run(u"C:\\S\\");
  // U reports, then T and S still report once each on the way out.
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\T\\U\\", "C:\\S\\T\\", "C:\\S\\"}));
  EXPECT_EQ(fs.listings() - listingsBefore, 3);  // S, T, U: V is not enumerated
  EXPECT_TRUE(events.unreadable.empty());  // skipped after a cancel is not unreadable
  EXPECT_EQ(events.progress[1].bytes, 105);
  EXPECT_TRUE(scanner.CancelFlag());

  // A later count on the same object writes nothing and raises nothing.
  events.progress.clear();
  listingsBefore = fs.listings();
  t = Totals{};
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, -1);
  EXPECT_EQ(t.size, -1);
  EXPECT_EQ(t.dirs, -1);
  EXPECT_TRUE(events.progress.empty());
  EXPECT_EQ(fs.listings(), listingsBefore);
}

TEST_F(Count, UnreadableSubfolderCountsAsOneEmptyFolderWithoutEvent) {
  fs.FailListing(u"C:\\S\\T");
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, 2);
  EXPECT_EQ(t.size, 10);
  EXPECT_EQ(t.dirs, 1);
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\"}));
  EXPECT_EQ(events.unreadable, (V{"folder C:\\S\\T\\"}));
}

TEST_F(Count, UnmeasurableFileZeroesItsWholeFolder) {
  fs.FailLength(u"C:\\S\\T\\five");
  Run(u"C:\\S\\");
  // T and U below it count as empty; T is still one folder of S.
  EXPECT_EQ(t.count, 2);
  EXPECT_EQ(t.size, 10);
  EXPECT_EQ(t.dirs, 1);
  // T fails at its first entry, before U is ever entered.
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\"}));
  EXPECT_EQ(events.unreadable, (V{"file C:\\S\\T\\five"}));
}

TEST_F(Count, EntryWithoutAttributesIsAFileThatCannotBeMeasured) {
  fs.FailAttributes(u"C:\\S\\T\\U");
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, 2);
  EXPECT_EQ(t.dirs, 1);
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\"}));
}

TEST_F(Count, FailureOfTheTopFolderGivesZeros) {
  fs.FailListing(u"C:\\S");
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, 0);
  EXPECT_EQ(t.size, 0);
  EXPECT_EQ(t.dirs, 0);
  EXPECT_TRUE(events.progress.empty());
  EXPECT_EQ(events.unreadable, (V{"folder C:\\S\\"}));
}

TEST_F(Count, LinksCountAsEmptyFoldersAndAreNeverEnumerated) {
  fs.AddFolder(u"C:\\S\\T\\back", kAttrDirectory | kAttrReparsePoint);
  fs.AddFile(u"C:\\S\\T\\back\\x", 1000);
  std::vector<std::string> listed;
  fs.onList = [&](const Str& p) { listed.push_back(ToUtf8(p)); };
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, 3);
  EXPECT_EQ(t.size, 15);
  EXPECT_EQ(t.dirs, 3);
  EXPECT_EQ(listed, (V{"C:\\S\\", "C:\\S\\T\\", "C:\\S\\T\\U\\"}));
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\T\\U\\", "C:\\S\\T\\back\\", "C:\\S\\T\\", "C:\\S\\"}));

  // A count whose own top folder is a link is an empty count too.
  events.progress.clear();
  listed.clear();
  Run(u"C:\\S\\T\\back\\");
  EXPECT_EQ(t.count, 0);
  EXPECT_EQ(t.dirs, 0);
  EXPECT_TRUE(listed.empty());
  EXPECT_EQ(events.ProgressPaths(), (V{"C:\\S\\T\\back\\"}));
  EXPECT_TRUE(events.unreadable.empty());  // a link not entered is no failure
}

TEST_F(Count, CloudPlaceholderFoldersAreCountedLikeAnyOther) {
  // A cloud-sync folder is a reparse point whose tag is no name surrogate:
  // its files are its own.
  fs.AddFolder(u"C:\\S\\T\\cloud", kAttrDirectory | kAttrReparsePoint, 0x9000701A);
  fs.AddFile(u"C:\\S\\T\\cloud\\doc", 1000);
  fs.AddFolder(u"C:\\S\\T\\junction", kAttrDirectory | kAttrReparsePoint, 0xA0000003);
  fs.AddFile(u"C:\\S\\T\\junction\\elsewhere", 7);
  Run(u"C:\\S\\");
  EXPECT_EQ(t.count, 4);
  EXPECT_EQ(t.size, 1015);
  EXPECT_EQ(t.dirs, 4);
  Run(u"C:\\S\\T\\cloud\\");
  EXPECT_EQ(t.size, 1000);
}

TEST_F(Count, DeepChainDoesNotExhaustTheStackAndKeepsPostOrder) {
  Str path = u"C:\\Deep";
  fs.AddFolder(path);
  const int depth = 5000;
  for (int i = 0; i < depth; ++i) {
    path += u"\\d";
    fs.AddFolder(path);
  }
  fs.AddFile(path + u"\\leaf", 42);
  // On a small stack, as a count one call per folder deep would overflow it.
  testing::RunOnSmallStack([&] { Run(u"C:\\Deep\\"); });
  EXPECT_EQ(t.count, 1);
  EXPECT_EQ(t.size, 42);
  EXPECT_EQ(t.dirs, depth);
  ASSERT_EQ(events.progress.size(), static_cast<size_t>(depth) + 1);
  EXPECT_EQ(events.progress.front().path, ToUtf8(path) + "\\");
  EXPECT_EQ(events.progress.back().path, "C:\\Deep\\");
  EXPECT_EQ(events.progress.back().bytes, 42);
}

}  // namespace
}  // namespace tarnwick
