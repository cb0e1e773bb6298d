#pragma once
// What a search knows of an entry of the root beyond its path: the totals of
// a folder's whole tree, or a file's own length. A fact a listing gives is a
// field here, summed by the two adders, so that the scanner and the rows carry
// it without naming it.
#include "scan/FileSystem.h"

namespace tarnwick {

struct FolderTotals {
  double bytes = 0;
  double files = 0;
  double folders = 0;

  // A file lying in the folder, measured by its listing.
  void AddFile(const DirEntry& file) {
    bytes += static_cast<double>(file.length.value_or(0));
    files += 1;
  }
  // A finished subfolder (all zeros when it could not be read): its tree,
  // and itself as one folder.
  void AddFolder(const FolderTotals& sub) {
    bytes += sub.bytes;
    files += sub.files;
    folders += 1 + sub.folders;
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
