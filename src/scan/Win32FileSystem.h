#pragma once
#include <string>

#include "scan/FileSystem.h"

namespace tarnwick {

// The path as the system should see it: made absolute when needed, then in
// the extended form that has no length limit.
std::wstring ToSystemPath(StrView path);

// The real, read-only file system. Names, attributes and lengths of a folder's
// entries all come from one enumeration pass (FindFirstFileExW with the basic
// information level and large fetches).
class Win32FileSystem final : public FileSystem {
 public:
  bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) override;
  std::optional<std::uint32_t> Attributes(const Str& path) override;
  bool IsLink(const Str& folder) override;
  bool ProbePattern(const Str& pattern) override;
};

}  // namespace tarnwick
