#pragma once
// When the button Command1 read "Cancel". A press of the button is dated by
// the input that made it, and it may be handled much later: input made while
// a search keeps the window waiting is handled when the window next answers,
// which can be after the search has ended and the button reads "Search"
// again. A press made while the button read "Cancel" asked for a stop; it
// must never start a search.
#include <cstdint>
#include <deque>
#include <optional>

namespace tarnwick {

class CancelPeriods {
 public:
  // The button turned to "Cancel", or back to "Search", at `at`.
  void Began(std::uint64_t at);
  void Ended(std::uint64_t at);

  // Whether the button read "Cancel" at `madeAt`.
  bool Covers(std::uint64_t madeAt) const;
  // Whether it reads "Cancel" now and has since `madeAt`.
  bool CoversCurrent(std::uint64_t madeAt) const { return open_ && madeAt >= *open_; }

 private:
  struct Period {
    std::uint64_t from;
    std::uint64_t until;
  };
  // Only the latest periods can hold input still waiting: a period ends only
  // where the window is about to answer again, except for the go-up search
  // that follows another at once.
  static constexpr size_t kKept = 16;
  std::deque<Period> ended_;
  std::optional<std::uint64_t> open_;
};

}  // namespace tarnwick
