#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "base/Win32Text.h"
#include "scan/GFC.h"
#include "scan/LinuxFixture.h"
#include "scan/ScanRecorder.h"
#include "scan/TempTree.h"
#include "scan/Path.h"
#include "scan/Win32FileSystem.h"

namespace tarnwick {
namespace {

using testing::LongTail;
using testing::ScanRecorder;
using testing::TempTree;

std::vector<Str> Sorted(std::vector<Str> paths) {
  std::sort(paths.begin() + 1, paths.end());
  return paths;
}
std::vector<Str> Sorted(const EntryArray& entries) {
  std::vector<Str> paths;
  for (const ListedEntry& e : entries) paths.push_back(e.path);
  return Sorted(std::move(paths));
}

// Attributes of `name` as the enumeration of `folder` reported them, or
// nothing when the enumeration did not return that name.
std::optional<std::uint32_t> ListedAttributes(Win32FileSystem& fs, const Str& folder, const Str& name) {
  std::vector<DirEntry> entries;
  if (!fs.ListFolder(folder, entries)) return std::nullopt;
  for (const DirEntry& e : entries) {
    if (e.name == name) return e.attributes;
  }
  return std::nullopt;
}

bool ShowsExtendedForm(const Str& path) { return path.find(u"\\\\?\\") != Str::npos; }

TEST(Win32Listing, HiddenSystemAndReadOnlyEntriesAreListedLikeAnyOther) {
  TempTree tree;
  tree.Folder(u"hidden folder");
  tree.File(u"hidden folder\\inside.txt", 2);
  tree.Folder(u"system folder");
  tree.File(u"hidden.txt", 3, kAttrHidden);
  tree.File(u"readonly.txt", 4, kAttrReadOnly);
  tree.File(u"system.txt", 5, kAttrSystem);
  Win32FileSystem fs;
  const Str& r = tree.root();
  ASSERT_NE(::SetFileAttributesW(ToSystemPath(r + u"hidden folder").c_str(), FILE_ATTRIBUTE_HIDDEN), 0);
  ASSERT_NE(::SetFileAttributesW(ToSystemPath(r + u"system folder").c_str(), FILE_ATTRIBUTE_SYSTEM), 0);

  // The entries really carry the attributes, so the listings below prove
  // that nothing is filtered by them.
  EXPECT_EQ(ListedAttributes(fs, r, u"hidden.txt").value_or(0) & kAttrHidden, kAttrHidden);
  EXPECT_EQ(ListedAttributes(fs, r, u"readonly.txt").value_or(0) & kAttrReadOnly, kAttrReadOnly);
  EXPECT_EQ(ListedAttributes(fs, r, u"hidden folder").value_or(0) & (kAttrHidden | kAttrDirectory),
            kAttrHidden | kAttrDirectory);
  EXPECT_EQ(ListedAttributes(fs, r, u"system.txt").value_or(0) & kAttrSystem, kAttrSystem);
  EXPECT_EQ(ListedAttributes(fs, r, u"system folder").value_or(0) & (kAttrSystem | kAttrDirectory),
            kAttrSystem | kAttrDirectory);

  GFC scanner(fs);
  EntryArray entries;
  ASSERT_TRUE(scanner.GFC_GetFiles(r, entries, false));
  EXPECT_EQ(Sorted(entries), Sorted({u"", r + u"hidden.txt", r + u"readonly.txt", r + u"system.txt"}));
  ASSERT_TRUE(scanner.GFC_GetFiles(r, entries, true));
  EXPECT_EQ(Sorted(entries),
            Sorted({u"", r + u"hidden folder\\inside.txt", r + u"hidden.txt", r + u"readonly.txt", r + u"system.txt"}));
  scanner.GFC_GetDirs(r, entries, false);
  EXPECT_EQ(Sorted(entries), Sorted({u"", r + u"hidden folder\\", r + u"system folder\\"}));
}

TEST(Win32Listing, LinuxDotFilesAndUnwritableFilesAreListed) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const Str l = fixture + u"listing\\";
  Win32FileSystem fs;
  EXPECT_EQ(ListedAttributes(fs, l, u".dotfile").value_or(0) & kAttrHidden, kAttrHidden);
  EXPECT_EQ(ListedAttributes(fs, l, u"ro.txt").value_or(0) & kAttrReadOnly, kAttrReadOnly);

  GFC scanner(fs);
  EntryArray entries;
  ASSERT_TRUE(scanner.GFC_GetFiles(l, entries, false));
  EXPECT_EQ(Sorted(entries), Sorted({u"", l + u".dotfile", l + u"ro.txt", l + u"日本語.txt", l + u"\U0001F600.bin"}));
}

TEST(Win32Listing, NamesInAnyScriptAreListedAndJoinedIntoUsablePaths) {
  TempTree tree;
  tree.File(u"日本語.txt", 5);
  tree.File(u"\U0001F600.bin", 6);
  tree.File(u"Ελληνικά и кириллица.txt", 7);
  tree.Folder(u"隠し");
  tree.Folder(u"\U0001F4C1 folder");
  tree.File(u"\U0001F4C1 folder\\한국어.txt", 8);

  Win32FileSystem fs;
  GFC scanner(fs);
  EntryArray entries;
  const Str& r = tree.root();
  ASSERT_TRUE(scanner.GFC_GetFiles(r, entries, true));
  const std::vector<Str> files = {u"", r + u"\U0001F4C1 folder\\한국어.txt", r + u"Ελληνικά и кириллица.txt",
                                  r + u"日本語.txt", r + u"\U0001F600.bin"};
  EXPECT_EQ(Sorted(entries), Sorted(files));
  // Each joined path leads back to its file, and each keeps its listed length.
  for (size_t i = 1; i < entries.size(); ++i) {
    EXPECT_TRUE(fs.Attributes(entries[i].path).has_value()) << ToUtf8(entries[i].path);
    if (entries[i].path == r + u"\U0001F600.bin") {
      EXPECT_EQ(entries[i].length, 6u);
    }
  }

  scanner.GFC_GetDirs(r, entries, false);
  EXPECT_EQ(Sorted(entries), Sorted({u"", r + u"\U0001F4C1 folder\\", r + u"隠し\\"}));
  EXPECT_TRUE(IsFolder(SafeGetAttr(fs, r + u"隠し")));
}

TEST(Win32Listing, DirectorySymlinkIsListedAsAFolderButNeverEntered) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const Str l = fixture + u"listing\\";
  Win32FileSystem fs;
  EXPECT_EQ(ListedAttributes(fs, l, u"dirlink"), kAttrDirectory | kAttrReparsePoint);
  // A link to nowhere is not an entry at all.
  EXPECT_FALSE(ListedAttributes(fs, l, u"dangling").has_value());

  GFC scanner(fs);
  EntryArray entries;
  scanner.GFC_GetDirs(l, entries, false);
  EXPECT_EQ(Sorted(entries), Sorted({u"", l + u"dirlink\\", l + u"real\\"}));

  ScanRecorder events;
  GFC recorded(fs, &events);
  recorded.GFC_GetDirs(l, entries, true);
  EXPECT_EQ(Sorted(entries), Sorted({u"", l + u"dirlink\\", l + u"real\\", l + u"real\\inner\\"}));
  // No listing call ran inside the link.
  for (const std::string& dir : events.dirs) EXPECT_EQ(dir.find("dirlink"), std::string::npos) << dir;

  ASSERT_TRUE(scanner.GFC_GetFiles(l, entries, true));
  const std::vector<Str> files = Sorted(entries);
  EXPECT_EQ(std::count(files.begin(), files.end(), l + u"real\\inner\\f"), 1);
  EXPECT_EQ(std::count(files.begin(), files.end(), l + u"dirlink\\inner\\f"), 0);
}

TEST(Win32Listing, PathsLongerThan260CharactersAreListedWithoutTheExtendedForm) {
  TARNWICK_REQUIRE_LINUX_FIXTURE(fixture);
  const Str top = fixture + u"long\\";
  const Str deep = top + LongTail();
  ASSERT_GT(deep.size(), 300u);

  Win32FileSystem fs;
  ScanRecorder events;
  GFC scanner(fs, &events);
  EntryArray entries;
  ASSERT_TRUE(scanner.GFC_GetFiles(top, entries, true));
  EXPECT_EQ(Sorted(entries), Sorted({u"", deep + u"second.bin", deep + u"長い名前.txt"}));
  for (const ListedEntry& e : entries) {
    if (e.path == deep + u"長い名前.txt") {
      EXPECT_EQ(e.length, 7u);
    }
  }
  EXPECT_EQ(SafeGetAttr(fs, deep + u"空のフォルダ") & kAttrDirectory, kAttrDirectory);

  scanner.GFC_GetDirs(deep, entries, false);
  EXPECT_EQ(Sorted(entries), Sorted({u"", deep + u"空のフォルダ\\"}));

  scanner.GFC_GetDirs(top, entries, true);
  ASSERT_EQ(UpperBound(entries), 7u);
  EXPECT_EQ(entries[1].path, deep + u"空のフォルダ\\");
  EXPECT_EQ(entries[2].path, deep);
  for (const ListedEntry& e : entries) EXPECT_FALSE(ShowsExtendedForm(e.path)) << ToUtf8(e.path);
  for (const std::string& dir : events.dirs) EXPECT_EQ(dir.find("\\\\?\\"), std::string::npos) << dir;
}

TEST(Win32Listing, MissingFolder) {
  TempTree tree;
  Win32FileSystem fs;
  ScanRecorder events;
  GFC scanner(fs, &events);
  EntryArray entries{ListedEntry(), ListedEntry{DirEntry(), u"stale"}};
  EXPECT_FALSE(scanner.GFC_GetFiles(tree.root() + u"gone\\", entries, false));
  EXPECT_EQ(UpperBound(entries), 0u);
  scanner.GFC_GetDirs(tree.root() + u"gone\\", entries, true);
  EXPECT_EQ(UpperBound(entries), 0u);
  EXPECT_TRUE(events.dirs.empty());
  EXPECT_EQ(SafeGetAttr(fs, tree.root() + u"gone"), 0u);
}

}  // namespace
}  // namespace tarnwick
