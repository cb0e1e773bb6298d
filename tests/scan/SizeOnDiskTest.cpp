#include <gtest/gtest.h>

#include "scan/SizeOnDisk.h"

namespace tarnwick {
namespace {

DirEntry File(std::uint32_t attributes, std::uint64_t length, std::uint64_t onDisk) {
  DirEntry file;
  file.name = u"f";
  file.attributes = attributes;
  file.length = length;
  file.onDisk = onDisk;
  return file;
}

// A volume that cannot hold a file in fewer bytes than its length answers
// the compressed size with the length: there the listing's allocation stands.
TEST(SizeOnDisk, OnlyVolumesThatShrinkFilesAreAskedTheCompressedSize) {
  const struct {
    const char* what;
    DirEntry file;
  } cases[] = {
      {"no allocation for a megabyte", File(kAttrArchive, 1 << 20, 0)},
      {"sparse", File(kAttrArchive | kAttrSparseFile, 1 << 20, 1 << 20)},
      {"compressed", File(kAttrCompressed, 1 << 20, 1 << 20)},
  };
  const VolumeFacts shrinking;
  VolumeFacts plain;
  plain.shrinksFiles = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(AsksCompressedSize(c.file, shrinking));
    EXPECT_FALSE(AsksCompressedSize(c.file, plain));
  }
}

}  // namespace
}  // namespace tarnwick
