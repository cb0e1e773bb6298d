#pragma once
// What a file really takes on its volume, told from its folder's listing:
// the allocation the listing gives is right for almost every file. Where it
// is not (a compressed, sparse or deduplicated file, whose allocation may be
// its full length or nothing at all) the file's compressed size is asked
// instead; an online-only file is never asked anything, since asking may
// fetch it from the cloud.
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "scan/FileSystem.h"

namespace tarnwick {

constexpr std::uint32_t kReparseTagDedup = 0x80000013;
// A file the system compressed to save room (compact system files).
constexpr std::uint32_t kReparseTagCompactedFile = 0x80000017;

// What the answer depends on that the volume decides.
struct VolumeFacts {
  std::uint32_t clusterBytes = 4096;
  // A question on a remote share can block for as long as the share likes.
  bool remote = false;
  // The volume can hold a file in fewer bytes than its length (compressed or
  // sparse files). Where it cannot, a file's compressed size is merely its
  // length, and the allocation its listing gave is already the truth.
  bool shrinksFiles = true;
};

// Online-only: its contents are elsewhere until it is opened or read.
inline bool IsOnlineOnly(std::uint32_t attributes) {
  return (attributes & (kAttrOffline | kAttrRecallOnOpen | kAttrRecallOnDataAccess)) != 0;
}

// Whether the listing's allocation of `file` may be wrong, before anything
// about its volume is known: only then are the volume's facts looked up.
bool MayAskCompressedSize(const DirEntry& file);
// Whether `file`'s compressed size is asked, on a volume with these facts.
bool AsksCompressedSize(const DirEntry& file, const VolumeFacts& volume);

// Asks `disk` the compressed size of each file of `folder` (ending in "\")
// whose allocation may be wrong, where it may be asked; files whose question
// fails keep their allocation. Each listing calls it once its entries are in.
void SettleSizesOnDisk(FileSystem& disk, const Str& folder, std::vector<DirEntry>& entries,
                       const VolumeFacts& volume);

}  // namespace tarnwick
