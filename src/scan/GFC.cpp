#include "scan/GFC.h"

#include "scan/Path.h"

// The three workers walk the tree with an explicit stack of folders instead
// of recursing, so that a chain of thousands of nested folders cannot exhaust
// the thread's stack. Each folder on the stack holds only its own name list,
// so memory follows the depth of the tree, not its size.
//
// A link folder (junction, symbolic link, mount point) is listed like any
// folder but never entered: a link back to an ancestor would
// loop, and a link elsewhere would count the same bytes twice.

namespace tarnwick {
namespace {

struct Folder {
  Str path;
  DirEntry self;  // what its parent's listing said of it
  std::vector<DirEntry> entries;
  size_t next = 0;
};

bool IsLink(const DirEntry& e) { return IsLinkFolder(e.attributes, e.reparseTag); }

Str ChildFolderPath(const Str& parent, const Str& name) { return AddBackslash(parent + name); }

ListedEntry Listed(const DirEntry& entry, Str path) { return ListedEntry{entry, std::move(path)}; }

}  // namespace

bool GFC::GFC_GetFiles(const Str& Path, EntryArray& DestFiles, bool SearchSubDir) {
  DestFiles.assign(1, ListedEntry());
  cancelFlag_ = false;
  return CollectFiles(Path, DestFiles, SearchSubDir);
}

void GFC::GFC_GetDirs(const Str& Path, EntryArray& DestDirs, bool SearchSubDir) {
  DestDirs.assign(1, ListedEntry());
  cancelFlag_ = false;
  CollectDirs(Path, DestDirs, SearchSubDir);
}

void GFC::RaiseProgDirs(const Str& Path) {
  if (events_ != nullptr) events_->ProgDirs(Path);
}

void GFC::RaiseUnreadable(const Str& Path, Unreadable What) {
  if (events_ != nullptr) events_->ProgUnreadable(Path, What);
}

bool GFC::List(const Str& folder, std::vector<DirEntry>& entries) {
  // The listener hears of long listings; nobody else is told of them.
  struct Observing {
    FileSystem& fs;
    Observing(FileSystem& f, ListingObserver* o) : fs(f) { fs.SetListingObserver(o); }
    ~Observing() { fs.SetListingObserver(nullptr); }
    Observing(const Observing&) = delete;
    Observing& operator=(const Observing&) = delete;
  } observing(fs_, events_);
  if (fs_.ListFolder(folder, entries)) return true;
  RaiseUnreadable(folder, Unreadable::Folder);
  return false;
}

bool GFC::CollectFiles(const Str& Path, EntryArray& DestFiles, bool SearchSubDir) {
  kept_ = false;
  keptEntries_.clear();
  if (cancelFlag_) return true;
  if (!SearchSubDir) {
    if (!List(Path, keptEntries_)) return false;
    for (const DirEntry& entry : keptEntries_) {
      if (!IsFolder(entry.attributes)) DestFiles.push_back(Listed(entry, Path + entry.name));
    }
    keptPath_ = Path;
    kept_ = true;
    RaiseProgDirs(Path);
    return true;
  }
  std::vector<Folder> stack(1);
  stack[0].path = Path;
  if (!List(Path, stack[0].entries)) return false;

  while (!stack.empty()) {
    Folder& top = stack.back();
    if (top.next == top.entries.size()) {
      RaiseProgDirs(top.path);
      stack.pop_back();
      continue;
    }
    const DirEntry& entry = top.entries[top.next++];
    if (!IsFolder(entry.attributes)) {
      DestFiles.push_back(Listed(entry, top.path + entry.name));
    } else if (SearchSubDir && !IsLink(entry) && !cancelFlag_) {
      Folder child;
      child.path = ChildFolderPath(top.path, entry.name);
      // A folder that cannot be read fails the whole listing; the files
      // already found stay with the caller.
      if (!List(child.path, child.entries)) return false;
      stack.push_back(std::move(child));
    }
  }
  return true;
}

void GFC::CollectDirs(const Str& Path, EntryArray& DestDirs, bool SearchSubDir) {
  const bool reuse = kept_ && !SearchSubDir && keptPath_ == Path;
  std::vector<Folder> stack(1);
  if (reuse) stack[0].entries = std::move(keptEntries_);
  kept_ = false;
  keptEntries_.clear();
  if (cancelFlag_) return;
  stack[0].path = Path;
  if (!reuse && !List(Path, stack[0].entries)) return;

  while (!stack.empty()) {
    Folder& top = stack.back();
    if (top.next == top.entries.size()) {
      Folder finished = std::move(top);
      stack.pop_back();
      RaiseProgDirs(finished.path);
      // A folder is listed after all of its own descendants.
      if (!stack.empty()) DestDirs.push_back(ListedEntry{std::move(finished.self), std::move(finished.path)});
      continue;
    }
    const DirEntry& entry = top.entries[top.next++];
    if (!IsFolder(entry.attributes)) continue;
    Folder child;
    child.path = ChildFolderPath(top.path, entry.name);
    child.self = entry;
    if (SearchSubDir && !IsLink(entry) && !cancelFlag_ && List(child.path, child.entries)) {
      stack.push_back(std::move(child));
      continue;
    }
    // An unreadable subfolder ends quietly and is still listed itself.
    DestDirs.push_back(ListedEntry{std::move(child.self), std::move(child.path)});
  }
}

namespace {

struct CountingFolder : Folder {
  FolderTotals totals;
};

}  // namespace

void GFC::GFC_GetFileCoAndSize(const Str& Path, FolderTotals& Totals) {
  if (cancelFlag_) return;

  std::vector<CountingFolder> stack(1);
  stack[0].path = Path;
  if (!fs_.IsLink(Path) && !List(Path, stack[0].entries)) {
    Totals = FolderTotals();
    return;
  }

  // Adds a finished subfolder (or one not entered or failed, all zeros) to
  // the folder below it on the stack, or hands the root's totals back.
  auto finish = [&stack, &Totals](const FolderTotals& sub) {
    if (stack.empty()) {
      Totals = sub;
    } else {
      stack.back().totals.AddFolder(sub);
    }
  };

  while (!stack.empty()) {
    CountingFolder& top = stack.back();
    if (top.next == top.entries.size()) {
      CountingFolder finished = std::move(top);
      stack.pop_back();
      bool cancel = false;
      if (events_ != nullptr) {
        events_->ProgFileSize(finished.path, finished.totals.files, finished.totals.bytes, cancel);
      }
      if (cancel) cancelFlag_ = true;
      finish(finished.totals);
      continue;
    }

    const DirEntry& entry = top.entries[top.next++];
    if (!IsFolder(entry.attributes)) {
      if (!entry.length) {
        // A file that cannot be measured makes its whole folder count as
        // empty, without an event; the folder still counts in its parent.
        RaiseUnreadable(top.path + entry.name, Unreadable::File);
        stack.pop_back();
        finish(FolderTotals());
        continue;
      }
      top.totals.AddFile(entry, FirstName(entry));
      continue;
    }

    if (cancelFlag_) {
      // After a cancel the folders still in progress finish their own lists
      // but enter no further folder.
      top.totals.AddFolder(FolderTotals::OfFolder(entry));
      continue;
    }
    CountingFolder child;
    child.path = ChildFolderPath(top.path, entry.name);
    child.totals = FolderTotals::OfFolder(entry);
    if (!IsLink(entry) && !List(child.path, child.entries)) {
      top.totals.AddFolder(child.totals);
      continue;
    }
    stack.push_back(std::move(child));
  }
}

}  // namespace tarnwick
