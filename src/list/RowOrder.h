#pragma once
// The display order of the rows: a sequence of row numbers, kept in chunks of
// a few hundred, that lets one row move to another place and finds the row
// at a position or the position of a row in a few hundred steps for 100,000
// rows. A flat array would shift half of such a sorted list, and renumber
// it, for every row put into its place.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

class RowOrder {
 public:
  std::size_t Size() const { return size_; }
  // The row at 0-based position `position` (< Size()).
  std::uint32_t At(std::size_t position) const;
  // The 0-based position of `row`, which must be in the order.
  std::size_t PositionOf(std::uint32_t row) const;

  void Clear();
  void PushBack(std::uint32_t row);
  // The row at `from` goes to `to`; the rows between shift by one towards
  // `from`.
  void Move(std::size_t from, std::size_t to);
  // The whole order at once, and back.
  void Assign(const std::vector<std::uint32_t>& rows);
  std::vector<std::uint32_t> Flatten() const;

 private:
  static constexpr std::size_t kChunkRows = 512;

  struct Chunk {
    std::vector<std::uint32_t> rows;
    std::size_t place = 0;  // index in sequence_
  };

  // The chunk holding position `position` (< size_), and the offset in it.
  std::size_t Locate(std::size_t position, std::size_t& offset) const;
  void Insert(std::size_t position, std::uint32_t row);
  std::uint32_t Erase(std::size_t position);
  void Split(std::size_t chunk);
  void Restart(std::size_t place);  // chunk starts from sequence_[place] on
  std::size_t NewChunk();
  void Note(std::uint32_t row, std::size_t chunk);

  std::vector<Chunk> chunks_;            // by chunk number, never reordered
  std::vector<std::size_t> sequence_;    // chunk numbers in display order
  std::vector<std::size_t> starts_;      // parallel to sequence_
  std::vector<std::uint32_t> chunkOf_;   // row -> chunk number
  std::size_t size_ = 0;
};

}  // namespace tarnwick
