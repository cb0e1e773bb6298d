#pragma once
// The rows of the result list, kept in a model of our own; the Win32 list view
// only shows them. It offers exactly what the program uses of a list control:
// rows with a text, sub-items 1..11 and a small-icon number, addressed by
// 1-based position in display order, one selected row, and sorting by the
// text of one sub-item.
//
// Sorting: while Sorted() is true the rows are in order of sub-item SortKey()
// (compared as text, ascending for SortOrder 0, descending for 1). Setting
// Sorted to true, or setting SortKey or SortOrder while sorted, re-sorts.
// Appending a row or writing a text or sub-item never re-sorts.
//
// Every sort gives the order of a stable sort of the current display order:
// rows with equal keys keep their relative order. Internally only the rows
// appended or re-keyed since the last sort are put into place, so adding one
// row to a sorted list of n rows costs O(log n) comparisons.
#include <array>
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "list/ResultColumns.h"

namespace tarnwick {

struct ListRow {
  Str text;
  std::array<Str, kSubItemCount + 1> sub;  // sub[1]..sub[11]; sub[0] unused
  std::int32_t icon = 0;
  std::int32_t overlay = 0;  // a picture drawn over the icon; 0 for none
};

// Told of every change, so that a view can show the rows.
class ListObserver {
 public:
  virtual ~ListObserver() = default;
  virtual void RowsCleared() = 0;
  virtual void RowAppended(int position) = 0;
  virtual void RowChanged(int position) = 0;
  // The text (k 0) or sub-item k of the row at `position` now holds another
  // text; writing the same text again is no change and is not reported.
  // Views that show only some sub-items can skip the others; the rest may
  // leave it to RowChanged.
  virtual void CellChanged(int position, int k) {
    (void)k;
    RowChanged(position);
  }
  virtual void RowsReordered() = 0;
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

class ListModel {
 public:
  void SetObserver(ListObserver* observer) { observer_ = observer; }

  void Clear();
  // Appends at the end; returns the new row's position.
  int Append(const Str& text, std::int32_t icon);
  int Count() const { return static_cast<int>(order_.size()); }

  const ListRow& Row(int position) const;
  void SetText(int position, Str text);
  // The overlay picture of a row (0: none). Neither shown as text nor
  // compared, so it never moves the row.
  void SetOverlay(int position, std::int32_t overlay);
  const Str& SubItem(int position, int k) const;
  void SetSubItem(int position, int k, Str text);

  // The first row at or after `start` (wrapping round to the top) whose text
  // begins with `prefix`, ignoring the case of Latin letters; 0 when none
  // does. What typing in the list looks for.
  int FindTextPrefix(StrView prefix, int start) const;

  // 0 when no row is selected. The selection stays with its row when the
  // rows are re-sorted.
  int Selected() const;
  void Select(int position);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  // The sub-item the list sorts by, 1..11; 0 sorts by the row's text.
  int SortKey() const { return sortKey_; }
  void SetSortKey(int k);
  int SortOrder() const { return sortOrder_; }
  void SetSortOrder(int order);

  // A value the owner keeps beside a row, like a list control's item data:
  // never shown or compared, and setting it is no change to the row.
  std::uint64_t RowData(int position) const { return state_[IndexAt(position)].data; }
  void SetRowData(int position, std::uint64_t data) { state_[IndexAt(position)].data = data; }
  // How often the texts of the row's sub-items changed since it was appended
  // (writing the same text again is no change), so that an owner can tell
  // whether what it derived from them is still current.
  std::uint32_t SubItemChanges(int position) const { return state_[IndexAt(position)].changes; }

 private:
  // Bookkeeping beside each row, kept apart from the texts so that a pass
  // over every row touches little memory.
  struct RowState {
    std::uint64_t data = 0;
    std::uint32_t changes = 0;
    std::uint32_t position = 0;  // display position - 1
    bool displaced = false;      // may be out of key order
  };

  std::uint32_t IndexAt(int position) const {
    if (position < 1 || position > Count()) ThrowBadPosition();
    return order_[static_cast<size_t>(position - 1)];
  }
  [[noreturn]] static void ThrowBadPosition();

  const Str& KeyOf(std::uint32_t row) const;
  int Compare(std::uint32_t a, std::uint32_t b) const;
  void MarkDisplaced(std::uint32_t row);
  void ForgetOrder();
  void Sort();
  void SortAll();
  void MoveIntoPlace(std::uint32_t row);
  void MergeDisplaced();
  void RenumberPositions(size_t first, size_t last);

  std::vector<ListRow> rows_;         // in the order appended
  std::vector<RowState> state_;       // parallel to rows_
  std::vector<std::uint32_t> order_;  // display position - 1 -> index into rows_
  // While orderKnown_, the rows not listed in displaced_ stand in key order
  // (SortKey, SortOrder); a sort then only has to place the listed ones.
  bool orderKnown_ = true;
  std::vector<std::uint32_t> displaced_;
  std::int64_t selectedRow_ = -1;  // index into rows_
  bool sorted_ = false;
  int sortKey_ = 11;
  int sortOrder_ = 0;
  ListObserver* observer_ = nullptr;
};

}  // namespace tarnwick
