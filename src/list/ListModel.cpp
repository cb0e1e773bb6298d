#include "list/ListModel.h"

#include <algorithm>
#include <stdexcept>

namespace tarnwick {

void ListModel::Clear() {
  rows_.clear();
  order_.clear();
  selectedRow_ = -1;
  if (observer_ != nullptr) observer_->RowsCleared();
}

int ListModel::Append(const Str& text, std::int32_t icon) {
  ListRow row;
  row.text = text;
  row.icon = icon;
  rows_.push_back(std::move(row));
  order_.push_back(static_cast<std::uint32_t>(rows_.size() - 1));
  if (observer_ != nullptr) observer_->RowAppended(Count());
  return Count();
}

ListRow& ListModel::MutableRow(int position) {
  if (position < 1 || position > Count()) throw std::out_of_range("list position");
  return rows_[order_[static_cast<size_t>(position - 1)]];
}

const ListRow& ListModel::Row(int position) const {
  return const_cast<ListModel*>(this)->MutableRow(position);
}

void ListModel::SetText(int position, Str text) {
  MutableRow(position).text = std::move(text);
  if (observer_ != nullptr) observer_->RowChanged(position);
}

const Str& ListModel::SubItem(int position, int k) const {
  if (k < 1 || k > kSubItemCount) throw std::out_of_range("sub-item");
  return Row(position).sub[static_cast<size_t>(k)];
}

void ListModel::SetSubItem(int position, int k, Str text) {
  if (k < 1 || k > kSubItemCount) throw std::out_of_range("sub-item");
  MutableRow(position).sub[static_cast<size_t>(k)] = std::move(text);
  if (observer_ != nullptr) observer_->RowChanged(position);
}

int ListModel::Selected() const {
  if (selectedRow_ < 0) return 0;
  const auto it = std::find(order_.begin(), order_.end(), static_cast<std::uint32_t>(selectedRow_));
  return it == order_.end() ? 0 : static_cast<int>(it - order_.begin()) + 1;
}

void ListModel::Select(int position) {
  selectedRow_ = position == 0 ? -1 : order_.at(static_cast<size_t>(position - 1));
  if (observer_ != nullptr) observer_->SelectionChanged(position);
}

void ListModel::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) Sort();
}

void ListModel::SetSortKey(int k) {
  sortKey_ = k;
  if (sorted_) Sort();
}

void ListModel::SetSortOrder(int order) {
  sortOrder_ = order;
  if (sorted_) Sort();
}

void ListModel::Sort() {
  const size_t key = static_cast<size_t>(sortKey_);
  const bool descending = sortOrder_ == 1;
  std::stable_sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
    const Str& ka = rows_[a].sub[key];
    const Str& kb = rows_[b].sub[key];
    return descending ? kb < ka : ka < kb;
  });
  if (observer_ != nullptr) observer_->RowsReordered();
}

}  // namespace tarnwick
