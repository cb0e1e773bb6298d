#include "app/SearchRun.h"

#include <utility>

namespace tarnwick {

void SearchRun::Ended() {
  phase_ = Phase::Idle;
  // A header click held by a run that failed among its root files has
  // nothing left to wait for: its choice stands for the next sort.
  sortWaiting_ = false;
}

void SearchRun::Started(FileSystem& disk, unsigned workers, ListingWait& wait) {
  ReleaseScanner();
  phase_ = Phase::CheckingRoot;
  cancelRequested_ = false;
  sortWaiting_ = false;
  totals_ = FolderTotals{};
  disk_ = &disk;
  if (workers > 0) runDisk_ = std::make_unique<ReadAheadFileSystem>(disk, wait, workers);
}

void SearchRun::MakeScanner(GFCEvents* events) {
  gf_.reset();
  gf_ = std::make_unique<GFC>(Disk(), events);
}

void SearchRun::ReleaseScanner() {
  gf_.reset();
  runDisk_.reset();
}

bool SearchRun::EndRootFiles() {
  phase_ = Phase::Folders;
  return std::exchange(sortWaiting_, false);
}

void SearchRun::RequestClose() {
  cancelRequested_ = true;
  unloadPending_ = true;
}

bool SearchRun::TakeUpRequest() { return std::exchange(upPending_, false); }

Str SearchRun::TakePlaceAfterRun() { return std::exchange(placeAfterRun_, Str()); }

bool SearchRun::EndPressCheck() {
  const bool gaveUp = pressCheck_ && pressCheck_->gaveUp;
  pressCheck_.reset();
  return gaveUp;
}

bool SearchRun::GivesUpWaiting() {
  if (!pressCheck_) return cancelRequested_;
  const bool closed = unloadPending_;
  const bool stopHeldUp = clock_.Milliseconds() - pressCheck_->began >= kStopCheckMs;
  if (closed || stopHeldUp) pressCheck_->gaveUp = true;
  return pressCheck_->gaveUp;
}

}  // namespace tarnwick
