#include "list/ColumnWidths.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {

// How a row ranks for the name column: the longer its text may be, the
// higher.
double NameRank(StrView text) {
  size_t length = text.size();
  for (const char16_t c : text) length += c >= 0x0300 ? 1 : 0;
  return static_cast<double>(length);
}

// How a row ranks for a shown column: by the column's number, else by how
// long its text may be.
double Rank(const ListModel& rows, std::uint32_t row, const RowFactsView& facts, int column) {
  const ColumnDesign& design = kListView1Columns[static_cast<size_t>(column)];
  if (design.number != nullptr) return design.number(facts);
  return column == 0 ? NameRank(rows.TextOfRow(row)) : NameRank(rows.CellTextOfRow(row, column));
}

// The `kept` rows that rank highest so far, highest first. Most rows are
// passed over with one comparison, which matters when a list of 100,000
// rows is fitted at the end of a search. Of rows that rank alike the
// earliest added are kept, whatever order the list shows.
class HighestRanked {
 public:
  explicit HighestRanked(size_t kept) : kept_(kept) { best_.reserve(kept + 1); }
  bool Measures() const { return kept_ > 0; }

  void Offer(double rank, std::uint32_t row) {
    if (kept_ == 0 || (best_.size() == kept_ && !(rank > best_.back().first))) return;
    const auto at = std::upper_bound(best_.begin(), best_.end(), rank,
                                     [](double value, const std::pair<double, std::uint32_t>& r) { return value > r.first; });
    best_.insert(at, {rank, row});
    if (best_.size() > kept_) best_.pop_back();
  }

  int WidestText(const ListModel& rows, int column, const std::function<int(StrView)>& measure) const {
    int widest = 0;
    for (const auto& r : best_) widest = std::max(widest, measure(rows.CellTextOfRow(r.second, column)));
    return widest;
  }

 private:
  size_t kept_;
  std::vector<std::pair<double, std::uint32_t>> best_;  // a row's rank, its number
};

// The widest text a time column can show: the user's format of a time whose
// month, day and (in either half of the day) hour all take two digits, at
// every hour of a day, as it is local time somewhere then. No row is read.
int WidestTimeText(const ListModel& rows, int column, const std::function<int(StrView)>& measure) {
  // 2000-12-20 00:00 UTC, in 100 ns ticks since 1601.
  constexpr std::uint64_t kDecember20 = 126217440000000000;
  constexpr std::uint64_t kHour = 36000000000;
  int widest = 0;
  RowFactsView sample{};
  for (std::uint64_t hour = 0; hour < 24; ++hour) {
    sample.totals.lastWrite = kDecember20 + hour * kHour;
    widest = std::max(widest, measure(rows.CellTextOfFacts(sample, column)));
  }
  return widest;
}

}  // namespace

ColumnPixels WidestColumnTexts(const ListModel& rows, bool names, const std::function<int(StrView)>& measure) {
  std::vector<HighestRanked> ranked;
  for (int k = 0; k < kVisibleColumns; ++k) {
    const bool byNumber = kListView1Columns[static_cast<size_t>(kShownColumns[k])].number != nullptr;
    const bool unranked = (k == 0 && !names) || ColumnIsTime(kShownColumns[k]);
    ranked.emplace_back(unranked ? 0 : byNumber ? kMeasuredNumbers : kMeasuredNames);
  }
  for (std::uint32_t row = 0; row < rows.RowCount(); ++row) {
    for (int k = 0; k < kVisibleColumns; ++k) {
      if (ranked[k].Measures()) ranked[k].Offer(Rank(rows, row, rows.FactsOfRow(row), kShownColumns[k]), row);
    }
  }
  ColumnPixels widest{};
  for (int k = 0; k < kVisibleColumns; ++k) {
    const int column = kShownColumns[k];
    widest[k] = ColumnIsTime(column) && rows.RowCount() > 0 ? WidestTimeText(rows, column, measure)
                                                             : ranked[k].WidestText(rows, column, measure);
  }
  return widest;
}

ColumnPixels FitColumns(const ColumnPixels& design, const ColumnPixels& widest, int listWidth, bool fullPath) {
  ColumnPixels widths{};
  int others = 0;
  for (int k = 1; k < kVisibleColumns; ++k) {
    widths[k] = std::max(design[k], widest[k]);
    others += widths[k];
  }
  int name = std::max(design[0], listWidth - others);
  if (fullPath) name = std::max(name, std::min(widest[0], listWidth));
  widths[0] = name;
  return widths;
}

}  // namespace tarnwick
