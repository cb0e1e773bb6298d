// A row's key, as its sub-item 11 shows it, is one digit, (1 - 2 x order) x
// kind + 5, followed by the text of sub-item SortColumn: the digit keeps
// folder rows (kind 1) above root-file rows (kind 2) in both directions, 6
// before 7 ascending, 4 before 3 descending. The keys are compared as what
// they hold rather than as text: the digit, then the number of a padded
// column (whose thirty-digit text orders as the number does), or the name
// in the order the user knows. Rows appended since the last key build have
// no key yet, an empty text, which comes before every key.
#include <algorithm>
#include <cmath>

#include "list/RowSorter.h"

namespace tarnwick {

int KeyColumnForHeader(int header) {
  return header >= 1 && header <= static_cast<int>(kListView1Columns.size())
             ? kListView1Columns[static_cast<size_t>(header - 1)].sortsBy
             : 0;
}

bool RowSorter::ChooseSortHeader(int header) {
  const int k = KeyColumnForHeader(header);
  if (k == 0) return false;
  if (k == sortColumn_) {
    sortOrder_ = 1 - sortOrder_;
    ForgetOrder();
  } else if (ColumnIsTime(k) && sortOrder_ != 1) {
    // The newest first: what one looks for among times.
    sortOrder_ = 1;
    ForgetOrder();
  }
  sortColumn_ = k;
  sortHeader_ = header;
  return true;
}

bool RowSorter::BuildSortKeys() {
  if (sortColumn_ == keyColumn_ && sortOrder_ == keyOrder_) {
    // The same rule: only the rows without a key get one.
    for (std::uint32_t row = keyed_; row < rows_.RowCount(); ++row) MarkDisplaced(row);
  } else {
    ForgetOrder();
  }
  keyed_ = rows_.RowCount();
  keyColumn_ = sortColumn_;
  keyOrder_ = sortOrder_;
  const SortArrow now{sortHeader_, sortOrder_};
  if (now == arrow_) return false;
  arrow_ = now;
  return true;
}

void RowSorter::AppendKeyText(std::uint32_t row, Str& out) const {
  if (row >= keyed_) return;
  out += DecimalText((1 - 2 * keyOrder_) * rows_.FactsOfRow(row).kind + 5);
  out += rows_.CellTextOfRow(row, keyColumn_);
}

RowSorter::RowKey RowSorter::KeyOf(std::uint32_t row) const {
  RowKey key;
  if (row >= keyed_) return key;
  const RowFactsView& facts = rows_.FactsOfRow(row);
  key.keyed = true;
  key.prefix = (1 - 2 * keyOrder_) * facts.kind + 5;
  const ColumnDesign& column = kListView1Columns[static_cast<size_t>(keyColumn_)];
  key.numeric = column.number != nullptr;
  if (key.numeric) {
    key.number = std::round(column.number(facts)) + 0.0;  // as the texts round it; no negative zero
  } else {
    key.text = column.name(facts);
  }
  return key;
}

// Three-way comparison of two keys in the current direction. Names the
// order holds equal (equal but for case) compare by their code units, so
// that rows come out in the same order on every sort.
int RowSorter::Compare(const RowKey& a, const RowKey& b) const {
  int c = 0;
  if (!a.keyed || !b.keyed) {
    c = static_cast<int>(a.keyed) - static_cast<int>(b.keyed);
  } else if (a.prefix != b.prefix) {
    c = a.prefix < b.prefix ? -1 : 1;
  } else if (a.numeric && b.numeric) {
    c = a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
  } else {
    c = Sign(rows_.Names().Compare(a.text, b.text));
    if (c == 0) c = Sign(a.text.compare(b.text));
  }
  return sortOrder_ == 1 ? -c : c;
}

int RowSorter::Compare(std::uint32_t a, std::uint32_t b) const { return Compare(KeyOf(a), KeyOf(b)); }

void RowSorter::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) Sort();
}

void RowSorter::SetSortOrder(int order) {
  if (order != sortOrder_) ForgetOrder();
  sortOrder_ = order;
  if (sorted_) Sort();
}

void RowSorter::RowAdded(std::uint32_t row) {
  isDisplaced_.push_back(false);
  // Its empty key may stand out of order.
  MarkDisplaced(row);
}

void RowSorter::RowsCleared() {
  displaced_.clear();
  isDisplaced_.clear();
  orderKnown_ = true;  // no rows are in order
  keyed_ = 0;
}

void RowSorter::MarkDisplaced(std::uint32_t row) {
  if (!orderKnown_ || isDisplaced_[row]) return;
  isDisplaced_[row] = true;
  displaced_.push_back(row);
}

// The rows are no longer known to be in order: the next sort sorts them all.
void RowSorter::ForgetOrder() {
  for (const std::uint32_t row : displaced_) isDisplaced_[row] = false;
  displaced_.clear();
  orderKnown_ = false;
}

void RowSorter::Sort() {
  if (!orderKnown_) {
    SortAll();
  } else if (displaced_.size() == 1) {
    MoveIntoPlace(displaced_.front());
  } else if (!displaced_.empty()) {
    MergeDisplaced();
  }
  for (const std::uint32_t row : displaced_) isDisplaced_[row] = false;
  displaced_.clear();
  orderKnown_ = true;
}

void RowSorter::SortAll() {
  std::vector<std::uint32_t> rows = rows_.Order().Flatten();
  StableSortRows(rows);
  rows_.Reorder(rows);
}

// A stable sort of `rows` by key. Each key is read once into an item that
// travels with its row, so that comparing them touches no row.
void RowSorter::StableSortRows(std::vector<std::uint32_t>& rows) const {
  struct Item {
    RowKey key;
    std::uint32_t row;
  };
  std::vector<Item> items;
  items.reserve(rows.size());
  for (const std::uint32_t row : rows) items.push_back(Item{KeyOf(row), row});
  std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return Compare(a.key, b.key) < 0; });
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = items[i].row;
}

// The common case of adding one row to a sorted list: every other row is in
// order, so a binary search finds the row's place. Among equal keys it goes
// where a stable sort would put it: after those above it, before those below.
void RowSorter::MoveIntoPlace(std::uint32_t row) {
  const RowOrder& order = rows_.Order();
  const size_t from = order.PositionOf(row);
  // The first position in [first, last) whose row does not pass `before`.
  const auto partition = [&](size_t first, size_t last, auto before) {
    while (first < last) {
      const size_t middle = first + (last - first) / 2;
      if (before(order.At(middle))) {
        first = middle + 1;
      } else {
        last = middle;
      }
    }
    return first;
  };
  size_t to = from;
  if (from > 0 && Compare(row, order.At(from - 1)) < 0) {
    to = partition(0, from, [&](std::uint32_t other) { return Compare(row, other) >= 0; });
  } else if (from + 1 < order.Size() && Compare(order.At(from + 1), row) < 0) {
    to = partition(from + 1, order.Size(), [&](std::uint32_t other) { return Compare(other, row) < 0; }) - 1;
  }
  if (to != from) rows_.MoveRow(from, to);
}

// Several rows out of place: sort just those (ties keep display order), then
// merge them into the rows that stayed in order, ordering equal keys by the
// old position as a stable sort of the whole list would.
void RowSorter::MergeDisplaced() {
  const std::vector<std::uint32_t> before = rows_.Order().Flatten();
  std::vector<std::uint32_t> oldPosition(rows_.RowCount());
  for (size_t i = 0; i < before.size(); ++i) oldPosition[before[i]] = static_cast<std::uint32_t>(i);
  std::vector<std::uint32_t> moving;
  std::vector<std::uint32_t> staying;
  moving.reserve(displaced_.size());
  staying.reserve(before.size() - displaced_.size());
  for (const std::uint32_t row : before) (isDisplaced_[row] ? moving : staying).push_back(row);
  StableSortRows(moving);

  std::vector<std::uint32_t> merged;
  merged.reserve(before.size());
  auto next = staying.begin();
  for (const std::uint32_t row : moving) {
    const auto at = std::partition_point(next, staying.end(), [&](std::uint32_t other) {
      const int c = Compare(other, row);
      return c < 0 || (c == 0 && oldPosition[other] < oldPosition[row]);
    });
    merged.insert(merged.end(), next, at);
    merged.push_back(row);
    next = at;
  }
  merged.insert(merged.end(), next, staying.end());
  rows_.Reorder(merged);
}

}  // namespace tarnwick
