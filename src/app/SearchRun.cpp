#include "app/SearchRun.h"

#include <utility>

namespace tarnwick {

void SearchRun::Ended() {
  phase_ = Phase::Idle;
  // A header click held by a run that failed among its root files has
  // nothing left to wait for: its choice stands for the next sort.
  sortWaiting_ = false;
}

void SearchRun::Started() {
  phase_ = Phase::Starting;
  cancelRequested_ = false;
  sortWaiting_ = false;
  totals_ = FolderTotals{};
}

void SearchRun::MakeScanner(FileSystem& disk, unsigned workers, ListingWait& wait, GFCEvents* events) {
  ReleaseScanner();
  if (workers > 0) runDisk_ = std::make_unique<ReadAheadFileSystem>(disk, wait, workers);
  gf_ = std::make_unique<GFC>(runDisk_ ? static_cast<FileSystem&>(*runDisk_) : disk, events);
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

bool SearchRun::EndRootCheck() {
  const bool gaveUp = rootCheck_ && rootCheck_->gaveUp;
  rootCheck_.reset();
  return gaveUp;
}

bool SearchRun::GivesUpWaiting() {
  if (!rootCheck_) return cancelRequested_;
  const bool closed = unloadPending_;
  const bool stopHeldUp = Busy() && clock_.Milliseconds() - rootCheck_->began >= kStopCheckMs;
  if (closed || stopHeldUp) rootCheck_->gaveUp = true;
  return rootCheck_->gaveUp;
}

}  // namespace tarnwick
