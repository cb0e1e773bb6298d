#pragma once
#include <string>

#include "scan/FileSystem.h"
#include "scan/FolderVolumes.h"
#include "scan/Win32Volumes.h"

namespace tarnwick {

// The path as the system should see it: made absolute when needed, then in
// the extended form that has no length limit.
std::wstring ToSystemPath(StrView path);

// The real, read-only file system. Everything known of a folder's entries
// (names, attributes, lengths, allocations, file IDs) comes from one
// enumeration pass through the folder's handle; a file is opened only to ask
// its compressed size, where the size-on-disk rule wants it. One instance may
// serve several listing threads at once.
class Win32FileSystem final : public FileSystem {
 public:
  bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) override;
  std::optional<std::uint32_t> Attributes(const Str& path) override;
  bool IsLink(const Str& folder) override;
  std::optional<std::uint64_t> CompressedSize(const Str& path) override;
  bool ProbePattern(const Str& pattern) override;

 private:
  Win32Volumes volumes_;
  FolderVolumes folderVolumes_;
};

}  // namespace tarnwick
