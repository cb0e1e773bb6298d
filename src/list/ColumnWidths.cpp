#include "list/ColumnWidths.h"

#include <algorithm>

namespace tarnwick {

int WidestColumnText(const ListModel& rows, int column, const std::function<int(StrView)>& measure) {
  const int n = rows.Count();
  if (column == 0) {
    int widest = 0;
    for (int i = 1; i <= n; ++i) widest = std::max(widest, measure(rows.CellText(i, 0)));
    return widest;
  }
  size_t longest = 0;
  for (int i = 1; i <= n; ++i) longest = std::max(longest, rows.CellText(i, column).size());
  int widest = 0;
  for (int i = 1; i <= n; ++i) {
    const Str text = rows.CellText(i, column);
    if (text.size() == longest) widest = std::max(widest, measure(text));
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
