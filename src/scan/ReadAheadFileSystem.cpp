#include "scan/ReadAheadFileSystem.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

#include "scan/Path.h"

// The workers are detached: a listing can block in the system for minutes
// (a share that stopped answering), and neither the end of a search nor the
// program's exit may wait for it. Everything a worker touches besides the
// disk lives in the shared state, which the last of its owners frees.

namespace tarnwick {
namespace {

std::atomic<int> gWorkersAlive{0};

// A folder's place in the scanner's depth-first order: the place of the
// folder above it, then its index in that folder's listing. Comparing two
// places compares when the scanner will ask for them.
using Place = std::vector<std::uint32_t>;

size_t BytesOf(const std::vector<DirEntry>& entries) {
  size_t bytes = 0;
  for (const DirEntry& e : entries) bytes += sizeof(DirEntry) + e.name.size() * sizeof(char16_t);
  return bytes;
}

// Folders the scanner enters below a listed one.
bool IsEntered(const DirEntry& e) { return IsFolder(e.attributes) && !IsLinkFolder(e.attributes, e.reparseTag); }

}  // namespace

struct ReadAheadFileSystem::Job {
  enum class Kind { List, Probe, Link, Attributes };
  Kind kind = Kind::List;
  Str path;
  Place place;
  bool demanded = false;  // the window's thread waits for it
  bool ahead = false;     // counts against the read-ahead budget until taken
  bool started = false;
  bool done = false;
  bool answer = false;  // listed, probe passed, is a link
  std::vector<DirEntry> entries;
  std::optional<std::uint32_t> attributes;
  size_t bytes = 0;
};

struct ReadAheadFileSystem::Shared {
  explicit Shared(FileSystem& d, ListingWait* w, unsigned n) : disk(d), wait(w), maxWorkers(n) {}

  FileSystem& disk;
  std::mutex mutex;
  std::condition_variable wake;
  ListingWait* wait;  // nullptr once the owner has gone
  bool closed = false;
  unsigned maxWorkers;
  unsigned workers = 0;
  unsigned idle = 0;
  std::uint32_t roots = 0;  // folders asked for without being foreseen

  std::deque<std::shared_ptr<Job>> demands;           // waited for: first
  std::map<Place, std::shared_ptr<Job>> foreseen;     // not started, in the scanner's order
  std::map<Str, std::shared_ptr<Job>> listings;       // every listing not yet taken
  std::map<Str, bool> links;                          // whether a folder is a link, as its parent listed it
  size_t aheadFolders = 0;
  size_t aheadBytes = 0;

  std::shared_ptr<Job> Next() {
    if (!demands.empty()) {
      auto job = demands.front();
      demands.pop_front();
      return job;
    }
    if (foreseen.empty() || aheadFolders >= kMaxAheadFolders || aheadBytes >= kMaxAheadBytes) return nullptr;
    auto job = foreseen.begin()->second;
    foreseen.erase(foreseen.begin());
    job->ahead = true;
    ++aheadFolders;
    return job;
  }

  void Foresee(const Job& parent) {
    for (size_t i = 0; i < parent.entries.size(); ++i) {
      const DirEntry& e = parent.entries[i];
      if (!IsEntered(e)) continue;
      Str path = AddBackslash(parent.path + e.name);
      if (listings.count(path) != 0) continue;
      auto child = std::make_shared<Job>();
      child->path = path;
      child->place = parent.place;
      child->place.push_back(static_cast<std::uint32_t>(i));
      foreseen.emplace(child->place, child);
      listings.emplace(std::move(path), std::move(child));
    }
  }

  void Finished(const std::shared_ptr<Job>& job) {
    job->done = true;
    if (closed) return;
    if (job->kind == Job::Kind::List && job->answer) {
      job->bytes = BytesOf(job->entries);
      Foresee(*job);
    }
    if (job->ahead) aheadBytes += job->bytes;
    if (job->demanded && wait != nullptr) wait->ListingReady();
    WakeIdleWhenLow();
  }

  // Gives back what a taken (or abandoned) listing held of the budget.
  void Release(Job& job) {
    if (!job.ahead) return;
    job.ahead = false;
    --aheadFolders;
    if (job.done) aheadBytes -= job.bytes;
    WakeIdleWhenLow();
  }

  // A worker goes on listing ahead until the budget is spent; idle ones are
  // woken only once half of it is free again, all at once. Woken for every
  // folder taken, they cost the window's thread a wake-up per folder, and
  // under Wine every wake-up is a trip to the Wine server.
  void WakeIdleWhenLow() {
    const bool low = aheadFolders <= kMaxAheadFolders / 2 && aheadBytes <= kMaxAheadBytes / 2;
    if (idle > 0 && low && !foreseen.empty()) wake.notify_all();
  }

  void Demand(const std::shared_ptr<Job>& job) {
    job->demanded = true;
    if (job->started) return;
    if (!job->place.empty()) foreseen.erase(job->place);
    demands.push_back(job);
    wake.notify_one();
  }
};

namespace {

using Job = ReadAheadFileSystem::Job;
using Shared = ReadAheadFileSystem::Shared;

void Run(Job& job, FileSystem& disk) {
  try {
    switch (job.kind) {
      case Job::Kind::List:
        job.answer = disk.ListFolder(job.path, job.entries);
        break;
      case Job::Kind::Probe:
        job.answer = disk.ProbePattern(job.path);
        break;
      case Job::Kind::Link:
        job.answer = disk.IsLink(job.path);
        break;
      case Job::Kind::Attributes:
        job.attributes = disk.Attributes(job.path);
        break;
    }
  } catch (const std::exception&) {
    // Out of memory on a huge folder: a listing that failed.
    job.answer = false;
    job.entries.clear();
  }
}

void Work(std::shared_ptr<Shared> s) {
  std::unique_lock<std::mutex> lock(s->mutex);
  while (!s->closed) {
    std::shared_ptr<Job> job = s->Next();
    if (!job) {
      ++s->idle;
      s->wake.wait(lock);
      --s->idle;
      continue;
    }
    job->started = true;
    lock.unlock();
    Run(*job, s->disk);
    lock.lock();
    s->Finished(job);
  }
  --s->workers;
  lock.unlock();
  s.reset();
  --gWorkersAlive;
}

// A worker for queued work, when none is free, the few allowed are not all
// there yet and the process holds fewer than its most. False when none
// works for `s` now; the caller asks again while it waits.
bool EnsureWorker(const std::shared_ptr<Shared>& s) {
  if (s->idle > 0 || s->workers >= s->maxWorkers) return s->workers > 0;
  int alive = gWorkersAlive.load();
  do {
    if (alive >= ReadAheadFileSystem::kMaxWorkersInProcess) return s->workers > 0;
  } while (!gWorkersAlive.compare_exchange_weak(alive, alive + 1));
  try {
    std::thread(Work, s).detach();
    ++s->workers;
  } catch (const std::system_error&) {
    --gWorkersAlive;
  }
  return s->workers > 0;
}

}  // namespace

ReadAheadFileSystem::ReadAheadFileSystem(FileSystem& disk, ListingWait& wait, unsigned workers)
    : disk_(disk), wait_(wait), workers_(std::max(1u, workers)), shared_(std::make_shared<Shared>(disk, &wait, workers_)) {}

void ReadAheadFileSystem::LetWorkersGo() {
  const std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->closed = true;
  shared_->wait = nullptr;
  shared_->demands.clear();
  shared_->foreseen.clear();
  shared_->listings.clear();
  shared_->links.clear();
  shared_->wake.notify_all();
}

void ReadAheadFileSystem::Close() {
  LetWorkersGo();
  shared_ = std::make_shared<Shared>(disk_, &wait_, workers_);
}

unsigned ReadAheadFileSystem::DefaultWorkers() {
  const unsigned cores = std::thread::hardware_concurrency();
  return std::clamp(cores, 1u, 4u);
}

int ReadAheadFileSystem::WorkersAlive() { return gWorkersAlive.load(); }

bool ReadAheadFileSystem::AskWorker(const std::shared_ptr<Job>& job) {
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->Demand(job);
  }
  for (;;) {
    {
      const std::lock_guard<std::mutex> lock(shared_->mutex);
      if (job->done) return true;
      // No worker could be had (the process's are held elsewhere, or the
      // system made none): ask again at every turn of the wait.
      if (!job->started) EnsureWorker(shared_);
    }
    if (!wait_.KeepWaiting()) break;
  }
  // Given up: nobody waits for it any more, and what it finds is dropped.
  const std::lock_guard<std::mutex> lock(shared_->mutex);
  job->demanded = false;
  shared_->demands.erase(std::remove(shared_->demands.begin(), shared_->demands.end(), job), shared_->demands.end());
  return false;
}

bool ReadAheadFileSystem::ListFolder(const Str& folder, std::vector<DirEntry>& entries) {
  entries.clear();
  std::shared_ptr<Job> job;
  bool foreseen = true;
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    auto it = shared_->listings.find(folder);
    if (it != shared_->listings.end()) {
      job = it->second;
    } else {
      foreseen = false;
      job = std::make_shared<Job>();
      job->path = folder;
      job->place = Place{++shared_->roots};
      shared_->listings.emplace(folder, job);
    }
  }
  const bool answered = AskWorker(job);
  const std::lock_guard<std::mutex> lock(shared_->mutex);
  auto it = shared_->listings.find(folder);
  if (it != shared_->listings.end() && it->second == job) shared_->listings.erase(it);
  shared_->Release(*job);
  if (!answered) return true;
  entries = std::move(job->entries);
  if (!foreseen) {
    // The scanner asks whether each folder of a folder it was handed is a
    // link before it counts it: the listing already said.
    shared_->links.clear();
    for (const DirEntry& e : entries) {
      if (IsFolder(e.attributes)) shared_->links[AddBackslash(folder + e.name)] = IsLinkFolder(e.attributes, e.reparseTag);
    }
  }
  return job->answer;
}

bool ReadAheadFileSystem::IsLink(const Str& folder) {
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    auto it = shared_->links.find(folder);
    if (it != shared_->links.end()) {
      const bool link = it->second;
      shared_->links.erase(it);
      return link;
    }
  }
  auto job = std::make_shared<Job>();
  job->kind = Job::Kind::Link;
  job->path = folder;
  return !AskWorker(job) || job->answer;
}

std::optional<std::uint32_t> ReadAheadFileSystem::Attributes(const Str& path) {
  auto job = std::make_shared<Job>();
  job->kind = Job::Kind::Attributes;
  job->path = path;
  if (!AskWorker(job)) return std::nullopt;
  return job->attributes;
}

bool ReadAheadFileSystem::ProbePattern(const Str& pattern) {
  auto job = std::make_shared<Job>();
  job->kind = Job::Kind::Probe;
  job->path = pattern;
  return AskWorker(job) && job->answer;
}

}  // namespace tarnwick
