#include "scan/FolderVolumes.h"

namespace tarnwick {

std::optional<std::uint32_t> FolderVolumes::Take(const Str& folder) {
  const std::lock_guard lock(mutex_);
  const auto found = pending_.find(folder);
  if (found == pending_.end()) return std::nullopt;
  const std::uint32_t volume = found->second;
  pending_.erase(found);
  return volume;
}

void FolderVolumes::Listed(const Str& folder, std::uint32_t volume, const std::vector<DirEntry>& entries) {
  if (volume == 0) return;
  const std::lock_guard lock(mutex_);
  for (const DirEntry& entry : entries) {
    if (!IsFolder(entry.attributes) || (entry.attributes & kAttrReparsePoint) != 0) continue;
    if (pending_.size() >= kMostPending) pending_.clear();
    // A later listing of the same path (a disk changed in its drive) wins.
    pending_.insert_or_assign(folder + entry.name + u'\\', volume);
  }
}

}  // namespace tarnwick
