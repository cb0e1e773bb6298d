#pragma once
// The rows of the result list, kept in a row store of our own; the Win32
// list view only shows them. A row keeps the facts its search knew of its
// entry, how it was last rendered (unit, name or path) and its overlay; the
// texts of its sub-items are made from those, as the table of columns says,
// when they are read. The rows stand in a display order, addressed by 1-based
// position, with at most one selected row; the store tells its observer of
// every change. What order that is, RowSorter decides.
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
#include "list/TimeText.h"

namespace tarnwick {

// A row's texts, as a list control shows them.
struct ListRow {
  Str text;
  std::array<Str, kSubItemCount + 1> sub;  // sub[1]..sub[14]; sub[0] unused
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
  // The sum of the rows' sizes changed, so every row's share did; told
  // before the row that changed it is appended.
  virtual void SharesChanged() {}
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

// What the rows are sorted by: it makes each row's composite key (the last
// sub-item) and hears of rows coming and going.
class RowKeys {
 public:
  virtual ~RowKeys() = default;
  virtual void AppendKeyText(std::uint32_t row, Str& out) const = 0;
  virtual void RowAdded(std::uint32_t row) = 0;
  virtual void RowsCleared() = 0;
};

class ListModel {
 public:
  // `names`: how the names the rows may be sorted by compare (the shell's
  // order on Windows); `separators`: the locale's, for the number texts;
  // `times`: the user's format of the times.
  explicit ListModel(const TextOrder& names = NaturalOrder(), NumberSeparators separators = {},
                     const TimeTexts& times = UtcTimes())
      : names_(names), separators_(std::move(separators)), times_(times) {}
  // How names compare, for the other lists of names the window shows.
  const TextOrder& Names() const { return names_; }
  ListModel(const ListModel&) = delete;
  ListModel& operator=(const ListModel&) = delete;

  void SetObserver(ListObserver* observer) { observer_ = observer; }
  void SetKeys(RowKeys* keys) { keys_ = keys; }

  void Clear();
  // Appends the row of an entry at the end; its text is the path and its
  // small icon the kind until it is rendered. Returns its position.
  int AppendRow(const RowFacts& facts);
  int Count() const { return static_cast<int>(order_.Size()); }
  // The sum of every row's size, which the shares are parts of.
  double AllBytes() const { return allBytes_; }

  // The row's texts, all made at once; CellText reads one.
  ListRow Row(int position) const;
  // The text (k 0) or sub-item k (1..14) of the row at `position`.
  Str CellText(int position, int k) const;
  // Sub-item k (1..14).
  Str SubItem(int position, int k) const;
  // --- Rows by their number (0 to RowCount() - 1), in the order they were
  // added rather than shown: the walk over a long list that looks nothing up.
  std::uint32_t RowCount() const { return static_cast<std::uint32_t>(rows_.size()); }
  const RowFactsView& FactsOfRow(std::uint32_t row) const { return rows_[row].facts; }
  // The text (k 0) of a row, in place.
  StrView TextOfRow(std::uint32_t row) const { return TextOf(rows_.at(row)); }
  // The text or sub-item k of a row.
  Str CellTextOfRow(std::uint32_t row, int k) const;
  // Sub-item k (1..14, not the key) as a rendered row with these facts
  // would show it.
  Str CellTextOfFacts(const RowFactsView& facts, int k) const;
  const RowFactsView& Facts(int position) const { return rows_[IndexAt(position)].facts; }
  std::int32_t Icon(int position) const { return rows_[IndexAt(position)].facts.kind; }
  std::int32_t Overlay(int position) const { return rows_[IndexAt(position)].overlay; }
  // The info tip of the row at `position` (RowTip); empty for most rows.
  Str Tip(int position) const;
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

  // --- For the sorter ---
  const RowOrder& Order() const { return order_; }
  // The rows in a new display order, or one row moved from one 0-based
  // position to another; the observer is told.
  void Reorder(const std::vector<std::uint32_t>& rows);
  void MoveRow(std::size_t from, std::size_t to);

 private:
  struct StoredRow {
    RowFactsView facts;  // the path kept in paths_
    std::int32_t overlay = 0;
    std::int8_t unit = -1;  // as last rendered; -1: never, sub-item 1 is empty
    bool fullPath = true;   // the text is the path, else the bare name
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

  const TextOrder& names_;
  NumberSeparators separators_;
  const TimeTexts& times_;
  double allBytes_ = 0;
  // A deque: growing it never copies the rows, so a list of many rows never
  // holds two copies of them at once.
  std::deque<StoredRow> rows_;  // in the order appended
  TextPool paths_;              // the rows' paths, given back all at once by Clear
  RowOrder order_;              // display position - 1 -> index into rows_
  std::int64_t selectedRow_ = -1;  // index into rows_
  ListObserver* observer_ = nullptr;
  RowKeys* keys_ = nullptr;
};

}  // namespace tarnwick
