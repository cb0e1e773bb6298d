#include "scan/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "base/Win32Handles.h"
#include "base/Win32Text.h"
#include "scan/Path.h"
#include "scan/SizeOnDisk.h"
#include "scan/Win32DirectoryReader.h"

namespace tarnwick {

std::wstring ToSystemPath(StrView path) {
  // Too long to be canonicalised either; it stays too long to be asked about.
  if (path.size() > kMaxPathLength || !NeedsFullPath(path)) return ToWide(ToExtendedPath(path));
  const std::wstring wide = ToWide(path);
  DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::wstring full(needed, L'\0');
  const DWORD written = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return wide;
  full.resize(written);
  return ToWide(ToExtendedPath(FromWide(full)));
}

namespace {

std::uint64_t LengthOf(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

// A path the system cannot take whole is not handed to it at all.
bool Fits(const std::wstring& systemPath) { return systemPath.size() <= kMaxPathLength; }

UniqueFindHandle FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& data) {
  if (!Fits(pattern)) {
    ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return UniqueFindHandle();
  }
  return UniqueFindHandle(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                             FIND_FIRST_EX_LARGE_FETCH));
}

// The attribute query does not want the trailing "\" of a folder path, except
// on a root such as C:\ or \\server\share\.
Str WithoutTrailingBackslash(const Str& path) {
  if (!path.empty() && path.back() == u'\\' && !IsRootPath(path)) return path.substr(0, path.size() - 1);
  return path;
}

// The directory entry of `path` itself (no wildcard), as its parent lists it.
bool FindEntry(const Str& path, WIN32_FIND_DATAW& data) {
  const Str entry = WithoutTrailingBackslash(path);
  if (entry.empty() || IsRootPath(entry)) return false;
  return static_cast<bool>(FindFirst(ToSystemPath(entry), data));
}

// Opened for listing alone, sharing everything, so that nobody else's work
// in the folder is held up while it is read.
UniqueFileHandle OpenFolderForListing(const std::wstring& folder) {
  return UniqueFileHandle(::CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The serial number of the volume holding the open `folder`, 0 when unknown.
std::uint32_t VolumeSerial(HANDLE folder) {
  BY_HANDLE_FILE_INFORMATION info;
  return ::GetFileInformationByHandle(folder, &info) ? info.dwVolumeSerialNumber : 0;
}

}  // namespace

bool Win32FileSystem::ListFolder(const Str& folder, std::vector<DirEntry>& entries) {
  entries.clear();
  const std::wstring path = ToSystemPath(folder);
  if (!Fits(path)) return false;
  std::uint32_t volume = 0;
  {
    const UniqueFileHandle handle = OpenFolderForListing(path);
    if (!handle) return false;
    volume = folderVolumes_.Take(folder).value_or(0);
    if (volume == 0) volume = VolumeSerial(handle.get());
    Win32DirectoryReader reader(handle.get(), volumes_.ListingClassOf(volume), volume);
    for (size_t told = 0; reader.ReadMore(entries);) {
      while (told < entries.size()) Listed(++told);
    }
    if (reader.FellBack()) volumes_.RefusedExtendedClass(volume);
    // Only an empty drive root has no entries at all, not even "." and "..";
    // anything else (access denied, no medium, a share gone) is a failure.
    const DWORD error = reader.Error();
    if (error != ERROR_NO_MORE_FILES && !(error == ERROR_FILE_NOT_FOUND && !reader.Started())) return false;
  }
  folderVolumes_.Listed(folder, volume, entries);
  // IDs of an unknown volume could meet those of another: each name then
  // counts as a file of its own.
  if (volume == 0) {
    for (DirEntry& entry : entries) entry.id = FileId{};
  }
  if (std::any_of(entries.begin(), entries.end(), MayAskCompressedSize)) {
    SettleSizesOnDisk(*this, folder, entries, volumes_.Facts(volume, path));
  }
  return true;
}

std::optional<std::uint32_t> Win32FileSystem::Attributes(const Str& path) {
  if (path.empty()) return std::nullopt;
  const std::wstring systemPath = ToSystemPath(WithoutTrailingBackslash(path));
  if (!Fits(systemPath)) return std::nullopt;
  const DWORD attributes = ::GetFileAttributesW(systemPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool Win32FileSystem::IsLink(const Str& folder) {
  WIN32_FIND_DATAW entry;
  if (!FindEntry(folder, entry)) return false;
  const std::uint32_t tag = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? entry.dwReserved0 : 0;
  return IsLinkFolder(entry.dwFileAttributes, tag);
}

std::optional<std::uint64_t> Win32FileSystem::CompressedSize(const Str& path) {
  const std::wstring systemPath = ToSystemPath(path);
  if (!Fits(systemPath)) return std::nullopt;
  DWORD high = 0;
  // INVALID_FILE_SIZE is also the low half of some sizes: only the error tells.
  ::SetLastError(NO_ERROR);
  const DWORD low = ::GetCompressedFileSizeW(systemPath.c_str(), &high);
  if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return std::nullopt;
  return LengthOf(high, low);
}

bool Win32FileSystem::ProbePattern(const Str& pattern) {
  // A pattern that names a folder with its "\" asks for the folder's files.
  const Str whole = !pattern.empty() && pattern.back() == u'\\' ? pattern + u'*' : pattern;
  WIN32_FIND_DATAW data;
  UniqueFindHandle find = FindFirst(ToSystemPath(whole), data);
  if (find) return true;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}

}  // namespace tarnwick
