#pragma once
// Which volume each folder lies on, learnt from its parent's listing: a
// subfolder lies on its parent's volume unless the listing showed it as a
// reparse point (a mount point, junction or link may lead to any volume).
// Asking the system instead costs a round trip per folder (under Wine, a
// call to another process), which made a count of a tree of small folders
// three times slower. Listings run on several threads at once, so it is
// guarded.
#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "base/Text.h"
#include "scan/FileSystem.h"

namespace tarnwick {

class FolderVolumes {
 public:
  // The volume of `folder` (ending in "\") where the listing of its parent
  // told it; each told once, as each folder of a search is listed once.
  std::optional<std::uint32_t> Take(const Str& folder);
  // `folder` lies on `volume` (0: unknown, which tells nothing) and holds
  // `entries`.
  void Listed(const Str& folder, std::uint32_t volume, const std::vector<DirEntry>& entries);

 private:
  std::mutex mutex_;
  // Subfolders listed but not yet entered. A search that stops early leaves
  // its own behind, so past this many they are all forgotten.
  std::unordered_map<Str, std::uint32_t> pending_;
  static constexpr size_t kMostPending = 1 << 16;
};

}  // namespace tarnwick
