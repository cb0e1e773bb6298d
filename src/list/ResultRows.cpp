#include "list/ResultRows.h"

#include <cmath>

#include "list/ResultColumns.h"

namespace tarnwick {
namespace {

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

void BuildKey(ListModel& rows, int i, std::int32_t sortColumn, int o) {
  // The prefix puts folder rows (kind 1) before root-file rows (kind 2) in
  // both directions: 6 before 7 ascending, 4 before 3 descending.
  const double kind = ReadNumber(rows.SubItem(i, kSubKind));
  const Str prefix = PlainNumber((1 - 2.0 * o) * kind + 5);
  if (prefix.size() == 1) {
    rows.SetKeyFrom(i, prefix.front(), sortColumn);
  } else {
    rows.SetSubItem(i, kSubCompositeKey, prefix + rows.SubItem(i, sortColumn));
  }
}

}  // namespace

StrView BareName(StrView st) {
  if (!st.empty() && st.back() == u'\\') st.remove_suffix(1);
  const size_t slash = st.rfind(u'\\');
  return slash == StrView::npos ? st : st.substr(slash + 1);
}

void AppendFactText(const RowFacts& facts, int k, StrView thousands, Str& out) {
  switch (k) {
    case kSubSize:
      out += GroupedNumber(facts.size, thousands);
      break;
    case kSubFiles:
      out += PlainNumber(facts.files);
      break;
    case kSubFolders:
      out += PlainNumber(facts.folders);
      break;
    case kSubPaddedSize:
      out += PaddedNumber(facts.size);
      break;
    case kSubBareName:
      out += BareName(facts.path);
      break;
    case kSubFullPath:
      out += facts.path;
      break;
    case kSubPaddedFiles:
      out += PaddedNumber(facts.files);
      break;
    case kSubPaddedFolders:
      out += PaddedNumber(facts.folders);
      break;
    case kSubKind:
      out += DecimalText(facts.kind);
      break;
  }
}

bool PaddedFact(const RowFacts& facts, int k, double& value) {
  const double raw = k == kSubPaddedSize      ? facts.size
                     : k == kSubPaddedFiles   ? facts.files
                     : k == kSubPaddedFolders ? facts.folders
                                              : -1;
  // PaddedNumber rounds to whole; from 10^30 on the text is longer.
  const double whole = std::round(raw);
  if (!(whole >= 0 && whole < 1e30)) return false;
  value = whole + 0.0;  // no negative zero
  return true;
}

int AppendResultRow(ListModel& rows, const Str& st, double Si, double Co, double DC, std::int32_t Image) {
  return rows.AppendRow(RowFacts{st, Si, Co, DC, Image});
}

void RenderRow(ListModel& rows, int i, int selectedUnit, bool fullPath, StrView decimal) {
  const SizeUnit unit = UnitFor(selectedUnit);
  const double v = ReadNumber(rows.SubItem(i, kSubPaddedSize));
  rows.SetSubItem(i, kSubSimpleSize, OneDecimalDown(v, unit.divisor, decimal) + unit.suffix);
  rows.SetText(i, rows.SubItem(i, fullPath ? kSubFullPath : kSubBareName));
}

void SortKeys::Rebuild(ListModel& rows, std::int32_t sortColumn) {
  const int o = rows.SortOrder();
  // A key built from itself is another text at every rebuild.
  const bool sameRule = sortColumn == column_ && o == order_ && sortColumn != kSubCompositeKey;
  if (sameRule) {
    for (const int i : rows.TakeChangedRows()) BuildKey(rows, i, sortColumn, o);
  } else {
    const int n = rows.Count();
    for (int i = 1; i <= n; ++i) BuildKey(rows, i, sortColumn, o);
  }
  // What the keys just written changed is no reason to build them again.
  rows.ForgetChangedRows();
  column_ = sortColumn;
  order_ = o;
}

}  // namespace tarnwick
