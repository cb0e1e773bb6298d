#include "list/ResultRows.h"

#include "list/ResultColumns.h"

namespace tarnwick {
namespace {

// What a row's composite key was built from: the key column, the direction
// and the count of the row's sub-item changes at that moment. While all three
// are the same the key would come out the same, so it need not be rebuilt;
// this keeps adding one row to n rows from costing n key texts. A key built
// from itself changes on every rebuild, and settings too wide to pack are
// never trusted: both give 0, which no row holds after a rebuild.
std::uint64_t KeyStamp(std::int32_t column, int order, std::uint32_t changes) {
  if (column < 0 || column > 0xFFFF || column == kSubCompositeKey || order < 0 || order > 0x7F) return 0;
  return (std::uint64_t{1} << 63) | (static_cast<std::uint64_t>(column) << 40) |
         (static_cast<std::uint64_t>(order) << 32) | changes;
}

struct SizeUnit {
  std::uint64_t divisor;
  const char16_t* suffix;
};

// Chosen by the selected button only, never by the size shown.
SizeUnit UnitFor(int selectedButton) {
  if (selectedButton == 0) return {1073741824, u"GB"};
  if (selectedButton == 1) return {1048576, u"MB"};
  return {1024, u"KB"};
}

}  // namespace

Str BareName(StrView st) {
  StrView rest(st);
  if (!rest.empty() && rest.back() == u'\\') rest.remove_suffix(1);
  const size_t slash = rest.rfind(u'\\');
  return Str(slash == StrView::npos ? rest : rest.substr(slash + 1));
}

void FillRow(ListModel& rows, int i, const Str& st, double Si, double Co, double DC, std::int32_t Image,
             const NumberSeparators& separators) {
  rows.SetSubItem(i, kSubSize, GroupedNumber(Si, separators.thousands));
  rows.SetSubItem(i, kSubFiles, PlainNumber(Co));
  rows.SetSubItem(i, kSubFolders, PlainNumber(DC));
  rows.SetSubItem(i, kSubPaddedSize, PaddedNumber(Si));
  rows.SetSubItem(i, kSubPaddedFiles, PaddedNumber(Co));
  rows.SetSubItem(i, kSubPaddedFolders, PaddedNumber(DC));
  rows.SetSubItem(i, kSubFullPath, st);
  rows.SetSubItem(i, kSubBareName, BareName(st));
  rows.SetSubItem(i, kSubKind, DecimalText(Image));
}

void RenderRow(ListModel& rows, int i, int selectedUnit, bool fullPath, StrView decimal) {
  const SizeUnit unit = UnitFor(selectedUnit);
  const double v = ReadNumber(rows.SubItem(i, kSubPaddedSize));
  rows.SetSubItem(i, kSubSimpleSize, OneDecimalDown(v, unit.divisor, decimal) + unit.suffix);
  rows.SetText(i, rows.SubItem(i, fullPath ? kSubFullPath : kSubBareName));
}

void RebuildSortKeys(ListModel& rows, std::int32_t sortColumn) {
  const int n = rows.Count();
  for (int i = 1; i <= n; ++i) {
    const int o = rows.SortOrder();
    const std::uint64_t stamp = KeyStamp(sortColumn, o, rows.SubItemChanges(i));
    if (stamp != 0 && rows.RowData(i) == stamp) continue;
    // The prefix puts folder rows (kind 1) before root-file rows (kind 2) in
    // both directions: 6 before 7 ascending, 4 before 3 descending.
    const double kind = ReadNumber(rows.SubItem(i, kSubKind));
    Str key = PlainNumber((1 - 2.0 * o) * kind + 5) + rows.SubItem(i, sortColumn);
    rows.SetSubItem(i, kSubCompositeKey, std::move(key));
    rows.SetRowData(i, KeyStamp(sortColumn, o, rows.SubItemChanges(i)));
  }
}

}  // namespace tarnwick
