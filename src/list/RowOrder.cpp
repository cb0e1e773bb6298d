#include "list/RowOrder.h"

#include <algorithm>

namespace tarnwick {

std::size_t RowOrder::Locate(std::size_t position, std::size_t& offset) const {
  // The last chunk starting at or before the position; empty chunks share
  // their start with the next one and are passed over.
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  const auto place = static_cast<std::size_t>(after - starts_.begin()) - 1;
  offset = position - starts_[place];
  return sequence_[place];
}

std::uint32_t RowOrder::At(std::size_t position) const {
  std::size_t offset = 0;
  const std::size_t chunk = Locate(position, offset);
  return chunks_[chunk].rows[offset];
}

std::size_t RowOrder::PositionOf(std::uint32_t row) const {
  const Chunk& chunk = chunks_[chunkOf_[row]];
  const auto at = std::find(chunk.rows.begin(), chunk.rows.end(), row);
  return starts_[chunk.place] + static_cast<std::size_t>(at - chunk.rows.begin());
}

void RowOrder::Clear() {
  chunks_.clear();
  sequence_.clear();
  starts_.clear();
  chunkOf_.clear();
  size_ = 0;
}

void RowOrder::Note(std::uint32_t row, std::size_t chunk) {
  if (row >= chunkOf_.size()) chunkOf_.resize(static_cast<std::size_t>(row) + 1);
  chunkOf_[row] = static_cast<std::uint32_t>(chunk);
}

std::size_t RowOrder::NewChunk() {
  chunks_.emplace_back();
  chunks_.back().rows.reserve(kChunkRows);
  return chunks_.size() - 1;
}

void RowOrder::PushBack(std::uint32_t row) { Insert(size_, row); }

void RowOrder::Insert(std::size_t position, std::uint32_t row) {
  if (sequence_.empty()) {
    const std::size_t chunk = NewChunk();
    sequence_.push_back(chunk);
    starts_.push_back(0);
    chunks_[chunk].place = 0;
  }
  std::size_t chunk = sequence_.back();
  std::size_t offset = chunks_[chunk].rows.size();
  if (position < size_) chunk = Locate(position, offset);
  Chunk& target = chunks_[chunk];
  target.rows.insert(target.rows.begin() + static_cast<std::ptrdiff_t>(offset), row);
  Note(row, chunk);
  ++size_;
  Restart(target.place + 1);
  if (target.rows.size() >= 2 * kChunkRows) Split(chunk);
}

std::uint32_t RowOrder::Erase(std::size_t position) {
  std::size_t offset = 0;
  Chunk& chunk = chunks_[Locate(position, offset)];
  const std::uint32_t row = chunk.rows[offset];
  chunk.rows.erase(chunk.rows.begin() + static_cast<std::ptrdiff_t>(offset));
  --size_;
  Restart(chunk.place + 1);
  return row;
}

void RowOrder::Move(std::size_t from, std::size_t to) {
  if (from == to) return;
  Insert(to, Erase(from));
}

void RowOrder::Split(std::size_t chunk) {
  const std::size_t upper = NewChunk();
  Chunk& lower = chunks_[chunk];
  Chunk& added = chunks_[upper];
  const auto half = lower.rows.begin() + static_cast<std::ptrdiff_t>(lower.rows.size() / 2);
  added.rows.assign(half, lower.rows.end());
  lower.rows.erase(half, lower.rows.end());
  for (const std::uint32_t row : added.rows) chunkOf_[row] = static_cast<std::uint32_t>(upper);
  const std::size_t place = lower.place + 1;
  sequence_.insert(sequence_.begin() + static_cast<std::ptrdiff_t>(place), upper);
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(place), 0);
  for (std::size_t p = place; p < sequence_.size(); ++p) chunks_[sequence_[p]].place = p;
  Restart(place);
}

void RowOrder::Restart(std::size_t place) {
  for (std::size_t p = std::max<std::size_t>(place, 1); p < sequence_.size(); ++p) {
    const Chunk& before = chunks_[sequence_[p - 1]];
    starts_[p] = starts_[p - 1] + before.rows.size();
  }
}

void RowOrder::Assign(const std::vector<std::uint32_t>& rows) {
  Clear();
  for (std::size_t first = 0; first < rows.size(); first += kChunkRows) {
    const std::size_t chunk = NewChunk();
    const std::size_t last = std::min(rows.size(), first + kChunkRows);
    chunks_[chunk].rows.assign(rows.begin() + static_cast<std::ptrdiff_t>(first),
                               rows.begin() + static_cast<std::ptrdiff_t>(last));
    chunks_[chunk].place = sequence_.size();
    sequence_.push_back(chunk);
    starts_.push_back(first);
    for (std::size_t i = first; i < last; ++i) Note(rows[i], chunk);
  }
  size_ = rows.size();
}

std::vector<std::uint32_t> RowOrder::Flatten() const {
  std::vector<std::uint32_t> rows;
  rows.reserve(size_);
  for (const std::size_t chunk : sequence_) rows.insert(rows.end(), chunks_[chunk].rows.begin(), chunks_[chunk].rows.end());
  return rows;
}

}  // namespace tarnwick
