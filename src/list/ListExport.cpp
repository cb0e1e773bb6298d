#include "list/ListExport.h"

#include <cmath>

#include "list/NumberFormat.h"
#include "list/ResultColumns.h"
#include "list/TimeText.h"

namespace tarnwick {

Str EntryPath(const ListModel& rows, int position) {
  const RowFactsView& facts = rows.Facts(position);
  Str path(facts.path);
  if (facts.kind == kRootFileRow && !path.empty() && path.back() == u'\\') path.pop_back();
  return path;
}

Str RowsAsTable(const ListModel& rows) {
  Str out;
  for (const CopiedColumn& copied : kCopiedColumns) {
    if (!out.empty()) out += u'\t';
    out += copied.caption;
  }
  out += u"\r\n";
  for (int i = 1; i <= rows.Count(); ++i) {
    // Numbers as plain digits, exact; the path names the entry; times in
    // ISO 8601, UTC, as any spreadsheet reads them.
    for (const CopiedColumn& copied : kCopiedColumns) {
      if (&copied != &kCopiedColumns.front()) out += u'\t';
      const auto number = kListView1Columns[static_cast<size_t>(copied.column)].number;
      if (copied.column == kSubFullPath) {
        out += EntryPath(rows, i);
      } else if (ColumnIsTime(copied.column)) {
        out += IsoUtcText(rows.Facts(i).totals.lastWrite);
      } else if (number != nullptr) {
        out += PlainNumber(std::round(number(rows.Facts(i))));
      } else {
        out += rows.SubItem(i, copied.column);
      }
    }
    out += u"\r\n";
  }
  return out;
}

}  // namespace tarnwick
