#include <gtest/gtest.h>

#include <algorithm>

#include "scan/GFC.h"
#include "scan/TempTree.h"
#include "scan/UserProc.h"
#include "scan/Win32FileSystem.h"

namespace tarnwick {
namespace {

using testing::TempTree;

std::vector<Str> Sorted(EntryArray entries) {
  std::sort(entries.begin() + 1, entries.end());
  return entries;
}

TEST(Win32Listing, HiddenReadOnlyAndNamesInAnyScript) {
  TempTree tree;
  tree.File(u"hidden.txt", 3, kAttrHidden);
  tree.File(u"readonly.txt", 4, kAttrReadOnly);
  tree.File(u"日本語.txt", 5);
  tree.File(u"\U0001F600.bin", 6);
  tree.Folder(u"隠し");
  tree.Folder(u"\U0001F4C1 folder");

  Win32FileSystem fs;
  GFC scanner(fs);
  EntryArray entries;
  ASSERT_TRUE(scanner.GFC_GetFiles(tree.root(), entries, false));
  const Str& r = tree.root();
  EXPECT_EQ(Sorted(entries), Sorted({u"", r + u"hidden.txt", r + u"readonly.txt", r + u"日本語.txt",
                                     r + u"\U0001F600.bin"}));
  scanner.GFC_GetDirs(tree.root(), entries, false);
  EXPECT_EQ(Sorted(entries), Sorted({u"", r + u"\U0001F4C1 folder\\", r + u"隠し\\"}));

  EXPECT_TRUE(IsFolder(SafeGetAttr(fs, r + u"隠し")));
  EXPECT_EQ(fs.Length(r + u"\U0001F600.bin"), 6u);
}

TEST(Win32Listing, MissingFolder) {
  TempTree tree;
  Win32FileSystem fs;
  GFC scanner(fs);
  EntryArray entries;
  EXPECT_FALSE(scanner.GFC_GetFiles(tree.root() + u"gone\\", entries, false));
  scanner.GFC_GetDirs(tree.root() + u"gone\\", entries, false);
  EXPECT_EQ(UpperBound(entries), 0u);
  EXPECT_EQ(SafeGetAttr(fs, tree.root() + u"gone"), 0u);
  EXPECT_FALSE(fs.Length(tree.root() + u"gone").has_value());
}

}  // namespace
}  // namespace tarnwick
