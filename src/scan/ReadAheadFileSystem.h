#pragma once
// Listings made on a few worker threads, ahead of the scanner, so that the
// window's thread never waits on the disk itself. The scanner lists depth
// first, each folder's subfolders in listing order, so once a folder is
// listed the folders the scanner will ask for next are known: the workers
// list them in that order, a bounded distance ahead. A folder the scanner
// asks for is handed over, already listed or waited for while the window
// runs; each folder is listed once. Every other question about a path (the
// probe of a root, its attributes, whether a folder is a link) is asked of a
// worker too, so the thread that waits never touches the disk itself.
//
// A share that stops answering holds a worker inside the system for as long
// as it likes, and nothing can take it back. The workers of every instance
// therefore come from one bounded number in the process: once that many are
// held, a question waits (while the window runs, and can be given up) until
// one of them returns or ends.
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
  // On a worker, waited for; given up, nothing.
  std::optional<std::uint32_t> Attributes(const Str& path) override;

  // Drops everything listed ahead and lets the workers go; never waits for
  // one. What is asked afterwards starts afresh.
  void Close();

  // Up to four workers, fewer on fewer cores.
  static unsigned DefaultWorkers();
  // Read ahead at most this many folders, or folders of this many bytes.
  static constexpr size_t kMaxAheadFolders = 64;
  static constexpr size_t kMaxAheadBytes = 64u << 20;
  // Worker threads alive in the process, of every instance together, and
  // the most there may be: threads held by a dead share count until the
  // share lets them go.
  static int WorkersAlive();
  static constexpr int kMaxWorkersInProcess = 4;

  struct Shared;
  struct Job;

 private:
  // Hands `job` to a worker and waits for it while the window runs; false
  // when given up, and then nobody works on it any more unless it had begun.
  bool AskWorker(const std::shared_ptr<Job>& job);
  void LetWorkersGo();

  FileSystem& disk_;
  ListingWait& wait_;
  unsigned workers_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace tarnwick
