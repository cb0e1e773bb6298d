#include "scan/SeenFiles.h"

namespace tarnwick {
namespace {

constexpr std::size_t kFirstSlots = 1024;  // a power of two, as every size after it

// IDs are often consecutive record numbers: mixed, they spread over the table.
std::uint64_t Mixed(std::uint64_t x) {
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ULL;
  return x ^ (x >> 33);
}

}  // namespace

bool SeenFiles::FirstTime(std::uint32_t volume, FileId id) {
  if (!id.Known()) return true;
  if (id.high != 0) return wide_.emplace(volume, id.high, id.low).second;
  return TableOf(volume).Insert(id.low);
}

std::size_t SeenFiles::BytesHeld() const {
  std::size_t bytes = tables_.capacity() * sizeof(Table);
  for (const Table& t : tables_) bytes += t.slots.capacity() * sizeof(std::uint64_t);
  // A tree node holds the key and about four words besides.
  return bytes + wide_.size() * (sizeof(*wide_.begin()) + 4 * sizeof(void*));
}

SeenFiles::Table& SeenFiles::TableOf(std::uint32_t volume) {
  for (Table& t : tables_) {
    if (t.volume == volume) return t;
  }
  tables_.push_back(Table{volume, {}, 0});
  return tables_.back();
}

bool SeenFiles::Table::Insert(std::uint64_t id) {
  // At most half full, so that a miss ends soon.
  if (2 * (used + 1) > slots.size()) Grow();
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = Mixed(id) & mask;; i = (i + 1) & mask) {
    if (slots[i] == id) return false;
    if (slots[i] == 0) {
      slots[i] = id;
      ++used;
      return true;
    }
  }
}

void SeenFiles::Table::Grow() {
  std::vector<std::uint64_t> old = std::move(slots);
  slots.assign(old.empty() ? kFirstSlots : old.size() * 2, 0);
  const std::size_t mask = slots.size() - 1;
  for (const std::uint64_t id : old) {
    if (id == 0) continue;
    std::size_t i = Mixed(id) & mask;
    while (slots[i] != 0) i = (i + 1) & mask;
    slots[i] = id;
  }
}

}  // namespace tarnwick
