#include "list/ColumnWidths.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarnwick {

int WidestColumnText(const ListModel& rows, int column, const std::function<int(StrView)>& measure) {
  std::vector<std::pair<size_t, int>> lengths;  // a text's weighted length, its row
  lengths.reserve(static_cast<size_t>(rows.Count()));
  for (int i = 1; i <= rows.Count(); ++i) {
    const Str text = rows.CellText(i, column);
    size_t length = text.size();
    for (const char16_t c : text) length += c >= 0x0300 ? 1 : 0;
    lengths.emplace_back(length, i);
  }
  const size_t kept = std::min(lengths.size(), column == 0 ? kMeasuredNames : kMeasuredNumbers);
  std::partial_sort(lengths.begin(), lengths.begin() + static_cast<std::ptrdiff_t>(kept), lengths.end(),
                    [](const auto& a, const auto& b) { return a.first > b.first; });
  int widest = 0;
  for (size_t j = 0; j < kept; ++j) widest = std::max(widest, measure(rows.CellText(lengths[j].second, column)));
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
