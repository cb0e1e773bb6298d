#pragma once
// The rows of the result list, kept in a row store of our own; the Win32
// list view only shows them. A row keeps the facts its search knew of its
// entry, how it was last rendered (unit, name or path) and its overlay; the
// texts of its sub-items are made from those when they are read. The rows
// stand in a display order, addressed by 1-based position, with at most one
// selected row.
//
// Sorting lives in ListSorting.cpp: SortColumn and the direction that the
// header clicks choose, each row's composite key and the order of the rows.
// While Sorted() is true the rows are in order of their keys; setting Sorted
// to true, or setting SortOrder while sorted, re-sorts. Appending, rendering
// or building keys never re-sorts. Every sort gives the order of a stable
// sort of the current display order: rows with equal keys keep their
// relative order.
#include <array>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "list/NumberFormat.h"
#include "list/ResultColumns.h"
#include "list/ResultRows.h"
#include "list/RowOrder.h"
#include "list/TextPool.h"
#include "list/TextOrder.h"

namespace tarnwick {

// A row's texts, as a list control shows them.
struct ListRow {
  Str text;
  std::array<Str, kSubItemCount + 1> sub;  // sub[1]..sub[11]; sub[0] unused
  std::int32_t icon = 0;
  std::int32_t overlay = 0;
};

// Told of every change, so that a view can show the rows.
class ListObserver {
 public:
  virtual ~ListObserver() = default;
  virtual void RowsCleared() = 0;
  virtual void RowAppended(int position) = 0;
  // What the row at `position` shows changed: its text, its size in the
  // chosen unit or its overlay.
  virtual void RowChanged(int position) = 0;
  virtual void RowsReordered() = 0;
  // Any row may show differently. Views that only repaint may leave it to
  // RowsReordered.
  virtual void RowsChanged() { RowsReordered(); }
  virtual void SelectionChanged(int position) = 0;  // 0: none
  // One row left position `from` for position `to`; the rows in between
  // shifted by one towards `from`. Views that only repaint may leave it to
  // RowsReordered.
  virtual void RowMoved(int from, int to) {
    (void)from;
    (void)to;
    RowsReordered();
  }
};

// The header (1 for the first) whose column the rows are keyed by, and the
// direction: what the header's arrow shows.
struct SortArrow {
  int header = kDesignSortHeader;
  int order = 0;
  bool operator==(const SortArrow&) const = default;
};

// The key column a click on header `header` (1 for the first) chooses; 0 for
// the hidden headers and any number outside the list.
int KeyColumnForHeader(int header);

class ListModel {
 public:
  // `names`: how the names the rows may be sorted by compare (the shell's
  // order on Windows); `separators`: the locale's, for the number texts.
  explicit ListModel(const TextOrder& names = NaturalOrder(), NumberSeparators separators = {})
      : names_(names), separators_(std::move(separators)) {}
  // How names compare, for the other lists of names the window shows.
  const TextOrder& Names() const { return names_; }
  ListModel(const ListModel&) = delete;
  ListModel& operator=(const ListModel&) = delete;

  void SetObserver(ListObserver* observer) { observer_ = observer; }

  void Clear();
  // Appends the row of an entry at the end; its text is the path and its
  // small icon the kind until it is rendered. Returns its position.
  int AppendRow(const RowFacts& facts);
  int Count() const { return static_cast<int>(order_.Size()); }

  // The row's texts, all made at once; CellText reads one.
  ListRow Row(int position) const;
  // The text (k 0) or sub-item k (1..11) of the row at `position`.
  Str CellText(int position, int k) const;
  // Sub-item k (1..11).
  Str SubItem(int position, int k) const;
  // Every row once, in the order the rows were added rather than shown:
  // the walk over a long list that looks nothing up. `visit` gets the row's
  // number, for the two readers below, and its facts.
  template <class Visit>
  void ForEachRow(Visit&& visit) const {
    std::uint32_t row = 0;
    for (const StoredRow& r : rows_) visit(row++, r.facts);
  }
  // The text (k 0) of a row numbered as ForEachRow numbers them, in place.
  StrView TextOfRow(std::uint32_t row) const { return TextOf(rows_.at(row)); }
  // The text or sub-item k of a row numbered as ForEachRow numbers them.
  Str CellTextOfRow(std::uint32_t row, int k) const;
  const RowFactsView& Facts(int position) const { return rows_[IndexAt(position)].facts; }
  std::int32_t Icon(int position) const { return rows_[IndexAt(position)].facts.kind; }
  std::int32_t Overlay(int position) const { return rows_[IndexAt(position)].overlay; }
  // The overlay picture of a row (0: none). Never compared, so it never
  // moves the row.
  void SetOverlay(int position, std::int32_t overlay);
  // Sub-item 1 shows the size in the unit of the selected button (0 GB, 1
  // MB, 2 KB), the text the full path or else the bare name.
  void Render(int position, int selectedUnit, bool fullPath);
  // Render for every row, in one walk over the rows as stored and with one
  // notice (RowsChanged) when any shows differently: a list of 100,000 rows
  // is done in a few milliseconds.
  void RenderAll(int selectedUnit, bool fullPath);

  // The first row at or after `start` (wrapping round to the top) whose text
  // begins with `prefix`, ignoring the case of Latin letters; 0 when none
  // does. What typing in the list looks for.
  int FindTextPrefix(StrView prefix, int start) const;

  // 0 when no row is selected. The selection stays with its row when the
  // rows are re-sorted.
  int Selected() const;
  void Select(int position);

  // --- Sorting (ListSorting.cpp) ---
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int SortOrder() const { return sortOrder_; }  // 0 ascending, 1 descending
  void SetSortOrder(int order);
  // The sub-item whose text follows the kind-and-direction digit in every
  // key: 5 (the size) at first, then as the header clicks choose. Kept
  // across searches, for the life of the list.
  std::int32_t SortColumn() const { return sortColumn_; }
  // A click on header `header`: the same key column again reverses the
  // direction, another keeps it. False, and nothing changes, for a header
  // that sorts nothing. The keys and the order follow at the next
  // BuildSortKeys and SetSorted(true).
  bool ChooseSortHeader(int header);
  // The composite key of every row, from SortColumn and the direction (only
  // the rows appended since, when neither changed). True when the rows are
  // now keyed by another header or direction than the arrow showed: Arrow()
  // is then where the header's arrow belongs.
  bool BuildSortKeys();
  SortArrow Arrow() const { return arrow_; }

 private:
  struct StoredRow {
    RowFactsView facts;  // the path kept in paths_
    std::int32_t overlay = 0;
    std::int8_t unit = -1;  // as last rendered; -1: never, sub-item 1 is empty
    bool fullPath = true;   // the text is the path, else the bare name
  };
  // A row's composite key, as it compares: unkeyed rows (an empty key text)
  // before the keyed ones; then the kind-and-direction digit; then the
  // key column's number, or else its name.
  struct RowKey {
    bool keyed = false;
    int prefix = 0;
    bool numeric = false;
    double number = 0;
    StrView text;
  };

  std::uint32_t IndexAt(int position) const {
    if (position < 1 || position > Count()) ThrowBadPosition();
    return order_.At(static_cast<size_t>(position - 1));
  }
  [[noreturn]] static void ThrowBadPosition();
  int PositionOf(std::uint32_t row) const { return static_cast<int>(order_.PositionOf(row)) + 1; }
  static StrView TextOf(const StoredRow& r);
  // Whether the row now shows otherwise.
  static bool RenderRow(StoredRow& r, int selectedUnit, bool fullPath);
  void AppendTextOf(std::uint32_t row, int k, Str& out) const;

  // Sorting (ListSorting.cpp).
  void AppendKeyText(std::uint32_t row, Str& out) const;
  RowKey KeyOf(std::uint32_t row) const;
  int Compare(const RowKey& a, const RowKey& b) const;
  int Compare(std::uint32_t a, std::uint32_t b) const;
  void MarkDisplaced(std::uint32_t row);
  void ForgetOrder();
  void Sort();
  void SortAll();
  void StableSortRows(std::vector<std::uint32_t>& rows) const;
  void MoveIntoPlace(std::uint32_t row);
  void MergeDisplaced();

  const TextOrder& names_;
  NumberSeparators separators_;
  // A deque: growing it never copies the rows, so a list of many rows never
  // holds two copies of them at once.
  std::deque<StoredRow> rows_;  // in the order appended
  TextPool paths_;              // the rows' paths, given back all at once by Clear
  RowOrder order_;              // display position - 1 -> index into rows_
  std::int64_t selectedRow_ = -1;  // index into rows_
  ListObserver* observer_ = nullptr;

  // What the header clicks chose.
  bool sorted_ = false;
  int sortOrder_ = 0;
  std::int32_t sortColumn_ = kSubPaddedSize;
  int sortHeader_ = kDesignSortHeader;  // the header that chose sortColumn_
  // The keys: rows_[0, keyed_) carry keys made by one rule, the column and
  // direction below; the rows after them have none yet (an empty key text).
  size_t keyed_ = 0;
  std::int32_t keyColumn_ = -1;  // none built yet
  int keyOrder_ = -1;
  SortArrow arrow_;  // what the header shows: the design's column at first
  // While orderKnown_, the rows not listed in displaced_ stand in key order
  // (keys and SortOrder); a sort then only has to place the listed ones.
  bool orderKnown_ = true;
  std::vector<std::uint32_t> displaced_;
  std::vector<bool> isDisplaced_;  // parallel to rows_
};

}  // namespace tarnwick
