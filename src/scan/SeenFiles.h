#pragma once
// The files a search has counted, by volume and file ID, so that a file with
// several names (hard links) takes room once: the first name the scan reaches
// counts it, every later one adds nothing. A search of a big volume sees
// millions of files, so the IDs are held in open-addressed tables of bare
// numbers rather than in nodes.
#include <cstddef>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "scan/FileSystem.h"

namespace tarnwick {

class SeenFiles {
 public:
  // True the first time the file is met; a file without an ID is always new.
  bool FirstTime(std::uint32_t volume, FileId id);
  // The memory the IDs take, for measuring.
  std::size_t BytesHeld() const;

 private:
  // IDs whose upper half is zero (every ID of most file systems), by value;
  // 0 marks a free slot, since a known ID is never all zero.
  struct Table {
    std::uint32_t volume = 0;
    std::vector<std::uint64_t> slots;
    std::size_t used = 0;
    bool Insert(std::uint64_t id);
    void Grow();
  };
  Table& TableOf(std::uint32_t volume);

  std::vector<Table> tables_;
  // Full 128-bit IDs, rare enough to be kept plainly.
  std::set<std::tuple<std::uint32_t, std::uint64_t, std::uint64_t>> wide_;
};

}  // namespace tarnwick
