#pragma once
// One search of the main window, from the press that starts it to its
// closing steps: the scanner it counts with, its totals, the phase it is in
// and what the user asked of it meanwhile (a stop, a go-up, a close, the
// folder to select at its end). The window's handlers run inside the run's
// yields; each asks the run what its phase allows instead of keeping flags
// of its own.
#include <cstdint>
#include <memory>
#include <optional>

#include "base/Clock.h"
#include "base/Text.h"
#include "scan/FileSystem.h"
#include "scan/FolderTotals.h"
#include "scan/GFC.h"
#include "scan/ListingWait.h"
#include "scan/ReadAheadFileSystem.h"

namespace tarnwick {

class SearchRun {
 public:
  enum class Phase {
    Idle,       // no run
    Starting,   // the press was taken: the list is emptied, the scanner made
    RootFiles,  // the root's own files are listed and added as rows
    Folders,    // the subfolders are listed and counted
  };
  explicit SearchRun(Clock& clock) : clock_(clock) {}

  Phase CurrentPhase() const { return phase_; }
  // The window's run-state, read from the run: a run is in progress; its
  // root-file rows are being added (they are neither sorted nor is the
  // window let run between them, and a header click waits for the phase to
  // end); it is to stop; the window was closed during it, or go-up pressed.
  bool Busy() const { return phase_ != Phase::Idle; }
  bool AddingRootFiles() const { return phase_ == Phase::RootFiles; }
  bool CancelRequested() const { return cancelRequested_; }
  bool UnloadPending() const { return unloadPending_; }
  bool UpPending() const { return upPending_; }

  // --- The run's life ---
  // A press in the start role begins a run: no stop asked for yet, no
  // totals. Ended() when its closing steps clear it, or once the press is
  // done with it, however it ended.
  void Started();
  void Ended();
  // The scanner that lists `disk` (with `workers` > 0: through that many
  // worker threads, ahead of it, the window's thread waiting through `wait`).
  void MakeScanner(FileSystem& disk, unsigned workers, ListingWait& wait, GFCEvents* events);
  GFC& GF() { return *gf_; }
  bool HasScanner() const { return gf_ != nullptr; }
  void ReleaseScanner();
  void BeginRootFiles() { phase_ = Phase::RootFiles; }
  // The root-file phase is over, however it ended: true when a header click
  // made during it waits to sort the rows.
  bool EndRootFiles();
  // A subfolder counted to the end adds its tree to the run's totals.
  void Count(const FolderTotals& folder) { totals_.AddFolder(folder); }
  const FolderTotals& RunTotals() const { return totals_; }

  // --- What the user asks for meanwhile ---
  void RequestStop() { cancelRequested_ = true; }
  // The window has gone: the run stops and unloads what is left at its end.
  void RequestClose();
  void RequestUp() { upPending_ = true; }
  // Whether a go-up was asked for, which it then no longer is.
  bool TakeUpRequest();
  // A header click that cannot sort the rows yet sorts them when the phase
  // that holds them ends.
  void SortWhenRootFilesEnd() { sortWaiting_ = true; }
  // The folder a go-up left, selected once the run of its parent ends.
  void SelectAfterRun(Str name) { placeAfterRun_ = std::move(name); }
  Str TakePlaceAfterRun();

  // --- A press's root checked by a worker, before a run or during one ---
  void BeginRootCheck() { rootCheck_.emplace(RootCheck{clock_.Milliseconds(), false}); }
  // Whether the wait for the check was given up.
  bool EndRootCheck();
  bool CheckingRoot() const { return rootCheck_.has_value(); }
  // Whether the window's thread stops waiting for a worker: the run was
  // asked to stop; or, while a root is checked, the window was closed, or a
  // stop press's check of the run's root takes longer than the user would
  // wait for the button.
  bool GivesUpWaiting();

 private:
  // The run's root passed its check when the run began: a probe the disk
  // does not answer within this time does not hold up a stop.
  static constexpr std::uint64_t kStopCheckMs = 20;
  struct RootCheck {
    std::uint64_t began = 0;
    bool gaveUp = false;
  };

  Clock& clock_;
  Phase phase_ = Phase::Idle;
  bool cancelRequested_ = false;
  bool unloadPending_ = false;  // never cleared: the window does not come back
  bool upPending_ = false;
  bool sortWaiting_ = false;
  Str placeAfterRun_;
  std::optional<RootCheck> rootCheck_;
  FolderTotals totals_;
  // What the scanner lists through when folders are listed on workers; it
  // goes after the scanner.
  std::unique_ptr<ReadAheadFileSystem> runDisk_;
  std::unique_ptr<GFC> gf_;
};

}  // namespace tarnwick
