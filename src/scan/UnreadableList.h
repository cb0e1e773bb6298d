#pragma once
// What a search could not read: how many folders and files, and the first
// first many of their paths, so that totals that are short can say so.
#include <cstdint>
#include <vector>

#include "scan/GFC.h"
#include "base/Text.h"

namespace tarnwick {

class UnreadableList {
 public:
  // Paths kept for showing; the rest are only counted.
  static constexpr size_t kKeptPaths = 10000;

  void Clear();
  void Add(const Str& path, Unreadable what);

  std::uint64_t Folders() const { return folders_; }
  std::uint64_t Files() const { return files_; }
  std::uint64_t Total() const { return folders_ + files_; }
  // The first kKeptPaths paths, in the order they were met.
  const std::vector<Str>& Paths() const { return paths_; }

 private:
  std::uint64_t folders_ = 0;
  std::uint64_t files_ = 0;
  std::vector<Str> paths_;
};

}  // namespace tarnwick
