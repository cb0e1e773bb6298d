#include "scan/SizeOnDisk.h"

namespace tarnwick {

namespace {

// Stored in fewer bytes than its length, by the file system or by a filter
// that keeps its data elsewhere on the volume.
bool StoredShrunk(const DirEntry& file) {
  const bool filtered = (file.attributes & kAttrReparsePoint) != 0 &&
                        (file.reparseTag == kReparseTagDedup || file.reparseTag == kReparseTagCompactedFile);
  return (file.attributes & (kAttrCompressed | kAttrSparseFile)) != 0 || filtered;
}

bool MayBeAsked(const DirEntry& file) { return !IsFolder(file.attributes) && !IsOnlineOnly(file.attributes); }

}  // namespace

bool MayAskCompressedSize(const DirEntry& file) {
  return MayBeAsked(file) && (StoredShrunk(file) || (file.onDisk == 0 && file.length.value_or(0) > 0));
}

bool AsksCompressedSize(const DirEntry& file, const VolumeFacts& volume) {
  // A small file kept inside its directory record has no allocation either;
  // only one longer than a cluster is suspect.
  return !volume.remote && volume.shrinksFiles && MayBeAsked(file) &&
         (StoredShrunk(file) || (file.onDisk == 0 && file.length.value_or(0) > volume.clusterBytes));
}

void SettleSizesOnDisk(FileSystem& disk, const Str& folder, std::vector<DirEntry>& entries,
                       const VolumeFacts& volume) {
  for (DirEntry& entry : entries) {
    if (!AsksCompressedSize(entry, volume)) continue;
    if (const auto size = disk.CompressedSize(folder + entry.name)) entry.onDisk = *size;
  }
}

}  // namespace tarnwick
