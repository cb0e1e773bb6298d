#include <gtest/gtest.h>

#include <windows.h>

#include "base/Win32Text.h"
#include "scan/TempTree.h"
#include "scan/Path.h"
#include "scan/Win32FileSystem.h"

// What the system answers for the paths a user types: these answers decide
// which message the Search button shows and which folder it searches.

namespace tarnwick {
namespace {

using testing::TempTree;

class Win32PathQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Folder(u"dir");
    tree.Folder(u"dir\\sub");
    tree.File(u"file.txt", 12);
  }
  TempTree tree;
  Win32FileSystem fs;
  const Str& r = tree.root();
};

TEST_F(Win32PathQueries, ProbeFailsOnlyWhenTheLookUpItselfFails) {
  const struct {
    Str pattern;
    bool usable;
  } cases[] = {
      {r + u"dir", true},      {r + u"dir\\", true},      {r + u"file.txt", true}, {r + u"missing.txt", true},
      {r + u"gone\\x", false}, {r + u"gone\\x\\", false}, {u"C:\\", true},         {r + u"dir\\\\sub", true},
      {r + u"*.txt", true},
  };
  for (const auto& c : cases) EXPECT_EQ(fs.ProbePattern(c.pattern), c.usable) << ToUtf8(c.pattern);
}

TEST_F(Win32PathQueries, AttributesOfFoldersWithOrWithoutTheirBackslash) {
  const struct {
    Str path;
    bool folder;
  } cases[] = {
      {r + u"dir", true},        {r + u"dir\\", true},
      {u"C:\\", true},           {u"C:", true},
      {r + u"dir\\\\sub", true}, {r + u"dir\\..\\dir\\sub\\", true},
      {r + u"file.txt", false},
  };
  for (const auto& c : cases) {
    const std::optional<std::uint32_t> attributes = fs.Attributes(c.path);
    ASSERT_TRUE(attributes.has_value()) << ToUtf8(c.path);
    EXPECT_EQ(IsFolder(*attributes), c.folder) << ToUtf8(c.path);
  }
  EXPECT_FALSE(fs.Attributes(r + u"gone").has_value());
  EXPECT_FALSE(fs.IsLink(r + u"dir\\"));
  EXPECT_FALSE(fs.IsLink(u"C:\\"));
}

TEST_F(Win32PathQueries, RelativePathsAreTakenFromTheCurrentFolder) {
  wchar_t previous[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(::SetCurrentDirectoryW(ToWide(r).c_str()));
  EXPECT_TRUE(IsFolder(SafeGetAttr(fs, u"dir")));
  EXPECT_TRUE(IsFolder(SafeGetAttr(fs, u"dir\\sub\\")));
  EXPECT_FALSE(IsFolder(SafeGetAttr(fs, u"file.txt")));
  std::vector<DirEntry> entries;
  EXPECT_TRUE(fs.ListFolder(u"dir\\", entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, u"sub");
  ::SetCurrentDirectoryW(previous);
}

}  // namespace
}  // namespace tarnwick
