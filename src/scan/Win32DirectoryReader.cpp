#include "scan/Win32DirectoryReader.h"

#include <cstring>

namespace tarnwick {

namespace {

bool IsDotName(const WCHAR* name, DWORD bytes) {
  const DWORD units = bytes / sizeof(WCHAR);
  return name[0] == L'.' && (units == 1 || (units == 2 && name[1] == L'.'));
}

std::uint64_t Unsigned(const LARGE_INTEGER& value) { return static_cast<std::uint64_t>(value.QuadPart); }

// The fields both classes share, filled in place so that the name is made once.
template <class Info>
DirEntry& AppendCommon(const Info& info, std::uint32_t volume, std::vector<DirEntry>& entries) {
  DirEntry& entry = entries.emplace_back();
  entry.name.assign(reinterpret_cast<const char16_t*>(info.FileName), info.FileNameLength / sizeof(WCHAR));
  entry.attributes = info.FileAttributes;
  entry.length = Unsigned(info.EndOfFile);
  entry.lastWrite = Unsigned(info.LastWriteTime);
  entry.onDisk = Unsigned(info.AllocationSize);
  entry.volume = volume;
  return entry;
}

bool IsReparsePoint(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

void Append(const FILE_ID_EXTD_DIR_INFO& info, std::uint32_t volume, std::vector<DirEntry>& entries) {
  DirEntry& entry = AppendCommon(info, volume, entries);
  if (IsReparsePoint(info.FileAttributes)) entry.reparseTag = info.ReparsePointTag;
  static_assert(sizeof(info.FileId.Identifier) == sizeof(entry.id.low) + sizeof(entry.id.high));
  std::memcpy(&entry.id.low, info.FileId.Identifier, sizeof(entry.id.low));
  std::memcpy(&entry.id.high, info.FileId.Identifier + sizeof(entry.id.low), sizeof(entry.id.high));
}

void Append(const FILE_ID_BOTH_DIR_INFO& info, std::uint32_t volume, std::vector<DirEntry>& entries) {
  DirEntry& entry = AppendCommon(info, volume, entries);
  // This class has no field for the tag: a reparse point's entry carries it
  // where the size of the extended attributes would be.
  if (IsReparsePoint(info.FileAttributes)) entry.reparseTag = info.EaSize;
  entry.id.low = Unsigned(info.FileId);
}

// Each entry says how far on the next one lies; 0 ends the buffer.
template <class Info>
void AppendAll(const std::uint64_t* buffer, std::uint32_t volume, std::vector<DirEntry>& entries) {
  const auto* at = reinterpret_cast<const unsigned char*>(buffer);
  for (;;) {
    const Info& info = *reinterpret_cast<const Info*>(at);
    if (!IsDotName(info.FileName, info.FileNameLength)) Append(info, volume, entries);
    if (info.NextEntryOffset == 0) return;
    at += info.NextEntryOffset;
  }
}

}  // namespace

bool IsRefusedClass(DWORD error) {
  // Wine answers an unknown class with ERROR_INVALID_PARAMETER.
  return error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_LEVEL || error == ERROR_NOT_SUPPORTED ||
         error == ERROR_INVALID_FUNCTION;
}

Win32DirectoryReader::Win32DirectoryReader(HANDLE folder, ListingClass listingClass, std::uint32_t volume)
    : folder_(folder),
      class_(listingClass),
      volume_(volume),
      buffer_(new std::uint64_t[kBufferBytes / sizeof(std::uint64_t)]) {}

bool Win32DirectoryReader::ReadMore(std::vector<DirEntry>& entries) {
  const FILE_INFO_BY_HANDLE_CLASS asked =
      class_ == ListingClass::Extended ? FileIdExtdDirectoryInfo : FileIdBothDirectoryInfo;
  if (!::GetFileInformationByHandleEx(folder_, asked, buffer_.get(), kBufferBytes)) {
    error_ = ::GetLastError();
    // A refused class has read nothing yet, so the older one starts afresh.
    if (!started_ && class_ == ListingClass::Extended && IsRefusedClass(error_)) {
      class_ = ListingClass::IdBoth;
      fellBack_ = true;
      return ReadMore(entries);
    }
    return false;
  }
  started_ = true;
  if (class_ == ListingClass::Extended) {
    AppendAll<FILE_ID_EXTD_DIR_INFO>(buffer_.get(), volume_, entries);
  } else {
    AppendAll<FILE_ID_BOTH_DIR_INFO>(buffer_.get(), volume_, entries);
  }
  return true;
}

}  // namespace tarnwick
