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
Str BareName(StrView st);

// Writes every sub-item of the row at `position` except the simplified size
// and the composite key: sizes, counts, their padded forms, name, path, kind.
void FillRow(ListModel& rows, int position, const Str& st, double Si, double Co, double DC, std::int32_t Image,
             const NumberSeparators& separators);

// The size in the unit of the selected button (0 GB, 1 MB, 2 KB) and the
// row's text: its full path or its bare name.
void RenderRow(ListModel& rows, int position, int selectedUnit, bool fullPath, StrView decimal);

// Rebuilds the composite key of every row whose key could have changed: a
// digit that keeps folder rows above root-file rows in either direction,
// followed by the text of sub-item `sortColumn`.
void RebuildSortKeys(ListModel& rows, std::int32_t sortColumn);

}  // namespace tarnwick
