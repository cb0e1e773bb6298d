#pragma once
// What a result row stands for, as a search knew its entry when it added the
// row, and the texts of it that more than one column shows.
#include <cstdint>

#include "base/Text.h"
#include "scan/FolderTotals.h"
#include "scan/Path.h"

namespace tarnwick {

// What a search knows of an entry of the root when it adds its row: its
// path, its totals (a file's own length) and its kind, which is the row's
// small icon too. Every text of the row is made from these, as the table of
// columns (ResultColumns.h) says.
template <class Path>
struct BasicRowFacts {
  Path path;
  FolderTotals totals;
  std::int32_t kind = 0;
};
using RowFacts = BasicRowFacts<Str>;
// The same facts as a row keeps them, its path read where it is stored.
using RowFactsView = BasicRowFacts<StrView>;

// Sub-item 1: the size the padded sub-item 5 shows, in the unit of the
// selected button (0 GB, 1 MB, 2 KB), cut down to one decimal place.
Str SimpleSizeText(double size, int selectedUnit, StrView decimal);

// Sub-item 12: `part` as a share of `whole` in percent, rounded to one
// decimal place, with the mask "0.0%"; "0.0%" when the whole is 0.
Str ShareText(double part, double whole, StrView decimal);
// The part of the whole, from 0 to 1, that the share's bar fills.
double ShareOf(double part, double whole);

// The info tip a row with this overlay explains its mark with; empty for a
// row without a mark to explain.
StrView OverlayTip(std::int32_t overlay);

// The whole info tip of a row: its mark, then what of its "サイズ" takes no
// room on this disk (names of files counted at another name, online-only
// files); empty when there is nothing to say. Numbers grouped with
// `thousands`.
Str RowTip(const RowFactsView& facts, std::int32_t overlay, StrView thousands);

}  // namespace tarnwick
