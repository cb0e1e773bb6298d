#include <gtest/gtest.h>

#include "scan/FolderVolumes.h"

namespace tarnwick {
namespace {

DirEntry Entry(const Str& name, std::uint32_t attributes) {
  DirEntry entry;
  entry.name = name;
  entry.attributes = attributes;
  return entry;
}

TEST(FolderVolumes, ASubfolderLiesOnItsParentsVolumeUnlessItIsAReparsePoint) {
  FolderVolumes volumes;
  volumes.Listed(u"C:\\a\\", 7,
                 {Entry(u"plain", kAttrDirectory), Entry(u"mount", kAttrDirectory | kAttrReparsePoint),
                  Entry(u"file", kAttrArchive)});
  volumes.Listed(u"C:\\unknown\\", 0, {Entry(u"plain", kAttrDirectory)});
  EXPECT_EQ(volumes.Take(u"C:\\a\\plain\\"), 7u);
  EXPECT_EQ(volumes.Take(u"C:\\a\\mount\\"), std::nullopt);
  EXPECT_EQ(volumes.Take(u"C:\\a\\file\\"), std::nullopt);
  EXPECT_EQ(volumes.Take(u"C:\\unknown\\plain\\"), std::nullopt);
}

}  // namespace
}  // namespace tarnwick
