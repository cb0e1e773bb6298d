#include "app/CancelPeriods.h"

namespace tarnwick {

void CancelPeriods::Began(std::uint64_t at) {
  if (!open_) open_ = at;
}

void CancelPeriods::Ended(std::uint64_t at) {
  if (!open_) return;
  ended_.push_back(Period{*open_, at});
  open_.reset();
  if (ended_.size() > kKept) ended_.pop_front();
}

bool CancelPeriods::Covers(std::uint64_t madeAt) const {
  if (CoversCurrent(madeAt)) return true;
  for (const Period& p : ended_) {
    // A press made in the very millisecond the button turned back cannot be
    // told apart from one made just before; it is taken as a stop.
    if (madeAt >= p.from && madeAt <= p.until) return true;
  }
  return false;
}

}  // namespace tarnwick
