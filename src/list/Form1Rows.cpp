// The rows of the result list: adding a finished row, re-rendering every row
// after a display setting changed, and rebuilding the composite sort keys.
#include "app/Form1.h"
#include "list/Module1.h"
#include "list/NumberFormat.h"

namespace tarnwick {
namespace {

// Sub-items of a result row.
constexpr int kSimpleSize = 1;
constexpr int kSize = 2;
constexpr int kFiles = 3;
constexpr int kFolders = 4;
constexpr int kPaddedSize = 5;
constexpr int kBareName = 6;
constexpr int kFullPath = 7;
constexpr int kPaddedFiles = 8;
constexpr int kPaddedFolders = 9;
constexpr int kKind = 10;
constexpr int kCompositeKey = 11;

// The last component of a row's path. Only a trailing backslash is dropped,
// so that a path given without one does not lose the last letter of its name.
Str BareName(const Str& st) {
  StrView rest(st);
  if (!rest.empty() && rest.back() == u'\\') rest.remove_suffix(1);
  const size_t slash = rest.rfind(u'\\');
  return Str(slash == StrView::npos ? rest : rest.substr(slash + 1));
}

// What a row's composite key was built from: the key column, the direction
// and the count of the row's sub-item changes at that moment. While all three
// are the same the key would come out the same, so it need not be rebuilt;
// this keeps adding one row to n rows from costing n key texts. A key built
// from itself changes on every rebuild, and settings too wide to pack are
// never trusted: both give 0, which no row holds after a rebuild.
std::uint64_t KeyStamp(std::int32_t column, int order, std::uint32_t changes) {
  if (column < 0 || column > 0xFFFF || column == kCompositeKey || order < 0 || order > 0x7F) return 0;
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

void Form1::AddList(const Str& st, double Si, double Co, double DC, std::int32_t Image) {
  list_.SetSorted(false);
  const int i = list_.Append(st, Image);
  list_.SetSubItem(i, kSize, GroupedNumber(Si, separators_.thousands));
  list_.SetSubItem(i, kFiles, PlainNumber(Co));
  list_.SetSubItem(i, kFolders, PlainNumber(DC));
  list_.SetSubItem(i, kPaddedSize, PaddedNumber(Si));
  list_.SetSubItem(i, kPaddedFiles, PaddedNumber(Co));
  list_.SetSubItem(i, kPaddedFolders, PaddedNumber(DC));
  list_.SetSubItem(i, kFullPath, st);
  list_.SetSubItem(i, kBareName, BareName(st));
  list_.SetSubItem(i, kKind, DecimalText(Image));
  SetSimpleSize(i);
  // Root-file rows stay in listing order and keep the window waiting; each
  // folder row leaves the whole list keyed and sorted before the window may
  // handle what the user did meanwhile.
  if (AddingRootFiles == 0) {
    SortAdd();
    list_.SetSorted(true);
    view_.PumpMessages();
  }
}

void Form1::ReDraw() {
  const int n = list_.Count();
  for (int i = 1; i <= n; ++i) SetSimpleSize(i);
}

void Form1::SortAdd() {
  if (AddingRootFiles != 0) {
    AddingRootFiles = 0;
    return;
  }
  const int n = list_.Count();
  for (int i = 1; i <= n; ++i) {
    const int o = list_.SortOrder();
    const std::uint64_t stamp = KeyStamp(SortColumn, o, list_.SubItemChanges(i));
    if (stamp != 0 && list_.RowData(i) == stamp) continue;
    // The prefix puts folder rows (kind 1) before root-file rows (kind 2) in
    // both directions: 6 before 7 ascending, 4 before 3 descending.
    const double kind = ReadNumber(list_.SubItem(i, kKind));
    Str key = PlainNumber((1 - 2.0 * o) * kind + 5) + list_.SubItem(i, SortColumn);
    list_.SetSubItem(i, kCompositeKey, std::move(key));
    list_.SetRowData(i, KeyStamp(SortColumn, o, list_.SubItemChanges(i)));
  }
}

void Form1::SetSimpleSize(int Index) {
  const SizeUnit unit = UnitFor(view_.SelectedUnit());
  const double v = ReadNumber(list_.SubItem(Index, kPaddedSize));
  list_.SetSubItem(Index, kSimpleSize, OneDecimalDown(v, unit.divisor, separators_.decimal) + unit.suffix);
  list_.SetText(Index, list_.SubItem(Index, view_.FullPathChecked() ? kFullPath : kBareName));
}

void Form1::Check1_Click() { ReDraw(); }

void Form1::Option1_Click(int) { ReDraw(); }

}  // namespace tarnwick
