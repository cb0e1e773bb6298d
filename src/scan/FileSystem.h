#pragma once
// The scanner's only way to the file system. The Win32 implementation reads the
// real disk; tests use an in-memory one that can make any query fail.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Text.h"

namespace tarnwick {

// Attribute bits as the platform reports them.
constexpr std::uint32_t kAttrReadOnly = 0x1;
constexpr std::uint32_t kAttrHidden = 0x2;
constexpr std::uint32_t kAttrSystem = 0x4;
constexpr std::uint32_t kAttrDirectory = 0x10;
constexpr std::uint32_t kAttrArchive = 0x20;
constexpr std::uint32_t kAttrSparseFile = 0x200;
constexpr std::uint32_t kAttrReparsePoint = 0x400;
constexpr std::uint32_t kAttrCompressed = 0x800;
constexpr std::uint32_t kAttrOffline = 0x1000;
constexpr std::uint32_t kAttrRecallOnOpen = 0x40000;
constexpr std::uint32_t kAttrRecallOnDataAccess = 0x400000;

// A file's identity on its volume, as the listing gives it; all zeros when
// the listing has none (some file systems), and then every name of it is a
// file of its own.
struct FileId {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  bool Known() const { return low != 0 || high != 0; }
};

// One name of a folder with what the enumeration itself said about it, so that
// classifying and measuring an entry needs no further system call.
struct DirEntry {
  Str name;
  std::uint32_t attributes = 0;         // 0 when they could not be read
  std::optional<std::uint64_t> length;  // empty when it could not be read
  std::uint32_t reparseTag = 0;         // with kAttrReparsePoint: its tag, 0 if unknown
  std::uint64_t lastWrite = 0;          // 100 ns ticks since 1601 (UTC), as FILETIME; 0 when unknown
  // What a file takes on its volume: the allocation the listing gave, or the
  // compressed size where that differs (compressed, sparse, deduplicated).
  std::uint64_t onDisk = 0;
  FileId id;
  std::uint32_t volume = 0;  // serial number of the volume the listing came from
};

// A folder that merely points elsewhere (junction, symbolic link, mount
// point) rather than holding its own files. Cloud-sync placeholders are
// reparse points too, but their files are their own, so only name-surrogate
// tags count; an unknown tag (0) is taken for a link.
constexpr std::uint32_t kReparseTagNameSurrogateBit = 0x20000000;
inline bool IsLinkFolder(std::uint32_t attributes, std::uint32_t reparseTag) {
  return (attributes & kAttrReparsePoint) != 0 && (reparseTag == 0 || (reparseTag & kReparseTagNameSurrogateBit) != 0);
}

// Told during a listing of many entries, every kListingStride of them, so
// that a caller on the window's thread can let the window answer meanwhile.
class ListingObserver {
 public:
  virtual ~ListingObserver() = default;
  virtual void StillListing() = 0;
};
constexpr size_t kListingStride = 512;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Who is told during the listings that follow; nullptr for nobody.
  void SetListingObserver(ListingObserver* observer) { listingObserver_ = observer; }

  // Every entry of `folder` (a folder path ending in "\"), "." and ".." left
  // out, in the platform's order, each with its size on disk settled
  // (SizeOnDisk.h). False when the folder cannot be enumerated.
  virtual bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) = 0;

  // Attribute bits of a file or folder, or nothing when they cannot be read.
  virtual std::optional<std::uint32_t> Attributes(const Str& path) = 0;

  // Whether the folder `folder` (ending in "\") is itself a link folder,
  // which is never entered.
  virtual bool IsLink(const Str& folder) = 0;

  // What the file `path` takes on its volume when that is not its
  // allocation (compressed, sparse, deduplicated), or nothing when it cannot
  // be told. It opens the file's metadata, so it is asked only where the
  // listing cannot tell, and never of an online-only file.
  virtual std::optional<std::uint64_t> CompressedSize(const Str& path) {
    (void)path;
    return std::nullopt;
  }

  // Looks for the first normal file matching `pattern`. False only when the
  // look-up itself fails (access denied, no medium, a malformed path); a
  // pattern that matches nothing is no failure.
  virtual bool ProbePattern(const Str& pattern) = 0;

 protected:
  // Listings call this with the number of entries listed so far.
  void Listed(size_t count) {
    if (listingObserver_ != nullptr && count % kListingStride == 0) listingObserver_->StillListing();
  }

 private:
  ListingObserver* listingObserver_ = nullptr;
};

// Attribute bits of `path`, or 0 when they cannot be read. Callers only test
// the folder bit, so an unreadable entry counts as a file.
inline std::uint32_t SafeGetAttr(FileSystem& fs, const Str& path) { return fs.Attributes(path).value_or(0); }

inline bool IsFolder(std::uint32_t attributes) { return (attributes & kAttrDirectory) != 0; }

}  // namespace tarnwick
