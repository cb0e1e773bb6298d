#pragma once
// An in-memory file system for the portable tests. Folders list their entries
// in the order they were added; any enumeration, attribute probe or length
// query can be made to fail.
#include <functional>
#include <map>
#include <set>

#include "scan/FileSystem.h"

namespace tarnwick::testing {

class MemoryFileSystem : public FileSystem {
 public:
  // Paths use "\" and no trailing "\", e.g. u"C:\\R\\A". Parents are created
  // as needed; "C:" is the root of drive C.
  void AddFolder(const Str& path, std::uint32_t attributes = kAttrDirectory, std::uint32_t reparseTag = 0);
  void AddFile(const Str& path, std::uint64_t length, std::uint32_t attributes = kAttrArchive);
  void Remove(const Str& path);

  void FailListing(const Str& folder) { failListing_.insert(Normalise(folder)); }
  void FailAttributes(const Str& path) { failAttributes_.insert(Normalise(path)); }
  void FailLength(const Str& path) { failLength_.insert(Normalise(path)); }
  void FailProbe(const Str& pattern) { failProbe_.insert(pattern); }

  // Called at every enumeration with the folder asked for (as given).
  std::function<void(const Str&)> onList;

  int listings() const { return listings_; }

  bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) override;
  std::optional<std::uint32_t> Attributes(const Str& path) override;
  bool IsLink(const Str& folder) override;
  bool ProbePattern(const Str& pattern) override;

 private:
  struct Node {
    std::uint32_t attributes = 0;
    std::uint64_t length = 0;
    std::uint32_t reparseTag = 0;
    std::vector<Str> children;  // names, in the order added
  };
  static Str Normalise(const Str& path);
  static Str Parent(const Str& path);
  static Str NameOf(const Str& path);
  void Link(const Str& path);

  std::map<Str, Node> nodes_;
  std::set<Str> failListing_, failAttributes_, failLength_, failProbe_;
  int listings_ = 0;
};

}  // namespace tarnwick::testing
