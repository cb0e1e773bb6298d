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

}  // namespace

int WidestColumnText(const ListModel& rows, int column, const std::function<int(StrView)>& measure) {
  std::vector<std::pair<double, int>> ranks;  // a row's rank, its position
  ranks.reserve(static_cast<size_t>(rows.Count()));
  for (int i = 1; i <= rows.Count(); ++i) ranks.emplace_back(Rank(rows, i, column), i);
  const size_t kept = std::min(ranks.size(), column == 0 ? kMeasuredNames : kMeasuredNumbers);
  std::partial_sort(ranks.begin(), ranks.begin() + static_cast<std::ptrdiff_t>(kept), ranks.end(),
                    [](const auto& a, const auto& b) { return a.first > b.first; });
  int widest = 0;
  for (size_t j = 0; j < kept; ++j) widest = std::max(widest, measure(rows.CellText(ranks[j].second, column)));
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
