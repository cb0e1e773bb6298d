#pragma once
// A folder's entries read through the folder's own handle, a buffer of
// entries per system call, each with everything its listing says of it:
// length, allocation, file ID, last change, reparse tag.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "scan/FileSystem.h"

namespace tarnwick {

// The extended class gives 128-bit file IDs and the reparse tag in a field of
// its own; not every file system knows it. The older one has 64-bit IDs.
enum class ListingClass { Extended, IdBoth };

// Whether a listing's error means the file system does not know the class
// asked for (rather than that the folder cannot be read).
bool IsRefusedClass(DWORD error);

class Win32DirectoryReader {
 public:
  // `folder` is opened for listing and outlives the reader; `volume` is its
  // volume's serial number, given to every entry.
  Win32DirectoryReader(HANDLE folder, ListingClass listingClass, std::uint32_t volume);

  // Appends the entries of the next buffer, "." and ".." left out. False at
  // the end or on failure; Error() then tells which (ERROR_NO_MORE_FILES at
  // the end). Where the extended class is refused at the first read, the
  // older class is taken instead.
  bool ReadMore(std::vector<DirEntry>& entries);

  DWORD Error() const { return error_; }
  // Whether anything was read before the end: an empty drive root ends at once.
  bool Started() const { return started_; }
  // Whether the extended class was asked for and refused.
  bool FellBack() const { return fellBack_; }

 private:
  HANDLE folder_;
  ListingClass class_;
  std::uint32_t volume_;
  // 64 KB: hundreds of entries per call, and no more than a remote share
  // answers in one request. Entries lie 8-byte aligned within it.
  static constexpr DWORD kBufferBytes = 64 * 1024;
  std::unique_ptr<std::uint64_t[]> buffer_;
  DWORD error_ = ERROR_SUCCESS;
  bool started_ = false;
  bool fellBack_ = false;
};

}  // namespace tarnwick
