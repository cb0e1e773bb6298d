#pragma once
// The folder scanner: lists a folder's files and subfolders and counts a
// folder's whole tree, reporting each finished folder to its one listener.
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "scan/FileSystem.h"
#include "scan/FolderTotals.h"
#include "scan/SeenFiles.h"

namespace tarnwick {

// What could not be read: a folder that could not be enumerated, or a file
// (counting only) whose length could not be queried.
enum class Unreadable { Folder, File };

class GFCEvents : public ListingObserver {
 public:
  // A folder's count has finished: its whole tree holds FileCount files of
  // FileSize bytes. Setting Cancel stops the count from entering any further
  // folder.
  virtual void ProgFileSize(const Str& SearchString, double FileCount, double FileSize, bool& Cancel) = 0;
  // A listing call has finished the folder Path.
  virtual void ProgDirs(const Str& Path) { (void)Path; }
  // Path (a folder ending in "\", or a file) could not be read. The scanner
  // goes on as before: a folder counts as empty, and a file makes its whole
  // folder count as empty. Totals that hold it are therefore short.
  virtual void ProgUnreadable(const Str& Path, Unreadable What) {
    (void)Path;
    (void)What;
  }
  // A folder of many entries is being listed (every kListingStride entries).
  void StillListing() override {}
};

// An entry as its folder's listing gave it (name, attributes, length), with
// its full path; a folder's path ends in "\".
struct ListedEntry : DirEntry {
  Str path;
};

// Entry arrays hold an empty entry at index 0 and the entries at 1..N, so the
// upper bound (size() - 1) equals the number of entries.
using EntryArray = std::vector<ListedEntry>;
inline size_t UpperBound(const EntryArray& a) { return a.empty() ? 0 : a.size() - 1; }

class GFC {
 public:
  explicit GFC(FileSystem& fs, GFCEvents* events = nullptr) : fs_(fs), events_(events) {}

  // The files in Path (and, with SearchSubDir, in its whole
  // tree). False when a folder could not be enumerated; the entries found
  // before that stay in DestFiles.
  [[nodiscard]] bool GFC_GetFiles(const Str& Path, EntryArray& DestFiles, bool SearchSubDir);

  // The folders in Path (with SearchSubDir, of its
  // whole tree, each after its own descendants). A folder that cannot be
  // enumerated simply adds nothing. Right after GFC_GetFiles of the same
  // folder without SearchSubDir, it reuses that listing, so that the two see
  // the folder as it was at one moment and a folder of many entries is not
  // listed twice.
  void GFC_GetDirs(const Str& Path, EntryArray& DestDirs, bool SearchSubDir);

  // Files, bytes and folders in the whole tree of Path, Path itself not
  // counted as a folder. Leaves Totals alone once a listener has cancelled.
  void GFC_GetFileCoAndSize(const Str& Path, FolderTotals& Totals);

  // A file lying in the root, as its row shows it: its own length and, if
  // no other name of it was counted before, its room on the disk.
  FolderTotals RootFileTotals(const DirEntry& file) { return FolderTotals::OfFile(file, FirstName(file)); }

  bool CancelFlag() const { return cancelFlag_; }
  // The memory that remembering the files counted so far takes.
  size_t SeenFileBytes() const { return seen_.BytesHeld(); }

 private:
  bool CollectFiles(const Str& Path, EntryArray& DestFiles, bool SearchSubDir);
  void CollectDirs(const Str& Path, EntryArray& DestDirs, bool SearchSubDir);
  void RaiseProgDirs(const Str& Path);
  // Enumerates `folder` into `entries`, telling the listener when it cannot.
  bool List(const Str& folder, std::vector<DirEntry>& entries);
  void RaiseUnreadable(const Str& Path, Unreadable What);
  bool FirstName(const DirEntry& file) { return seen_.FirstTime(file.volume, file.id); }

  FileSystem& fs_;
  GFCEvents* events_;
  bool cancelFlag_ = false;
  // The last folder listed for its files alone, kept for the one listing of
  // its subfolders that follows.
  Str keptPath_;
  std::vector<DirEntry> keptEntries_;
  bool kept_ = false;
  // Every file this scanner counted, root files and trees alike: one
  // scanner serves one search, so a file is counted once in it.
  SeenFiles seen_;
};

}  // namespace tarnwick
