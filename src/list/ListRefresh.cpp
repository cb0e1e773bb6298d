#include "list/ListRefresh.h"

#include <algorithm>
#include <limits>

namespace tarnwick {

void ListRefresh::RowsStale(int first, int last) {
  if (first > last) std::swap(first, last);
  if (last < 1) return;
  first = std::max(first, 1);
  if (HasStaleRows()) {
    staleFirst_ = std::min(staleFirst_, first);
    staleLast_ = std::max(staleLast_, last);
  } else {
    staleFirst_ = first;
    staleLast_ = last;
  }
}

void ListRefresh::AllRowsStale() {
  staleFirst_ = 1;
  staleLast_ = std::numeric_limits<int>::max();
}

void ListRefresh::Reset() {
  count_ = false;
  selection_ = false;
  staleFirst_ = 1;
  staleLast_ = 0;
}

std::uint64_t ListRefresh::DelayAt(std::uint64_t nowMs) const {
  // A clock that went back is taken as a long quiet time.
  if (!lastCatchUp_ || nowMs < *lastCatchUp_) return 0;
  const std::uint64_t elapsed = nowMs - *lastCatchUp_;
  return elapsed >= wait_ ? 0 : wait_ - elapsed;
}

ListRefresh::Work ListRefresh::CatchUp(std::uint64_t nowMs, int firstVisible, int lastVisible) {
  Work work;
  work.count = count_;
  work.selection = selection_;
  if (HasStaleRows()) {
    work.first = std::max(staleFirst_, firstVisible);
    work.last = std::min(staleLast_, lastVisible);
  }
  Reset();
  lastCatchUp_ = nowMs;
  return work;
}

}  // namespace tarnwick
