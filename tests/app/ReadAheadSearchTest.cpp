#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <random>
#include <thread>

#include "app/Form1.h"
#include "fakes/FakeFormView.h"
#include "fakes/MemoryFileSystem.h"

// Searches whose folders are listed on worker threads, ahead of the scanner,
// against the same searches listed on the window's thread.

namespace tarnwick::testing {
namespace {

// The in-memory disk for the workers: each listing takes its own time (from
// the folder's name and `seed`), the listing of `held` waits for Release, and
// every listing is counted by folder.
struct WorkerDisk final : MemoryFileSystem {
  unsigned seed = 0;
  Str held;
  std::atomic<bool> holding{false};
  std::promise<void> released;
  std::mutex mutex;
  std::map<Str, int> listed;

  bool ListFolder(const Str& folder, std::vector<DirEntry>& entries) override {
    if (folder == held) holding = true, released.get_future().wait();
    if (seed != 0) std::this_thread::sleep_for(std::chrono::microseconds((std::hash<Str>{}(folder) ^ seed) % 1500));
    const std::lock_guard<std::mutex> lock(mutex);
    ++listed[folder];
    return MemoryFileSystem::ListFolder(folder, entries);
  }
};

// Workers of ended searches are let go, not joined: waits for all but
// `alive` of them to end; false when they have not within a generous time.
bool WorkersEndUntil(int alive) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ReadAheadFileSystem::WorkersAlive() > alive && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  return ReadAheadFileSystem::WorkersAlive() <= alive;
}

// A random tree: files and folders mixed, some folders that cannot be listed,
// some links, some files that cannot be measured.
void AddRandomFolder(MemoryFileSystem& fs, std::mt19937& random, const Str& path, int depth) {
  auto chance = [&random](unsigned percent) { return random() % 100 < percent; };
  for (int i = 0, n = static_cast<int>(random() % 6); i < n; ++i) {
    const Str name = path + u"\\e" + DecimalText(i);
    if (depth == 4 || !chance(45)) {
      fs.AddFile(name, random() % 5000);
      if (chance(2)) fs.FailLength(name);
    } else if (chance(6)) {
      fs.AddFolder(name, kAttrDirectory | kAttrReparsePoint, 0xA000000C);
    } else {
      fs.AddFolder(name);
      if (chance(7)) fs.FailListing(name);
      AddRandomFolder(fs, random, name, depth + 1);
    }
  }
}

// Every status text, the rows with all their sub-items, what could not be
// read and the flags, of a search of C:\R listed with `workers` (0: on the
// window's thread) and stopped at the `stopAt`-th progress report (0: never).
std::vector<Str> Search(WorkerDisk& disk, unsigned workers, int stopAt) {
  disk.listed.clear();
  FakeFormView view;
  Form1 form{view, disk};
  form.ListOnWorkers(workers);
  int reports = 0;
  view.onStatus = [&](const Str& text) {
    if (text.find(u"Bytes in ") != Str::npos && ++reports == stopAt) view.Post([&form] { form.Command1_Click(); });
  };
  view.text1 = u"C:\\R";
  form.Command1_Click();

  std::vector<Str> shown = view.statusHistory;
  shown.push_back(view.status2);
  for (int i = 1; i <= form.ListView1().Count(); ++i) {
    for (int k = 1; k <= kSubItemCount; ++k) shown.push_back(form.ListView1().SubItem(i, k));
  }
  for (const Str& path : form.Unreadables().Paths()) shown.push_back(path);
  EXPECT_TRUE(WorkersEndUntil(0));  // those still listing ahead
  for (const auto& [folder, times] : disk.listed) EXPECT_EQ(times, 1) << ToUtf8(folder) << " listed again";
  return shown;
}

TEST(ReadAheadSearch, ShowsExactlyWhatListingOnTheWindowsThreadShows) {
  for (unsigned seed = 1; seed <= 80; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    WorkerDisk disk;
    disk.AddFolder(u"C:\\R");
    AddRandomFolder(disk, random, u"C:\\R", 0);
    // Every fourth search is stopped at some progress report.
    const int stopAt = seed % 4 == 0 ? 1 + static_cast<int>(random() % 12) : 0;
    const std::vector<Str> serial = Search(disk, 0, stopAt);
    disk.seed = seed;
    EXPECT_EQ(Search(disk, 1 + seed % 4, stopAt), serial);
  }
}

// A listing that never returns: the window runs while it waits, Cancel ends
// the run, and neither the run's end nor the window's going waits for the
// blocked worker.
TEST(ReadAheadSearch, AListingThatNeverReturnsHoldsUpNeitherTheWindowNorTheExit) {
  WorkerDisk disk;
  for (const char16_t* name : {u"C:\\R\\A\\f", u"C:\\R\\B\\f", u"C:\\R\\C\\f"}) disk.AddFile(name, 7);
  disk.held = u"C:\\R\\B\\";
  {
    FakeFormView view;
    Form1 form{view, disk};
    form.ListOnWorkers(2);
    // Cancel is pressed in a pass of the window while it waits for B, after
    // A's row.
    int restsBefore = 0;
    bool pressed = false;
    view.onPump = [&](int) {
      const bool waiting = view.rests > restsBefore;
      restsBefore = view.rests;
      if (waiting && form.ListView1().Count() == 1 && disk.holding && !pressed) {
        pressed = true;
        view.Post([&form] { form.Command1_Click(); });
      }
    };
    view.text1 = u"C:\\R";
    form.Command1_Click();
    EXPECT_EQ(view.status, u"Search is Canceld By User.");
    EXPECT_EQ(form.ListView1().Count(), 1);
    EXPECT_EQ(view.caption, u"Search");
  }
  EXPECT_TRUE(disk.holding);
  EXPECT_TRUE(WorkersEndUntil(1));
  disk.released.set_value();
  EXPECT_TRUE(WorkersEndUntil(0));
}

}  // namespace
}  // namespace tarnwick::testing
