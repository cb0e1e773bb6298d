#include "scan/Win32Volumes.h"

#include <windows.h>

#include <cwchar>

namespace tarnwick {

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// \\server\share\..., in either form; \\?\C:\ and \\.\ devices are local.
bool IsUncPath(const std::wstring& path) {
  if (StartsWith(path, L"\\\\?\\")) return StartsWith(path, L"\\\\?\\UNC\\");
  return StartsWith(path, L"\\\\") && !StartsWith(path, L"\\\\.\\");
}

VolumeFacts AskFacts(const std::wstring& folder) {
  VolumeFacts facts;
  facts.remote = IsUncPath(folder);
  // The mount point is never longer than the folder it holds.
  std::wstring root(folder.size() + 1, L'\0');
  if (!::GetVolumePathNameW(folder.c_str(), root.data(), static_cast<DWORD>(root.size()))) return facts;
  root.resize(std::wcslen(root.c_str()));
  // A drive letter mapped to a share is remote too.
  if (::GetDriveTypeW(root.c_str()) == DRIVE_REMOTE) facts.remote = true;
  DWORD flags = 0;
  if (::GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) {
    facts.shrinksFiles = (flags & (FILE_FILE_COMPRESSION | FILE_SUPPORTS_SPARSE_FILES)) != 0;
  }
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (::GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters) &&
      sectorsPerCluster * bytesPerSector != 0) {
    facts.clusterBytes = sectorsPerCluster * bytesPerSector;
  }
  return facts;
}

}  // namespace

ListingClass Win32Volumes::ListingClassOf(std::uint32_t serial) const {
  const std::lock_guard lock(mutex_);
  return refusing_.count(serial) != 0 ? ListingClass::IdBoth : ListingClass::Extended;
}

void Win32Volumes::RefusedExtendedClass(std::uint32_t serial) {
  if (serial == 0) return;
  const std::lock_guard lock(mutex_);
  refusing_.insert(serial);
}

VolumeFacts Win32Volumes::Facts(std::uint32_t serial, const std::wstring& folder) {
  if (serial == 0) return AskFacts(folder);
  {
    const std::lock_guard lock(mutex_);
    if (const auto known = facts_.find(serial); known != facts_.end()) return known->second;
  }
  // Asked outside the guard: a remote volume may take its time to answer,
  // and listings of other volumes need not wait for it meanwhile.
  const VolumeFacts facts = AskFacts(folder);
  const std::lock_guard lock(mutex_);
  return facts_.emplace(serial, facts).first->second;
}

}  // namespace tarnwick
