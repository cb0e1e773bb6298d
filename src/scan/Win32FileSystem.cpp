#include "scan/Win32FileSystem.h"

#include <windows.h>

#include "base/Win32Handles.h"
#include "base/Win32Text.h"
#include "scan/Path.h"

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

bool IsDotName(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

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

}  // namespace

bool Win32FileSystem::ListFolder(const Str& folder, std::vector<DirEntry>& entries) {
  entries.clear();
  WIN32_FIND_DATAW data;
  UniqueFindHandle find = FindFirst(ToSystemPath(folder) + L"*", data);
  if (!find) {
    // Only an empty drive root has no entries at all; anything else (a
    // missing folder, access denied, no medium) is a failure.
    return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  }
  do {
    if (IsDotName(data.cFileName)) continue;
    // With the reparse-point bit, dwReserved0 holds the reparse tag.
    const std::uint32_t tag = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0;
    entries.push_back(DirEntry{FromWide(data.cFileName), data.dwFileAttributes,
                               LengthOf(data.nFileSizeHigh, data.nFileSizeLow), tag,
                               (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                   data.ftLastWriteTime.dwLowDateTime});
    Listed(entries.size());
  } while (::FindNextFileW(find.get(), &data));
  return ::GetLastError() == ERROR_NO_MORE_FILES;
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
