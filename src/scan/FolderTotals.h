#pragma once
// What a search knows of an entry of the root beyond its path: the totals of
// a folder's whole tree, or a file's own length. A fact a listing gives is a
// field here, summed by the two adders, so that the scanner and the rows carry
// it without naming it.
#include <algorithm>
#include <cstdint>

#include "scan/FileSystem.h"

namespace tarnwick {

struct FolderTotals {
  double bytes = 0;
  double files = 0;
  double folders = 0;
  std::uint64_t lastWrite = 0;  // the latest of the tree's entries, as DirEntry holds it

  // An entry of the tree changed at `time`.
  void Touched(std::uint64_t time) { lastWrite = std::max(lastWrite, time); }

  // A file lying in the folder, measured by its listing.
  void AddFile(const DirEntry& file) {
    bytes += static_cast<double>(file.length.value_or(0));
    files += 1;
    Touched(file.lastWrite);
  }
  // A finished subfolder (all zeros when it could not be read): its tree,
  // and itself as one folder.
  void AddFolder(const FolderTotals& sub) {
    bytes += sub.bytes;
    files += sub.files;
    folders += 1 + sub.folders;
    Touched(sub.lastWrite);
  }
  // A subfolder before its entries are counted: only its own time.
  static FolderTotals OfFolder(const DirEntry& folder) {
    FolderTotals totals;
    totals.Touched(folder.lastWrite);
    return totals;
  }
  // A file lying in the root shows its own length and no counts.
  static FolderTotals OfFile(const DirEntry& file) {
    FolderTotals totals;
    totals.AddFile(file);
    totals.files = 0;
    return totals;
  }
};

}  // namespace tarnwick
