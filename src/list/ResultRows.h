#pragma once
// What a result row shows: the texts of its sub-items made from a path and its
// totals, the size in the chosen unit and the name or path shown in the first
// column, and the composite sort key. Form1's row handlers put these together.
#include <cstdint>

#include "base/Text.h"
#include "list/ListModel.h"
#include "list/NumberFormat.h"

namespace tarnwick {

// The last component of a row's path. Only a trailing backslash is dropped,
// so that a path given without one does not lose the last letter of its name.
StrView BareName(StrView st);

// Appends the text of sub-item k (2 to 10) of a row made from `facts`:
// sizes, counts, their padded forms, name, path, kind. Nothing for others.
void AppendFactText(const RowFacts& facts, int k, StrView thousands, Str& out);

// The number that padded sub-item k (5, 8 or 9) of a row made from `facts`
// shows, when its text is exactly thirty digits: two such texts compare as
// their numbers do.
bool PaddedFact(const RowFacts& facts, int k, double& value);

// Appends the row of a path and its totals: sub-items 2 to 10 follow from
// them. Returns its position.
int AppendResultRow(ListModel& rows, const Str& st, double Si, double Co, double DC, std::int32_t Image);

// The size in the unit of the selected button (0 GB, 1 MB, 2 KB) and the
// row's text: its full path or its bare name.
void RenderRow(ListModel& rows, int position, int selectedUnit, bool fullPath, StrView decimal);

// The composite keys of the rows: a digit that keeps folder rows above
// root-file rows in either direction, followed by the text of the key column.
// Keeps what the keys were last built from, so that a rebuild visits only the
// rows whose keys can have changed: those appended or changed since, or all
// of them when the key column or the direction is another.
class SortKeys {
 public:
  void Rebuild(ListModel& rows, std::int32_t sortColumn);

 private:
  std::int32_t column_ = -1;  // none built yet
  int order_ = -1;
};

}  // namespace tarnwick
