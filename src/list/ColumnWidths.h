#pragma once
// How wide the shown columns of ListView1 are (kShownColumns, in their
// order). No number or time is cut off: such a column is as wide as its
// widest text, never narrower than designed. The name column takes whatever room the list has beyond the
// others, never less than designed, and gives it back as the list narrows;
// while it shows full paths it also widens to its widest path, up to the
// list's whole width.
#include <array>
#include <functional>

#include "base/Text.h"
#include "list/ListModel.h"

namespace tarnwick {

inline constexpr int kVisibleColumns = static_cast<int>(kShownColumns.size());
using ColumnPixels = std::array<int, kVisibleColumns>;

// The width in pixels of the widest text of each shown column (the first,
// the name, only when `names`), as `measure` gives it; 0 with no rows. Only
// the longest texts are measured, so that a list of 100,000 rows costs a few
// hundred measurements: of a column that ranks its rows by a number, the
// texts of the kMeasuredNumbers largest numbers (a larger number never has a
// shorter text, and digits are of one width in the fonts of lists); of the
// others, the kMeasuredNames longest texts, a character beyond Latin counting
// twice (such glyphs are about twice as wide). The rows are read in one walk
// for all the columns.
inline constexpr size_t kMeasuredNumbers = 8;
inline constexpr size_t kMeasuredNames = 256;
ColumnPixels WidestColumnTexts(const ListModel& rows, bool names, const std::function<int(StrView)>& measure);

// The widths, from the design widths and the widest texts (margins
// included), for a list `listWidth` pixels wide inside its frame.
ColumnPixels FitColumns(const ColumnPixels& design, const ColumnPixels& widest, int listWidth, bool fullPath);

}  // namespace tarnwick
