#pragma once
// An in-memory file system for the portable tests. Folders list their entries
// in the order they were added; any enumeration, attribute probe or length
// query can be made to fail, and any question about a path made to hang.
// It records which thread asks each question.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "scan/FileSystem.h"
#include "scan/SizeOnDisk.h"

namespace tarnwick::testing {

class MemoryFileSystem : public FileSystem {
 public:
  // Read-ahead workers outlive the search that started them: lets go of
  // any question that hangs and waits until no call is still inside.
  ~MemoryFileSystem() override;

  // Paths use "\" and no trailing "\", e.g. u"C:\\R\\A". Parents are created
  // as needed; "C:" is the root of drive C.
  void AddFolder(const Str& path, std::uint32_t attributes = kAttrDirectory, std::uint32_t reparseTag = 0);
  void AddFile(const Str& path, std::uint64_t length, std::uint32_t attributes = kAttrArchive,
               std::uint32_t reparseTag = 0);
  void Remove(const Str& path);

  // What the listing says of a file's room on its volume, and what asking
  // its compressed size answers (nothing: the question fails).
  struct Room {
    std::uint64_t allocation = 0;
    FileId id;
    std::uint32_t volume = 1;
    std::optional<std::uint64_t> compressed = std::nullopt;
  };
  void SetRoom(const Str& path, const Room& room) { nodes_[Normalise(path)].room = room; }
  // The facts of the one volume every listing settles its sizes with.
  VolumeFacts volume;
  // Every file asked something of itself (its compressed size), which opens it.
  const std::vector<Str>& FilesOpened() const { return opened_; }

  void FailListing(const Str& folder) { failListing_.insert(Normalise(folder)); }
  void FailAttributes(const Str& path) { failAttributes_.insert(Normalise(path)); }
  void FailLength(const Str& path) { failLength_.insert(Normalise(path)); }
  void FailProbe(const Str& pattern) { failProbe_.insert(pattern); }

  // Called at every enumeration with the folder asked for (as given).
  std::function<void(const Str&)> onList;

  int listings() const { return listings_; }

  // Every question about a path under `prefix` (as given, with or without
  // its "\\"), but the first `letThrough`, waits until Release. Held()
  // counts the questions waiting.
  void Hang(const Str& prefix, int letThrough = 0);
  void Release();
  int Held() const { return asking_.held; }
  // How many questions came from `thread`.
  int AskedFrom(std::thread::id thread) const;

  bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) override;
  std::optional<std::uint32_t> Attributes(const Str& path) override;
  bool IsLink(const Str& folder) override;
  bool ProbePattern(const Str& pattern) override;
  std::optional<std::uint64_t> CompressedSize(const Str& path) override;

 private:
  struct Node {
    std::uint32_t attributes = 0;
    std::uint64_t length = 0;
    std::uint32_t reparseTag = 0;
    Room room;
    std::vector<Str> children;  // names, in the order added
  };
  static Str Normalise(const Str& path);
  static Str Parent(const Str& path);
  static Str NameOf(const Str& path);
  void Link(const Str& path);

  std::map<Str, Node> nodes_;
  // Records the question and waits while its path hangs.
  void Asked(const Str& path);
  // Asks, and counts the call as inside the file system while it lives.
  struct Inside;

  std::set<Str> failListing_, failAttributes_, failLength_, failProbe_;
  int listings_ = 0;
  std::vector<Str> opened_;
  // Who asked, and what hangs: a copy starts with none of it.
  struct Asking {
    Asking() = default;
    Asking(const Asking&) {}
    Asking& operator=(const Asking&) { return *this; }
    std::mutex mutex;
    std::condition_variable released;
    Str hanging;
    bool hangs = false;
    int letThrough = 0;
    std::atomic<int> held{0};
    int inside = 0;
    std::map<std::thread::id, int> askers;
  };
  mutable Asking asking_;
};

}  // namespace tarnwick::testing
