#include "list/ListModel.h"

#include <algorithm>
#include <stdexcept>

namespace tarnwick {

void ListModel::ThrowBadPosition() { throw std::out_of_range("list position"); }

void ListModel::Clear() {
  rows_.clear();
  state_.clear();
  order_.clear();
  displaced_.clear();
  orderKnown_ = true;  // no rows are in order
  selectedRow_ = -1;
  if (observer_ != nullptr) observer_->RowsCleared();
}

int ListModel::Append(const Str& text, std::int32_t icon) {
  const auto row = static_cast<std::uint32_t>(rows_.size());
  ListRow added;
  added.text = text;
  added.icon = icon;
  rows_.push_back(std::move(added));
  RowState state;
  state.position = static_cast<std::uint32_t>(order_.size());
  state_.push_back(state);
  order_.push_back(row);
  MarkDisplaced(row);
  if (observer_ != nullptr) observer_->RowAppended(Count());
  return Count();
}

const ListRow& ListModel::Row(int position) const { return rows_[IndexAt(position)]; }

void ListModel::SetText(int position, Str text) {
  const std::uint32_t row = IndexAt(position);
  if (rows_[row].text == text) return;
  rows_[row].text = std::move(text);
  if (sortKey_ == 0) MarkDisplaced(row);
  if (observer_ != nullptr) observer_->CellChanged(position, 0);
}

void ListModel::SetOverlay(int position, std::int32_t overlay) {
  const std::uint32_t row = IndexAt(position);
  if (rows_[row].overlay == overlay) return;
  rows_[row].overlay = overlay;
  if (observer_ != nullptr) observer_->RowChanged(position);
}

const Str& ListModel::SubItem(int position, int k) const {
  if (k < 1 || k > kSubItemCount) throw std::out_of_range("sub-item");
  return rows_[IndexAt(position)].sub[static_cast<size_t>(k)];
}

void ListModel::SetSubItem(int position, int k, Str text) {
  if (k < 1 || k > kSubItemCount) throw std::out_of_range("sub-item");
  const std::uint32_t row = IndexAt(position);
  Str& stored = rows_[row].sub[static_cast<size_t>(k)];
  if (stored == text) return;
  stored = std::move(text);
  ++state_[row].changes;
  if (k == sortKey_) MarkDisplaced(row);
  if (observer_ != nullptr) observer_->CellChanged(position, k);
}

int ListModel::Selected() const {
  if (selectedRow_ < 0) return 0;
  return static_cast<int>(state_[static_cast<size_t>(selectedRow_)].position) + 1;
}

void ListModel::Select(int position) {
  selectedRow_ = position == 0 ? -1 : static_cast<std::int64_t>(IndexAt(position));
  if (observer_ != nullptr) observer_->SelectionChanged(position);
}

void ListModel::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) Sort();
}

void ListModel::SetSortKey(int k) {
  if (k < 0 || k > kSubItemCount) throw std::out_of_range("sort key");
  if (k != sortKey_) ForgetOrder();
  sortKey_ = k;
  if (sorted_) Sort();
}

void ListModel::SetSortOrder(int order) {
  if ((order == 1) != (sortOrder_ == 1)) ForgetOrder();
  sortOrder_ = order;
  if (sorted_) Sort();
}

const Str& ListModel::KeyOf(std::uint32_t row) const {
  return sortKey_ == 0 ? rows_[row].text : rows_[row].sub[static_cast<size_t>(sortKey_)];
}

// Three-way comparison of two rows' keys in the current direction.
int ListModel::Compare(std::uint32_t a, std::uint32_t b) const {
  const int c = KeyOf(a).compare(KeyOf(b));
  const int sign = (c > 0) - (c < 0);
  return sortOrder_ == 1 ? -sign : sign;
}

void ListModel::MarkDisplaced(std::uint32_t row) {
  if (!orderKnown_ || state_[row].displaced) return;
  state_[row].displaced = true;
  displaced_.push_back(row);
}

// The rows are no longer known to be in order: the next sort sorts them all.
void ListModel::ForgetOrder() {
  for (const std::uint32_t row : displaced_) state_[row].displaced = false;
  displaced_.clear();
  orderKnown_ = false;
}

void ListModel::Sort() {
  if (!orderKnown_) {
    SortAll();
  } else if (displaced_.size() == 1) {
    MoveIntoPlace(displaced_.front());
  } else if (!displaced_.empty()) {
    MergeDisplaced();
  }
  for (const std::uint32_t row : displaced_) state_[row].displaced = false;
  displaced_.clear();
  orderKnown_ = true;
}

void ListModel::SortAll() {
  std::stable_sort(order_.begin(), order_.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return Compare(a, b) < 0; });
  RenumberPositions(0, order_.size());
  if (observer_ != nullptr) observer_->RowsReordered();
}

// The common case of adding one row to a sorted list: every other row is in
// order, so a binary search finds the row's place. Among equal keys it goes
// where a stable sort would put it: after those above it, before those below.
void ListModel::MoveIntoPlace(std::uint32_t row) {
  const size_t from = state_[row].position;
  const auto begin = order_.begin();
  size_t to = from;
  if (from > 0 && Compare(row, order_[from - 1]) < 0) {
    const auto at = std::partition_point(begin, begin + static_cast<std::ptrdiff_t>(from),
                                         [&](std::uint32_t other) { return Compare(row, other) >= 0; });
    to = static_cast<size_t>(at - begin);
    std::rotate(at, begin + static_cast<std::ptrdiff_t>(from), begin + static_cast<std::ptrdiff_t>(from + 1));
    RenumberPositions(to, from + 1);
  } else if (from + 1 < order_.size() && Compare(order_[from + 1], row) < 0) {
    const auto at = std::partition_point(begin + static_cast<std::ptrdiff_t>(from + 1), order_.end(),
                                         [&](std::uint32_t other) { return Compare(other, row) < 0; });
    to = static_cast<size_t>(at - begin) - 1;
    std::rotate(begin + static_cast<std::ptrdiff_t>(from), begin + static_cast<std::ptrdiff_t>(from + 1), at);
    RenumberPositions(from, to + 1);
  }
  if (to != from && observer_ != nullptr) observer_->RowMoved(static_cast<int>(from) + 1, static_cast<int>(to) + 1);
}

// Several rows out of place: sort just those (ties keep display order), then
// merge them into the rows that stayed in order, ordering equal keys by the
// old position as a stable sort of the whole list would.
void ListModel::MergeDisplaced() {
  std::vector<std::uint32_t> moving;
  std::vector<std::uint32_t> staying;
  moving.reserve(displaced_.size());
  staying.reserve(order_.size() - displaced_.size());
  for (const std::uint32_t row : order_) (state_[row].displaced ? moving : staying).push_back(row);
  std::stable_sort(moving.begin(), moving.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return Compare(a, b) < 0; });

  std::vector<std::uint32_t> merged;
  merged.reserve(order_.size());
  auto next = staying.begin();
  for (const std::uint32_t row : moving) {
    const auto at = std::partition_point(next, staying.end(), [&](std::uint32_t other) {
      const int c = Compare(other, row);
      return c < 0 || (c == 0 && state_[other].position < state_[row].position);
    });
    merged.insert(merged.end(), next, at);
    merged.push_back(row);
    next = at;
  }
  merged.insert(merged.end(), next, staying.end());
  order_.swap(merged);
  RenumberPositions(0, order_.size());
  if (observer_ != nullptr) observer_->RowsReordered();
}

void ListModel::RenumberPositions(size_t first, size_t last) {
  for (size_t i = first; i < last; ++i) state_[order_[i]].position = static_cast<std::uint32_t>(i);
}

namespace {

char16_t FoldCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  if (c >= u'\uFF21' && c <= u'\uFF3A') return static_cast<char16_t>(c - u'\uFF21' + u'\uFF41');
  return c;
}

bool StartsWithIgnoringCase(const Str& text, StrView prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

}  // namespace

int ListModel::FindTextPrefix(StrView prefix, int start) const {
  const int n = Count();
  if (n == 0) return 0;
  const int first = start >= 1 && start <= n ? start : 1;
  for (int k = 0; k < n; ++k) {
    const int position = (first - 1 + k) % n + 1;
    if (StartsWithIgnoringCase(Row(position).text, prefix)) return position;
  }
  return 0;
}

}  // namespace tarnwick
