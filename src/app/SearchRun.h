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
    Idle,          // no run
    CheckingRoot,  // the press was taken: its root is being checked, and a stop abandons the check
    Starting,      // the root passed: the list is emptied, the scanner made
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
  bool CheckingRoot() const { return phase_ == Phase::CheckingRoot; }
  bool AddingRootFiles() const { return phase_ == Phase::RootFiles; }
  bool CancelRequested() const { return cancelRequested_; }
  bool UnloadPending() const { return unloadPending_; }
  bool UpPending() const { return upPending_; }

  // --- The run's life ---
  // A press in the start role begins a run with the check of its root: no
  // stop asked for yet, no totals. Every question the run asks goes to
  // `disk` (with `workers` > 0: through that many worker threads, the
  // window's thread waiting through `wait`). Ended() when its closing steps
  // clear it, or once the press is done with it, however it ended.
  void Started(FileSystem& disk, unsigned workers, ListingWait& wait);
  void Ended();
  // What the run asks the disk through while it is busy.
  FileSystem& Disk() { return runDisk_ ? static_cast<FileSystem&>(*runDisk_) : *disk_; }
  // The root passed its check: the run proper begins.
  void RootPassed() { phase_ = Phase::Starting; }
  // The scanner, listing through Disk().
  void MakeScanner(GFCEvents* events);
  GFC& GF() { return *gf_; }
  bool HasScanner() const { return gf_ != nullptr; }
  // Lets the scanner and the run's workers go (a worker held by the disk
  // ends when the disk lets it go).
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

  // --- A stop press's check of the text, made during the run ---
  void BeginPressCheck() { pressCheck_.emplace(PressCheck{clock_.Milliseconds(), false}); }
  // Whether the wait for the check was given up.
  bool EndPressCheck();
  bool CheckingPress() const { return pressCheck_.has_value(); }
  // Whether the window's thread stops waiting for a worker: the run (or
  // the check of its root) was asked to stop; or, while a stop press is
  // checked, the window was closed, or the check takes longer than the user
  // would wait for the button.
  bool GivesUpWaiting();
  // Whether the question just asked was given up by the wait.
  bool GaveUp() const { return pressCheck_ ? pressCheck_->gaveUp : cancelRequested_; }

 private:
  // The run's root passed its check when the run began: a probe the disk
  // does not answer within this time does not hold up a stop.
  static constexpr std::uint64_t kStopCheckMs = 20;
  struct PressCheck {
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
  std::optional<PressCheck> pressCheck_;
  FolderTotals totals_;
  FileSystem* disk_ = nullptr;
  // What the run asks through when it asks on workers; it goes after the
  // scanner.
  std::unique_ptr<ReadAheadFileSystem> runDisk_;
  std::unique_ptr<GFC> gf_;
};

}  // namespace tarnwick
