#include "list/ListModel.h"

#include <stdexcept>

namespace tarnwick {

void ListModel::ThrowBadPosition() { throw std::out_of_range("list position"); }

void ListModel::Clear() {
  rows_.clear();
  paths_.Clear();
  order_.Clear();
  selectedRow_ = -1;
  allBytes_ = 0;
  if (keys_ != nullptr) keys_->RowsCleared();
  if (observer_ != nullptr) observer_->RowsCleared();
}

int ListModel::AppendRow(const RowFacts& facts) {
  const auto row = static_cast<std::uint32_t>(rows_.size());
  rows_.push_back(StoredRow{RowFactsView{paths_.Add(facts.path), facts.totals, facts.kind}});
  order_.PushBack(row);
  if (facts.totals.bytes > 0) {
    allBytes_ += facts.totals.bytes;
    if (observer_ != nullptr) observer_->SharesChanged();
  }
  if (keys_ != nullptr) keys_->RowAdded(row);
  if (observer_ != nullptr) observer_->RowAppended(Count());
  return Count();
}

StrView ListModel::TextOf(const StoredRow& r) { return r.fullPath ? StrView(r.facts.path) : BareName(r.facts.path); }

void ListModel::AppendTextOf(std::uint32_t row, int k, Str& out) const {
  const StoredRow& r = rows_[row];
  const auto text = kListView1Columns[static_cast<size_t>(k)].text;
  if (text != nullptr) {
    text(RowCell{r.facts, r.unit, r.fullPath, separators_, allBytes_, times_}, out);
  } else if (keys_ != nullptr) {
    keys_->AppendKeyText(row, out);
  }
}

ListRow ListModel::Row(int position) const {
  const std::uint32_t row = IndexAt(position);
  ListRow out;
  AppendTextOf(row, 0, out.text);
  for (int k = 1; k <= kSubItemCount; ++k) AppendTextOf(row, k, out.sub[static_cast<size_t>(k)]);
  out.icon = rows_[row].facts.kind;
  out.overlay = rows_[row].overlay;
  return out;
}

Str ListModel::CellText(int position, int k) const {
  if (k < 0 || k > kSubItemCount) throw std::out_of_range("sub-item");
  Str text;
  AppendTextOf(IndexAt(position), k, text);
  return text;
}

Str ListModel::CellTextOfRow(std::uint32_t row, int k) const {
  if (row >= rows_.size() || k < 0 || k > kSubItemCount) throw std::out_of_range("row or sub-item");
  Str text;
  AppendTextOf(row, k, text);
  return text;
}

Str ListModel::CellTextOfFacts(const RowFactsView& facts, int k) const {
  const auto text = k >= 1 && k <= kSubItemCount ? kListView1Columns[static_cast<size_t>(k)].text : nullptr;
  if (text == nullptr) throw std::out_of_range("sub-item");
  Str out;
  text(RowCell{facts, 2, false, separators_, allBytes_, times_}, out);
  return out;
}

Str ListModel::SubItem(int position, int k) const {
  if (k == 0) throw std::out_of_range("sub-item");
  return CellText(position, k);
}

Str ListModel::Tip(int position) const {
  const StoredRow& r = rows_[IndexAt(position)];
  return RowTip(r.facts, r.overlay, separators_.thousands);
}

void ListModel::SetOverlay(int position, std::int32_t overlay) {
  StoredRow& r = rows_[IndexAt(position)];
  if (r.overlay == overlay) return;
  r.overlay = overlay;
  if (observer_ != nullptr) observer_->RowChanged(position);
}

bool ListModel::RenderRow(StoredRow& r, int selectedUnit, bool fullPath) {
  // Units past the last button show as its unit, as the buttons are read.
  const auto unit = static_cast<std::int8_t>(selectedUnit == 0 || selectedUnit == 1 ? selectedUnit : 2);
  if (r.unit == unit && r.fullPath == fullPath) return false;
  r.unit = unit;
  r.fullPath = fullPath;
  return true;
}

void ListModel::Render(int position, int selectedUnit, bool fullPath) {
  if (RenderRow(rows_[IndexAt(position)], selectedUnit, fullPath) && observer_ != nullptr) {
    observer_->RowChanged(position);
  }
}

void ListModel::RenderAll(int selectedUnit, bool fullPath) {
  bool changed = false;
  for (StoredRow& r : rows_) changed = RenderRow(r, selectedUnit, fullPath) || changed;
  if (changed && observer_ != nullptr) observer_->RowsChanged();
}

void ListModel::Reorder(const std::vector<std::uint32_t>& rows) {
  order_.Assign(rows);
  if (observer_ != nullptr) observer_->RowsReordered();
}

void ListModel::MoveRow(std::size_t from, std::size_t to) {
  order_.Move(from, to);
  if (observer_ != nullptr) observer_->RowMoved(static_cast<int>(from) + 1, static_cast<int>(to) + 1);
}

int ListModel::Selected() const {
  if (selectedRow_ < 0) return 0;
  return PositionOf(static_cast<std::uint32_t>(selectedRow_));
}

void ListModel::Select(int position) {
  selectedRow_ = position == 0 ? -1 : static_cast<std::int64_t>(IndexAt(position));
  if (observer_ != nullptr) observer_->SelectionChanged(position);
}

int ListModel::FindTextPrefix(StrView prefix, int start) const {
  const int n = Count();
  if (n == 0) return 0;
  const int first = start >= 1 && start <= n ? start : 1;
  Str text;
  for (int k = 0; k < n; ++k) {
    const int position = (first - 1 + k) % n + 1;
    text.clear();
    AppendTextOf(IndexAt(position), 0, text);
    if (StartsWithIgnoringCase(text, prefix)) return position;
  }
  return 0;
}

}  // namespace tarnwick
