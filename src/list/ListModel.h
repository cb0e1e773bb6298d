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
#include <array>
#include <cstdint>
#include <vector>

#include "scan/Text.h"

namespace tarnwick {

constexpr int kSubItemCount = 11;

struct ListRow {
  Str text;
  std::array<Str, kSubItemCount + 1> sub;  // sub[1]..sub[11]; sub[0] unused
  std::int32_t icon = 0;
};

// Told of every change, so that a view can show the rows.
class ListObserver {
 public:
  virtual ~ListObserver() = default;
  virtual void RowsCleared() = 0;
  virtual void RowAppended(int position) = 0;
  virtual void RowChanged(int position) = 0;
  virtual void RowsReordered() = 0;
  virtual void SelectionChanged(int position) = 0;  // 0: none
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
  const Str& SubItem(int position, int k) const;
  void SetSubItem(int position, int k, Str text);

  // 0 when no row is selected.
  int Selected() const;
  void Select(int position);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int SortKey() const { return sortKey_; }
  void SetSortKey(int k);
  int SortOrder() const { return sortOrder_; }
  void SetSortOrder(int order);

 private:
  ListRow& MutableRow(int position);
  void Sort();

  std::vector<ListRow> rows_;      // in the order appended
  std::vector<std::uint32_t> order_;  // display position - 1 -> index into rows_
  std::int64_t selectedRow_ = -1;  // index into rows_
  bool sorted_ = false;
  int sortKey_ = 11;
  int sortOrder_ = 0;
  ListObserver* observer_ = nullptr;
};

}  // namespace tarnwick
