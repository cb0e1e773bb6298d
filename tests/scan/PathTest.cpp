#include <gtest/gtest.h>

#include "base/Text.h"
#include "fakes/MemoryFileSystem.h"
#include "scan/Path.h"

namespace tarnwick {
namespace {

TEST(AddBackslash, AppendsOnlyWhenTheLastCharacterIsNotABackslash) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"C:\\dir", u"C:\\dir\\"},
      {u"C:\\dir\\", u"C:\\dir\\"},
      {u"", u"\\"},
      {u"C:/dir/", u"C:/dir/\\"},
      {u"C:", u"C:\\"},
      {u"\\\\srv\\share", u"\\\\srv\\share\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddBackslash(c.in), Str(c.out)) << ToUtf8(c.in);
}

TEST(SafeGetAttr, GivesZeroForAnythingItCannotRead) {
  testing::MemoryFileSystem fs;
  fs.AddFolder(u"C:\\Data");
  fs.AddFile(u"C:\\Data\\a.txt", 3, kAttrArchive | kAttrHidden);
  fs.AddFile(u"C:\\Data\\locked", 3);
  fs.FailAttributes(u"C:\\Data\\locked");
  EXPECT_TRUE(IsFolder(SafeGetAttr(fs, u"C:\\Data")));
  EXPECT_TRUE(IsFolder(SafeGetAttr(fs, u"C:\\Data\\")));
  EXPECT_EQ(SafeGetAttr(fs, u"C:\\Data\\a.txt"), kAttrArchive | kAttrHidden);
  EXPECT_EQ(SafeGetAttr(fs, u"C:\\Data\\locked"), 0u);
  EXPECT_EQ(SafeGetAttr(fs, u"C:\\Gone"), 0u);
  EXPECT_EQ(SafeGetAttr(fs, u""), 0u);
}

TEST(LongPath, ExtendedFormForAbsolutePathsOnly) {
  EXPECT_EQ(ToExtendedPath(u"C:\\x\\y"), u"\\\\?\\C:\\x\\y");
  EXPECT_EQ(ToExtendedPath(u"\\\\srv\\share\\x"), u"\\\\?\\UNC\\srv\\share\\x");
  EXPECT_EQ(ToExtendedPath(u"\\\\?\\C:\\x"), u"\\\\?\\C:\\x");
  EXPECT_EQ(ToExtendedPath(u"\\\\.\\pipe\\x"), u"\\\\.\\pipe\\x");
  EXPECT_EQ(ToExtendedPath(u"relative\\x"), u"relative\\x");

  Str deep = u"C:";
  for (int i = 0; i < 100; ++i) deep += u"\\folder-name";
  EXPECT_EQ(ToExtendedPath(deep), u"\\\\?\\" + deep);
  EXPECT_FALSE(NeedsFullPath(deep));
}

TEST(LongPath, PathsTheSystemMustCanonicaliseFirst) {
  for (const char16_t* p : {u"abc", u"abc\\def", u"\\rooted", u"C:relative", u"C:/x", u"C:\\x\\..\\y", u"C:\\x\\.\\y",
                            u"C:\\x\\..", u"", u"C:\\x\\\\y", u"C:\\x\\\\", u"\\\\srv\\share\\\\x"}) {
    EXPECT_TRUE(NeedsFullPath(p)) << ToUtf8(p);
  }
  for (const char16_t* p :
       {u"C:\\", u"C:\\x\\y\\", u"C:\\x\\...\\", u"C:\\.hidden\\", u"\\\\srv\\share\\", u"\\\\?\\C:\\x\\..\\y"}) {
    EXPECT_FALSE(NeedsFullPath(p)) << ToUtf8(p);
  }
}

TEST(LongPath, RootsOfDrivesAndShares) {
  for (const char16_t* p : {u"C:\\", u"C:", u"\\\\srv\\share", u"\\\\srv\\share\\"}) {
    EXPECT_TRUE(IsRootPath(p)) << ToUtf8(p);
  }
  for (const char16_t* p : {u"C:\\x", u"C:\\x\\", u"\\\\srv", u"\\\\srv\\", u"\\\\srv\\share\\x", u"", u"\\"}) {
    EXPECT_FALSE(IsRootPath(p)) << ToUtf8(p);
  }
}

TEST(Text, Utf8RoundTripKeepsEveryScript) {
  const Str text = u"C:\\日本語\\\U0001F600 emoji\\é";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(-12), u"-12");
}

}  // namespace
}  // namespace tarnwick
