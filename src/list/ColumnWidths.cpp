#include "list/ColumnWidths.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {

// How a row ranks for the column: the longer its text may be, the higher.
double Rank(const ListModel& rows, int position, int column) {
  if (column == 0) {
    const Str text = rows.CellText(position, 0);
    size_t length = text.size();
    for (const char16_t c : text) length += c >= 0x0300 ? 1 : 0;
    return static_cast<double>(length);
  }
  const RowFacts& facts = rows.Facts(position);
  return column == kSubFiles ? facts.files : column == kSubFolders ? facts.folders : facts.size;
}

// The positions of the `kept` rows that rank highest for the column, in one
// pass that keeps only the best so far: most rows are passed over with one
// comparison, which matters when a list of 100,000 rows is fitted at the
// end of a search.
std::vector<int> HighestRanked(const ListModel& rows, int column, size_t kept) {
  std::vector<std::pair<double, int>> best;  // a row's rank, its position; highest first
  best.reserve(kept + 1);
  for (int i = 1; i <= rows.Count() && kept > 0; ++i) {
    const double rank = Rank(rows, i, column);
    if (best.size() == kept && !(rank > best.back().first)) continue;
    const auto at = std::upper_bound(best.begin(), best.end(), rank,
                                     [](double value, const std::pair<double, int>& row) { return value > row.first; });
    best.insert(at, {rank, i});
    if (best.size() > kept) best.pop_back();
  }
  std::vector<int> positions;
  for (const auto& row : best) positions.push_back(row.second);
  return positions;
}

}  // namespace

int WidestColumnText(const ListModel& rows, int column, const std::function<int(StrView)>& measure) {
  int widest = 0;
  for (const int position : HighestRanked(rows, column, column == 0 ? kMeasuredNames : kMeasuredNumbers)) {
    widest = std::max(widest, measure(rows.CellText(position, column)));
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
