#pragma once
// What a search knows of an entry of the root beyond its path: the totals of
// a folder's whole tree, or a file's own length. A fact a listing gives is a
// field here, summed by the two adders, so that the scanner and the rows carry
// it without naming it.
#include <algorithm>
#include <cstdint>

#include "scan/FileSystem.h"
#include "scan/SizeOnDisk.h"

namespace tarnwick {

struct FolderTotals {
  double bytes = 0;
  double files = 0;
  double folders = 0;
  std::uint64_t lastWrite = 0;  // the latest of the tree's entries, as DirEntry holds it
  // What the tree takes on the disk: each file's room, a file with several
  // names counted at the first name the search met.
  double onDisk = 0;
  double laterLinks = 0;  // names of files already counted, which add no room
  double cloudFiles = 0;  // online-only files, which take (almost) no room here
  double cloudBytes = 0;  // their length, kept in the cloud

  // An entry of the tree changed at `time`.
  void Touched(std::uint64_t time) { lastWrite = std::max(lastWrite, time); }

  // A file lying in the folder, measured by its listing; `firstName` unless
  // the search already counted the file under another name.
  void AddFile(const DirEntry& file, bool firstName) {
    const auto length = static_cast<double>(file.length.value_or(0));
    bytes += length;
    files += 1;
    Touched(file.lastWrite);
    if (!firstName) {
      laterLinks += 1;
      return;
    }
    onDisk += static_cast<double>(file.onDisk);
    if (IsOnlineOnly(file.attributes)) {
      cloudFiles += 1;
      cloudBytes += length;
    }
  }
  // A finished subfolder (all zeros when it could not be read): its tree,
  // and itself as one folder.
  void AddFolder(const FolderTotals& sub) {
    bytes += sub.bytes;
    files += sub.files;
    folders += 1 + sub.folders;
    Touched(sub.lastWrite);
    onDisk += sub.onDisk;
    laterLinks += sub.laterLinks;
    cloudFiles += sub.cloudFiles;
    cloudBytes += sub.cloudBytes;
  }
  // A subfolder before its entries are counted: only its own time.
  static FolderTotals OfFolder(const DirEntry& folder) {
    FolderTotals totals;
    totals.Touched(folder.lastWrite);
    return totals;
  }
  // A file lying in the root shows its own length and no counts.
  static FolderTotals OfFile(const DirEntry& file, bool firstName) {
    FolderTotals totals;
    totals.AddFile(file, firstName);
    totals.files = 0;
    return totals;
  }
};

}  // namespace tarnwick
