#pragma once
// What a list view showing the rows has not caught up with yet, and when it
// should. Telling a list view a new row count, or repainting the rows in
// view, can cost several milliseconds, while a search may add a row every
// fraction of one. So the changes are gathered and the view catches up at
// once when it has been quiet for an interval, otherwise when the interval
// since its last catch-up ends: at most once per interval, never later than
// one interval after a change. A catch-up that took long stretches the
// interval that follows it.
#include <algorithm>
#include <cstdint>
#include <optional>

namespace tarnwick {

class ListRefresh {
 public:
  static constexpr std::uint64_t kIntervalMs = 100;

  explicit ListRefresh(std::uint64_t intervalMs = kIntervalMs) : interval_(intervalMs) {}

  // What changed, in 1-based positions of the current order.
  void RowsStale(int first, int last);  // the rows from first to last, either order
  void AllRowsStale();
  void CountStale() { count_ = true; }
  void SelectionStale() { selection_ = true; }
  // The view was emptied together with the rows: nothing it shows is stale.
  void Reset();

  bool Pending() const { return count_ || selection_ || HasStaleRows(); }

  // Milliseconds from `nowMs` until the view should catch up; 0: now.
  std::uint64_t DelayAt(std::uint64_t nowMs) const;

  struct Work {
    bool count = false;      // tell the view the row count
    bool selection = false;  // show the selected row again
    int first = 1;           // repaint positions first..last;
    int last = 0;            // none when last < first
    bool Repaint() const { return first <= last; }
  };
  // The catch-up at `nowMs`, given the positions in view: what the view must
  // do. Rows out of view need no repaint, they are drawn afresh when they
  // come into view. Everything gathered is then forgotten.
  Work CatchUp(std::uint64_t nowMs, int firstVisible, int lastVisible);

  // How long the last catch-up took. The next one waits at least
  // kCostFactor times as long, so that a view that is slow to catch up (a
  // list view told of tens of thousands of rows) never takes more than a
  // small share of the time, however many rows keep coming.
  static constexpr std::uint64_t kCostFactor = 10;
  void CatchUpTook(std::uint64_t ms) { wait_ = std::max(interval_, ms * kCostFactor); }

 private:
  bool HasStaleRows() const { return staleFirst_ <= staleLast_; }

  std::uint64_t interval_;
  std::uint64_t wait_ = interval_;  // from the last catch-up to the next
  std::optional<std::uint64_t> lastCatchUp_;
  bool count_ = false;
  bool selection_ = false;
  // One span that covers every stale row: repainting a few rows too many
  // costs little next to a repaint per change.
  int staleFirst_ = 1;
  int staleLast_ = 0;
};

}  // namespace tarnwick
