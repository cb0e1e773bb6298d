#pragma once
// Listings made on a few worker threads, ahead of the scanner, so that the
// window's thread never waits on the disk itself. The scanner lists depth
// first, each folder's subfolders in listing order, so once a folder is
// listed the folders the scanner will ask for next are known: the workers
// list them in that order, a bounded distance ahead. A folder the scanner
// asks for is handed over, already listed or waited for while the window
// runs; each folder is listed once.
#include <memory>

#include "scan/FileSystem.h"
#include "scan/ListingWait.h"

namespace tarnwick {

class ReadAheadFileSystem final : public FileSystem {
 public:
  // `disk` is read by the workers and must stay usable as long as one of
  // them may still be inside one of its calls: a listing that blocks in the
  // system outlives this object. `workers` is at least 1.
  ReadAheadFileSystem(FileSystem& disk, ListingWait& wait, unsigned workers = DefaultWorkers());
  ~ReadAheadFileSystem() override { LetWorkersGo(); }
  ReadAheadFileSystem(const ReadAheadFileSystem&) = delete;
  ReadAheadFileSystem& operator=(const ReadAheadFileSystem&) = delete;

  // On a worker, waited for. When the wait is given up the folder counts
  // as empty (no failure: nothing was found unreadable).
  bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) override;
  // Told by the listing of the folder above when that was a folder asked
  // for itself, else asked of a worker; given up, it is a link (not
  // entered).
  bool IsLink(const Str& folder) override;
  // On a worker, waited for; given up, it fails.
  bool ProbePattern(const Str& pattern) override;
  // These touch one entry only, not a folder's listing.
  std::optional<std::uint32_t> Attributes(const Str& path) override { return disk_.Attributes(path); }

  // Drops everything listed ahead and lets the workers go; never waits for
  // one. What is asked afterwards starts afresh.
  void Close();

  // Up to four workers, fewer on fewer cores.
  static unsigned DefaultWorkers();
  // Read ahead at most this many folders, or folders of this many bytes.
  static constexpr size_t kMaxAheadFolders = 64;
  static constexpr size_t kMaxAheadBytes = 64u << 20;
  // Worker threads alive in the process.
  static int WorkersAlive();

  struct Shared;
  struct Job;

 private:
  // Waits for `job` while the window runs; false when given up.
  bool WaitFor(const std::shared_ptr<Job>& job);
  bool AskWorker(const std::shared_ptr<Job>& job);
  void LetWorkersGo();

  FileSystem& disk_;
  ListingWait& wait_;
  unsigned workers_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace tarnwick
