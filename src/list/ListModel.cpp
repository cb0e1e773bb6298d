#include "list/ListModel.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "list/ResultRows.h"

namespace tarnwick {
namespace {

// Sub-items made from a row's facts.
constexpr std::uint16_t kAllFacts = ((1u << (kSubKind + 1)) - 1) & ~((1u << kSubSize) - 1);
constexpr int kKey = kSubCompositeKey;

int Sign(int c) { return (c > 0) - (c < 0); }

}  // namespace

void ListModel::ThrowBadPosition() { throw std::out_of_range("list position"); }

void ListModel::CheckSubItem(int k) {
  if (k < 1 || k > kSubItemCount) throw std::out_of_range("sub-item");
}

void ListModel::SetTextOrder(const TextOrder* order) {
  if (order == textOrder_) return;
  textOrder_ = order;
  ForgetOrder();
  if (sorted_) Sort();
}

void ListModel::Clear() {
  rows_.clear();
  state_.clear();
  order_.Clear();
  changed_.clear();
  displaced_.clear();
  orderKnown_ = true;  // no rows are in order
  selectedRow_ = -1;
  if (observer_ != nullptr) observer_->RowsCleared();
}

int ListModel::Append(const Str& text, std::int32_t icon) {
  StoredRow added;
  if (!text.empty()) {
    added.literals = std::make_unique<Literals>();
    added.literals->text = text;
  }
  added.icon = icon;
  return AppendStored(std::move(added));
}

int ListModel::AppendRow(RowFacts facts) {
  StoredRow added;
  added.icon = facts.kind;
  added.facts = std::move(facts);
  added.fromFacts = kAllFacts;
  added.textFrom = kSubFullPath;
  return AppendStored(std::move(added));
}

int ListModel::AppendStored(StoredRow added) {
  const auto row = static_cast<std::uint32_t>(rows_.size());
  rows_.push_back(std::move(added));
  state_.emplace_back();
  order_.PushBack(row);
  MarkDisplaced(row);
  NoteChanged(row);
  if (observer_ != nullptr) observer_->RowAppended(Count());
  return Count();
}

void ListModel::AppendTextOf(std::uint32_t row, int k, Str& out) const {
  const StoredRow& r = rows_[row];
  if (k == 0) {
    if (r.textFrom != 0) {
      AppendTextOf(row, r.textFrom, out);
    } else if (r.literals) {
      out += r.literals->text;
    }
  } else if (k == 1) {
    out += r.simple;
  } else if (k == kKey && r.keyColumn != 0) {
    out += r.keyPrefix;
    AppendTextOf(row, r.keyColumn, out);
  } else if (((r.fromFacts >> k) & 1u) != 0) {
    AppendFactText(r.facts, k, thousands_, out);
  } else if (r.literals) {
    out += r.literals->sub[static_cast<size_t>(k)];
  }
}

Str ListModel::TextOf(std::uint32_t row, int k) const {
  Str text;
  AppendTextOf(row, k, text);
  return text;
}

ListRow ListModel::Row(int position) const {
  const std::uint32_t row = IndexAt(position);
  ListRow out;
  out.text = TextOf(row, 0);
  for (int k = 1; k <= kSubItemCount; ++k) out.sub[static_cast<size_t>(k)] = TextOf(row, k);
  out.icon = rows_[row].icon;
  out.overlay = rows_[row].overlay;
  return out;
}

Str ListModel::CellText(int position, int k) const {
  if (k != 0) CheckSubItem(k);
  return TextOf(IndexAt(position), k);
}

ListModel::Literals& ListModel::LiteralsOf(std::uint32_t row) {
  std::unique_ptr<Literals>& literals = rows_[row].literals;
  if (!literals) literals = std::make_unique<Literals>();
  return *literals;
}

// Cell k is about to change: what repeats it keeps the text it has now.
void ListModel::Unlink(std::uint32_t row, int k) {
  StoredRow& r = rows_[row];
  if (r.textFrom != 0 && r.textFrom == k) {
    Str text = TextOf(row, 0);
    r.textFrom = 0;
    LiteralsOf(row).text = std::move(text);
  }
  if (r.keyColumn != 0 && (r.keyColumn == k || k == kKey)) {
    Str key = TextOf(row, kKey);
    r.keyColumn = 0;
    LiteralsOf(row).sub[kKey] = std::move(key);
  }
}

void ListModel::NoteChanged(std::uint32_t row) {
  if (state_[row].changed) return;
  state_[row].changed = true;
  changed_.push_back(row);
}

void ListModel::CellWritten(std::uint32_t row, int position, int k) {
  ++state_[row].changes;
  NoteChanged(row);
  if (k == sortKey_) MarkDisplaced(row);
  if (observer_ != nullptr) observer_->CellChanged(position, k);
}

void ListModel::SetText(int position, Str text) {
  const std::uint32_t row = IndexAt(position);
  if (TextOf(row, 0) == text) return;
  StoredRow& r = rows_[row];
  // A row's text is nearly always its name or its path: kept as which.
  r.textFrom = 0;
  if (text == TextOf(row, kSubBareName)) {
    r.textFrom = kSubBareName;
  } else if (text == TextOf(row, kSubFullPath)) {
    r.textFrom = kSubFullPath;
  }
  if (r.textFrom != 0) {
    if (r.literals) Str().swap(r.literals->text);
  } else {
    LiteralsOf(row).text = std::move(text);
  }
  if (sortKey_ == 0) MarkDisplaced(row);
  if (observer_ != nullptr) observer_->CellChanged(position, 0);
}

void ListModel::SetOverlay(int position, std::int32_t overlay) {
  const std::uint32_t row = IndexAt(position);
  if (rows_[row].overlay == overlay) return;
  rows_[row].overlay = overlay;
  if (observer_ != nullptr) observer_->RowChanged(position);
}

Str ListModel::SubItem(int position, int k) const {
  CheckSubItem(k);
  return TextOf(IndexAt(position), k);
}

void ListModel::SetSubItem(int position, int k, Str text) {
  CheckSubItem(k);
  const std::uint32_t row = IndexAt(position);
  if (TextOf(row, k) == text) return;
  Unlink(row, k);
  StoredRow& r = rows_[row];
  if (k == 1) {
    r.simple = std::move(text);
  } else {
    r.fromFacts = static_cast<std::uint16_t>(r.fromFacts & ~(1u << k));
    LiteralsOf(row).sub[static_cast<size_t>(k)] = std::move(text);
  }
  CellWritten(row, position, k);
}

void ListModel::SetKeyFrom(int position, char16_t prefix, int column) {
  CheckSubItem(column);
  const std::uint32_t row = IndexAt(position);
  // A key of itself is stored as the text it is now.
  if (column == kKey) {
    SetSubItem(position, kKey, Str(1, prefix) + TextOf(row, column));
    return;
  }
  StoredRow& r = rows_[row];
  if (r.keyColumn == column && r.keyPrefix == prefix) return;
  // Another first character is another text; otherwise the texts tell.
  const bool otherPrefix = r.keyColumn != 0 && r.keyPrefix != prefix;
  const Str before = otherPrefix ? Str() : TextOf(row, kKey);
  r.keyColumn = static_cast<std::uint8_t>(column);
  r.keyPrefix = prefix;
  if (r.literals) Str().swap(r.literals->sub[kKey]);
  if (otherPrefix || TextOf(row, kKey) != before) CellWritten(row, position, kKey);
}

std::vector<int> ListModel::TakeChangedRows() {
  std::vector<int> positions;
  positions.reserve(changed_.size());
  for (const std::uint32_t row : changed_) {
    state_[row].changed = false;
    positions.push_back(PositionOf(row));
  }
  changed_.clear();
  return positions;
}

void ListModel::ForgetChangedRows() {
  for (const std::uint32_t row : changed_) state_[row].changed = false;
  changed_.clear();
}

int ListModel::Selected() const {
  if (selectedRow_ < 0) return 0;
  return PositionOf(static_cast<std::uint32_t>(selectedRow_));
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
  const bool reverses = (order == 1) != (sortOrder_ == 1);
  sortOrder_ = order;
  if (!reverses) {
    if (sorted_) Sort();
  } else if (sorted_ && orderKnown_ && displaced_.empty()) {
    ReverseRuns();
  } else {
    ForgetOrder();
    if (sorted_) Sort();
  }
}

// The rows stand in key order for the other direction. A stable sort in this
// one puts the runs of equal keys in reverse order, each run keeping its own
// order: found with one comparison per row, instead of a sort.
void ListModel::ReverseRuns() {
  const std::vector<std::uint32_t> before = order_.Flatten();
  std::vector<std::uint32_t> after;
  after.reserve(before.size());
  size_t end = before.size();
  while (end > 0) {
    size_t begin = end - 1;
    while (begin > 0 && Compare(before[begin - 1], before[begin]) == 0) --begin;
    after.insert(after.end(), before.begin() + static_cast<std::ptrdiff_t>(begin),
                 before.begin() + static_cast<std::ptrdiff_t>(end));
    end = begin;
  }
  order_.Assign(after);
  if (observer_ != nullptr) observer_->RowsReordered();
}

// A composite key made of a digit and a padded number of the facts: its
// text is thirty-one digits, ordered as (prefix, number).
bool ListModel::NumericKey(std::uint32_t row, double& number, char16_t& prefix) const {
  const StoredRow& r = rows_[row];
  if (sortKey_ != kKey || r.keyColumn == 0 || ((r.fromFacts >> r.keyColumn) & 1u) == 0) return false;
  if (r.keyPrefix < u'0' || r.keyPrefix > u'9') return false;
  prefix = r.keyPrefix;
  return PaddedFact(r.facts, r.keyColumn, number);
}

// Three-way comparison of two rows' keys in the current direction.
int ListModel::Compare(std::uint32_t a, std::uint32_t b) const {
  int c = 0;
  double x = 0;
  double y = 0;
  char16_t p = 0;
  char16_t q = 0;
  if (NumericKey(a, x, p) && NumericKey(b, y, q)) {
    c = p != q ? (p < q ? -1 : 1) : (x < y ? -1 : x > y ? 1 : 0);
  } else {
    keyA_.clear();
    keyB_.clear();
    AppendTextOf(a, sortKey_, keyA_);
    AppendTextOf(b, sortKey_, keyB_);
    c = textOrder_ != nullptr ? Sign(textOrder_->Compare(keyA_, keyB_)) : Sign(keyA_.compare(keyB_));
  }
  return sortOrder_ == 1 ? -c : c;
}

// A stable sort of `rows` by key. Padded keys are read once into an item
// that travels with its row, so that comparing them touches no row.
void ListModel::StableSortRows(std::vector<std::uint32_t>& rows) const {
  struct Item {
    double number;
    std::uint32_t row;
    char16_t prefix;
    bool numeric;
  };
  std::vector<Item> items;
  items.reserve(rows.size());
  for (const std::uint32_t row : rows) {
    Item item{0, row, 0, false};
    item.numeric = NumericKey(row, item.number, item.prefix);
    items.push_back(item);
  }
  const int sign = sortOrder_ == 1 ? -1 : 1;
  std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
    if (a.numeric && b.numeric) {
      const int c = a.prefix != b.prefix ? (a.prefix < b.prefix ? -1 : 1)
                                         : (a.number < b.number ? -1 : a.number > b.number ? 1 : 0);
      return sign * c < 0;
    }
    return Compare(a.row, b.row) < 0;
  });
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = items[i].row;
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
  std::vector<std::uint32_t> rows = order_.Flatten();
  StableSortRows(rows);
  order_.Assign(rows);
  if (observer_ != nullptr) observer_->RowsReordered();
}

// The common case of adding one row to a sorted list: every other row is in
// order, so a binary search finds the row's place. Among equal keys it goes
// where a stable sort would put it: after those above it, before those below.
void ListModel::MoveIntoPlace(std::uint32_t row) {
  const size_t from = order_.PositionOf(row);
  // The first position in [first, last) whose row does not pass `before`.
  const auto partition = [&](size_t first, size_t last, auto before) {
    while (first < last) {
      const size_t middle = first + (last - first) / 2;
      if (before(order_.At(middle))) {
        first = middle + 1;
      } else {
        last = middle;
      }
    }
    return first;
  };
  size_t to = from;
  if (from > 0 && Compare(row, order_.At(from - 1)) < 0) {
    to = partition(0, from, [&](std::uint32_t other) { return Compare(row, other) >= 0; });
  } else if (from + 1 < order_.Size() && Compare(order_.At(from + 1), row) < 0) {
    to = partition(from + 1, order_.Size(), [&](std::uint32_t other) { return Compare(other, row) < 0; }) - 1;
  }
  if (to == from) return;
  order_.Move(from, to);
  if (observer_ != nullptr) observer_->RowMoved(static_cast<int>(from) + 1, static_cast<int>(to) + 1);
}

// Several rows out of place: sort just those (ties keep display order), then
// merge them into the rows that stayed in order, ordering equal keys by the
// old position as a stable sort of the whole list would.
void ListModel::MergeDisplaced() {
  const std::vector<std::uint32_t> before = order_.Flatten();
  std::vector<std::uint32_t> oldPosition(rows_.size());
  for (size_t i = 0; i < before.size(); ++i) oldPosition[before[i]] = static_cast<std::uint32_t>(i);
  std::vector<std::uint32_t> moving;
  std::vector<std::uint32_t> staying;
  moving.reserve(displaced_.size());
  staying.reserve(before.size() - displaced_.size());
  for (const std::uint32_t row : before) (state_[row].displaced ? moving : staying).push_back(row);
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
  order_.Assign(merged);
  if (observer_ != nullptr) observer_->RowsReordered();
}

namespace {

char16_t FoldCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  if (c >= u'\uFF21' && c <= u'\uFF3A') return static_cast<char16_t>(c - u'\uFF21' + u'\uFF41');
  return c;
}

bool StartsWithIgnoringCase(StrView text, StrView prefix) {
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
