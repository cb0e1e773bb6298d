#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/MemoryFileSystem.h"
#include "scan/GFC.h"
#include "scan/ScanRecorder.h"

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::ScanRecorder;
using testing::Utf8;
using V = std::vector<std::string>;

// C:\R\ holds f.txt, the folder A (with A1 and A2) and B, in that order.
class Listing : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.AddFolder(u"C:\\R");
    fs.AddFile(u"C:\\R\\f.txt", 1);
    fs.AddFolder(u"C:\\R\\A");
    fs.AddFolder(u"C:\\R\\A\\A1");
    fs.AddFile(u"C:\\R\\A\\A1\\a1.txt", 2);
    fs.AddFolder(u"C:\\R\\A\\A2");
    fs.AddFile(u"C:\\R\\A\\A2\\a2.txt", 3);
    fs.AddFile(u"C:\\R\\A\\a.txt", 4);
    fs.AddFolder(u"C:\\R\\B");
    fs.AddFile(u"C:\\R\\B\\b.txt", 5);
  }
  MemoryFileSystem fs;
  ScanRecorder events;
  GFC scanner{fs, &events};
  EntryArray entries{ListedEntry{DirEntry(), u"stale"}, ListedEntry{DirEntry(), u"stale"}};
};

TEST_F(Listing, OneLevel) {
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, false));
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\f.txt"}));
  EXPECT_EQ(UpperBound(entries), 1u);
  // Each entry keeps what its listing said of it.
  EXPECT_EQ(entries[1].name, u"f.txt");
  EXPECT_EQ(entries[1].length, 1u);
  EXPECT_EQ(events.dirs, (V{"C:\\R\\"}));

  events.dirs.clear();
  scanner.GFC_GetDirs(u"C:\\R\\", entries, false);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\", "C:\\R\\B\\"}));
  EXPECT_NE(entries[2].attributes & kAttrDirectory, 0u);
  EXPECT_EQ(events.dirs, (V{"C:\\R\\"}));
}

TEST_F(Listing, WholeTreeListsEachFolderAfterItsDescendants) {
  scanner.GFC_GetDirs(u"C:\\R\\", entries, true);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\A1\\", "C:\\R\\A\\A2\\", "C:\\R\\A\\", "C:\\R\\B\\"}));
  const V folderOrder{"C:\\R\\A\\A1\\", "C:\\R\\A\\A2\\", "C:\\R\\A\\", "C:\\R\\B\\", "C:\\R\\"};
  EXPECT_EQ(events.dirs, folderOrder);

  events.dirs.clear();
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, true));
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\f.txt", "C:\\R\\A\\A1\\a1.txt", "C:\\R\\A\\A2\\a2.txt",
                              "C:\\R\\A\\a.txt", "C:\\R\\B\\b.txt"}));
  EXPECT_EQ(events.dirs, folderOrder);
}

TEST_F(Listing, EmptyFolderGivesOnlyTheEmptyElementAndOneEvent) {
  fs.AddFolder(u"C:\\E");
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\E\\", entries, true));
  EXPECT_EQ(Utf8(entries), (V{""}));
  scanner.GFC_GetDirs(u"C:\\E\\", entries, true);
  EXPECT_EQ(Utf8(entries), (V{""}));
  EXPECT_EQ(events.dirs, (V{"C:\\E\\", "C:\\E\\"}));
}

TEST_F(Listing, HiddenSystemReadOnlyAndUnprobeableEntries) {
  fs.AddFolder(u"C:\\H");
  fs.AddFile(u"C:\\H\\hidden", 1, kAttrHidden | kAttrSystem | kAttrReadOnly);
  fs.AddFolder(u"C:\\H\\hdir", kAttrHidden | kAttrSystem);
  fs.AddFolder(u"C:\\H\\noattr");
  fs.FailAttributes(u"C:\\H\\noattr");  // taken for a file
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\H\\", entries, false));
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\H\\hidden", "C:\\H\\noattr"}));
  scanner.GFC_GetDirs(u"C:\\H\\", entries, false);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\H\\hdir\\"}));
}

TEST_F(Listing, UnreadableFolderEndsDirsQuietlyButFailsFiles) {
  fs.FailListing(u"C:\\R\\A\\A2");
  scanner.GFC_GetDirs(u"C:\\R\\", entries, true);
  // A2 is still listed by its parent; only its own event is missing.
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\A1\\", "C:\\R\\A\\A2\\", "C:\\R\\A\\", "C:\\R\\B\\"}));
  EXPECT_EQ(events.dirs, (V{"C:\\R\\A\\A1\\", "C:\\R\\A\\", "C:\\R\\B\\", "C:\\R\\"}));
  EXPECT_EQ(events.unreadable, (V{"folder C:\\R\\A\\A2\\"}));

  events.dirs.clear();
  events.unreadable.clear();
  EXPECT_FALSE(scanner.GFC_GetFiles(u"C:\\R\\", entries, true));
  // What was found before the failure stays; no pending folder reports.
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\f.txt", "C:\\R\\A\\A1\\a1.txt"}));
  EXPECT_EQ(events.dirs, (V{"C:\\R\\A\\A1\\"}));
  EXPECT_EQ(events.unreadable, (V{"folder C:\\R\\A\\A2\\"}));
}

TEST_F(Listing, UnreadableRoot) {
  fs.FailListing(u"C:\\R");
  scanner.GFC_GetDirs(u"C:\\R\\", entries, false);
  EXPECT_EQ(Utf8(entries), (V{""}));
  EXPECT_FALSE(scanner.GFC_GetFiles(u"C:\\R\\", entries, false));
  EXPECT_EQ(Utf8(entries), (V{""}));
  EXPECT_TRUE(events.dirs.empty());
  EXPECT_EQ(events.unreadable, (V{"folder C:\\R\\", "folder C:\\R\\"}));
}

TEST_F(Listing, LinkedFoldersAreListedButNeverEntered) {
  fs.AddFolder(u"C:\\R\\A\\loop", kAttrDirectory | kAttrReparsePoint);
  fs.AddFile(u"C:\\R\\A\\loop\\inside.txt", 1);
  scanner.GFC_GetDirs(u"C:\\R\\", entries, true);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\A1\\", "C:\\R\\A\\A2\\", "C:\\R\\A\\loop\\", "C:\\R\\A\\",
                              "C:\\R\\B\\"}));
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, true));
  for (const auto& e : Utf8(entries)) EXPECT_EQ(e.find("inside"), std::string::npos) << e;
}

TEST_F(Listing, ListingResetsTheCancelFlagLeftByACount) {
  events.cancelAtEvent = 0;
  FolderTotals totals;
  scanner.GFC_GetFileCoAndSize(u"C:\\R\\", totals);
  ASSERT_TRUE(scanner.CancelFlag());
  scanner.GFC_GetDirs(u"C:\\R\\", entries, true);
  EXPECT_FALSE(scanner.CancelFlag());
  EXPECT_EQ(UpperBound(entries), 4u);

  scanner.GFC_GetFileCoAndSize(u"C:\\R\\", totals);
  ASSERT_TRUE(scanner.CancelFlag());
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, true));
  EXPECT_FALSE(scanner.CancelFlag());
  EXPECT_EQ(UpperBound(entries), 5u);
}

TEST_F(Listing, NamesInAnyScriptAreJoinedUnchanged) {
  fs.AddFolder(u"C:\\R\\日本語 フォルダ");
  fs.AddFile(u"C:\\R\\\U0001F600.txt", 1);
  scanner.GFC_GetDirs(u"C:\\R\\", entries, false);
  EXPECT_EQ(entries.back().path, u"C:\\R\\日本語 フォルダ\\");
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, false));
  EXPECT_EQ(entries.back().path, u"C:\\R\\\U0001F600.txt");
}

TEST_F(Listing, FoldersRightAfterFilesOfTheSameFolderComeFromThatOneListing) {
  std::vector<std::string> listed;
  fs.onList = [&listed](const Str& p) { listed.push_back(ToUtf8(p)); };
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, false));
  fs.AddFolder(u"C:\\R\\C");  // made after the listing
  scanner.GFC_GetDirs(u"C:\\R\\", entries, false);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\", "C:\\R\\B\\"}));
  EXPECT_EQ(listed, (V{"C:\\R\\"}));
  EXPECT_EQ(events.dirs, (V{"C:\\R\\", "C:\\R\\"}));

  // Only once, and only for that folder listed alone.
  scanner.GFC_GetDirs(u"C:\\R\\", entries, false);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\", "C:\\R\\B\\", "C:\\R\\C\\"}));
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, false));
  scanner.GFC_GetDirs(u"C:\\R\\A\\", entries, false);
  EXPECT_EQ(Utf8(entries), (V{"", "C:\\R\\A\\A1\\", "C:\\R\\A\\A2\\"}));
  ASSERT_TRUE(scanner.GFC_GetFiles(u"C:\\R\\", entries, false));
  scanner.GFC_GetDirs(u"C:\\R\\", entries, true);
  EXPECT_EQ(UpperBound(entries), 5u);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\R\\"), 5);
}

TEST_F(Listing, ALongListingTellsTheListenerNowAndThen) {
  for (int i = 0; i < 1300; ++i) fs.AddFile(u"C:\\R\\B\\many" + DecimalText(i), 1);
  FolderTotals totals;
  scanner.GFC_GetFileCoAndSize(u"C:\\R\\", totals);
  EXPECT_EQ(totals.files, 1305);
  EXPECT_EQ(events.stillListing, 1301 / 512);
  // Nobody is told of listings made outside the scanner.
  std::vector<DirEntry> listing;
  ASSERT_TRUE(fs.ListFolder(u"C:\\R\\B\\", listing));
  EXPECT_EQ(events.stillListing, 1301 / 512);
}

}  // namespace
}  // namespace tarnwick
