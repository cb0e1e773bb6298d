#pragma once
// The order of the result rows: the sort state that the header clicks choose
// (SortColumn and the direction), each row's composite key, and the order of
// the rows by their keys, which it hands to the row store. While Sorted() is
// true the rows are in order of their keys; setting Sorted to true, or
// setting SortOrder while sorted, re-sorts. Appending, rendering or building
// keys never re-sorts. Every sort gives the order of a stable sort of the
// current display order: rows with equal keys keep their relative order.
#include <cstdint>
#include <vector>

#include "list/ListModel.h"
#include "list/ResultColumns.h"

namespace tarnwick {

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

class RowSorter final : private RowKeys {
 public:
  // Sorts `rows` for as long as it lives, and makes their composite keys.
  explicit RowSorter(ListModel& rows) : rows_(rows) { rows_.SetKeys(this); }
  ~RowSorter() override { rows_.SetKeys(nullptr); }
  RowSorter(const RowSorter&) = delete;
  RowSorter& operator=(const RowSorter&) = delete;

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

  void AppendKeyText(std::uint32_t row, Str& out) const override;
  void RowAdded(std::uint32_t row) override;
  void RowsCleared() override;

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

  ListModel& rows_;
  // What the header clicks chose.
  bool sorted_ = false;
  int sortOrder_ = 0;
  std::int32_t sortColumn_ = kSubPaddedSize;
  int sortHeader_ = kDesignSortHeader;  // the header that chose sortColumn_
  // The keys: rows [0, keyed_) carry keys made by one rule, the column and
  // direction below; the rows after them have none yet (an empty key text).
  std::uint32_t keyed_ = 0;
  std::int32_t keyColumn_ = -1;  // none built yet
  int keyOrder_ = -1;
  SortArrow arrow_;  // what the header shows: the design's column at first
  // While orderKnown_, the rows not listed in displaced_ stand in key order
  // (keys and SortOrder); a sort then only has to place the listed ones.
  bool orderKnown_ = true;
  std::vector<std::uint32_t> displaced_;
  std::vector<bool> isDisplaced_;  // by row number
};

}  // namespace tarnwick
