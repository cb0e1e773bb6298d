#pragma once
// The rows of the result list, kept in a model of our own; the Win32 list view
// only shows them. It offers exactly what the program uses of a list control:
// rows with a text, sub-items 1..11 and a small-icon number, addressed by
// 1-based position in display order, one selected row, and sorting by the
// text of one sub-item.
//
// Sorting: while Sorted() is true the rows are in order of sub-item SortKey()
// (its texts compared by the TextOrder given, by UTF-16 code without one;
// ascending for SortOrder 0, descending for 1). Setting Sorted to true, or
// setting SortKey or SortOrder while sorted, re-sorts. Appending a row or
// writing a text or sub-item never re-sorts.
//
// Every sort gives the order of a stable sort of the current display order:
// rows with equal keys keep their relative order. Internally only the rows
// appended or re-keyed since the last sort are put into place, so adding one
// row to a sorted list of n rows costs O(log n) comparisons.
//
// Storage: a row added from its facts (AppendRow) keeps the facts, not the
// texts; the texts of its sub-items are made when they are read, each exactly
// the text that writing it would have stored. A row's text that repeats its
// name or path, and a composite key (SetKeyFrom), are kept as that relation.
// Only texts written as such are stored as texts.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "list/RowOrder.h"
#include "list/TextOrder.h"
#include "base/Text.h"
#include "list/ResultColumns.h"

namespace tarnwick {

// A row's texts, as a list control shows them.
struct ListRow {
  Str text;
  std::array<Str, kSubItemCount + 1> sub;  // sub[1]..sub[11]; sub[0] unused
  std::int32_t icon = 0;
  std::int32_t overlay = 0;  // a picture drawn over the icon; 0 for none
};

// What a search knows of an entry of the root when it adds its row. The row's
// sub-items 2 to 10 are made from these: 2 the size grouped by thousands, 3
// and 4 the counts as plain numbers, 5, 8 and 9 size and counts padded to
// thirty digits, 6 the bare name (the path's last component), 7 the path, 10
// the kind as a number. The kind is the row's small icon too.
struct RowFacts {
  Str path;
  double size = 0;
  double files = 0;
  double folders = 0;
  std::int32_t kind = 0;
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
  ListModel() = default;
  ListModel(const ListModel&) = delete;
  ListModel& operator=(const ListModel&) = delete;

  void SetObserver(ListObserver* observer) { observer_ = observer; }
  // How the key texts compare; nullptr (the default): by UTF-16 code. An
  // order must keep texts of equal length made only of ASCII digits in the
  // order of their digits: the list compares such keys by their numbers.
  void SetTextOrder(const TextOrder* order);
  // Goes between the thousands of sub-item 2 of rows added from their facts.
  void SetThousandsSeparator(Str separator) { thousands_ = std::move(separator); }

  void Clear();
  // Appends at the end; returns the new row's position.
  int Append(const Str& text, std::int32_t icon);
  // Appends the row of an entry, with sub-items 2 to 10 made from `facts`,
  // the path as text and the kind as icon; returns the new row's position.
  int AppendRow(RowFacts facts);
  int Count() const { return static_cast<int>(order_.Size()); }

  // The row's texts, all made at once; CellText reads one.
  ListRow Row(int position) const;
  // The text (k 0) or sub-item k (1..11) of the row at `position`.
  Str CellText(int position, int k) const;
  std::int32_t Icon(int position) const { return rows_[IndexAt(position)].icon; }
  std::int32_t Overlay(int position) const { return rows_[IndexAt(position)].overlay; }
  void SetText(int position, Str text);
  // The overlay picture of a row (0: none). Neither shown as text nor
  // compared, so it never moves the row.
  void SetOverlay(int position, std::int32_t overlay);
  Str SubItem(int position, int k) const;
  void SetSubItem(int position, int k, Str text);
  // Sub-item 11 becomes `prefix` followed by the text sub-item `column`
  // (1..11) has now; the same as writing that text, without storing it.
  void SetKeyFrom(int position, char16_t prefix, int column);

  // The rows appended, or with a sub-item changed, since the last call, as
  // positions in the current order; they are then forgotten. What an owner
  // that derives something from the sub-items has to look at again.
  std::vector<int> TakeChangedRows();
  // The same, when the positions are not needed.
  void ForgetChangedRows();

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
  // Texts written as such, for the rare row that holds any.
  struct Literals {
    Str text;
    std::array<Str, kSubItemCount + 1> sub;
  };
  struct StoredRow {
    RowFacts facts;
    Str simple;  // sub-item 1, rewritten at every render
    std::unique_ptr<Literals> literals;
    std::int32_t icon = 0;
    std::int32_t overlay = 0;
    std::uint16_t fromFacts = 0;  // bit k: sub-item k is made from the facts
    std::uint8_t textFrom = 0;    // 6 or 7: the text repeats that sub-item
    std::uint8_t keyColumn = 0;   // not 0: sub-item 11 is keyPrefix + that sub-item
    char16_t keyPrefix = 0;
  };
  // Bookkeeping beside each row, kept apart from the texts so that a pass
  // over every row touches little memory.
  struct RowState {
    std::uint64_t data = 0;
    std::uint32_t changes = 0;
    bool displaced = false;      // may be out of key order
    bool changed = false;        // listed in changed_
  };

  std::uint32_t IndexAt(int position) const {
    if (position < 1 || position > Count()) ThrowBadPosition();
    return order_.At(static_cast<size_t>(position - 1));
  }
  [[noreturn]] static void ThrowBadPosition();
  static void CheckSubItem(int k);

  int AppendStored(StoredRow added);
  Str TextOf(std::uint32_t row, int k) const;
  void AppendTextOf(std::uint32_t row, int k, Str& out) const;
  Literals& LiteralsOf(std::uint32_t row);
  void Unlink(std::uint32_t row, int k);
  void CellWritten(std::uint32_t row, int position, int k);
  void NoteChanged(std::uint32_t row);

  bool NumericKey(std::uint32_t row, double& number, char16_t& prefix) const;
  int Compare(std::uint32_t a, std::uint32_t b) const;
  void MarkDisplaced(std::uint32_t row);
  void ForgetOrder();
  void Sort();
  void SortAll();
  void ReverseRuns();
  void StableSortRows(std::vector<std::uint32_t>& rows) const;
  void MoveIntoPlace(std::uint32_t row);
  void MergeDisplaced();
  int PositionOf(std::uint32_t row) const { return static_cast<int>(order_.PositionOf(row)) + 1; }

  // A deque: growing it never copies the rows, so a list of many rows never
  // holds two copies of them at once.
  std::deque<StoredRow> rows_;        // in the order appended
  std::vector<RowState> state_;       // parallel to rows_
  RowOrder order_;  // display position - 1 -> index into rows_
  std::vector<std::uint32_t> changed_;
  // While orderKnown_, the rows not listed in displaced_ stand in key order
  // (SortKey, SortOrder); a sort then only has to place the listed ones.
  bool orderKnown_ = true;
  std::vector<std::uint32_t> displaced_;
  std::int64_t selectedRow_ = -1;  // index into rows_
  bool sorted_ = false;
  int sortKey_ = 11;
  int sortOrder_ = 0;
  const TextOrder* textOrder_ = nullptr;
  Str thousands_ = u",";
  ListObserver* observer_ = nullptr;
  // Scratch texts for comparing keys that are made, not stored.
  mutable Str keyA_;
  mutable Str keyB_;
};

}  // namespace tarnwick
