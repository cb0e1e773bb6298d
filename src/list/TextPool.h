#pragma once
// Keeps texts until Clear, in blocks that never move: a text added stays
// where it is for as long as the pool keeps it, and clearing gives back a
// few blocks rather than one allocation per text (a list of 100,000 rows
// is emptied at the start of every search, with the window waiting).
#include <cstddef>
#include <memory>
#include <vector>

#include "base/Text.h"

namespace tarnwick {

class TextPool {
 public:
  // A copy of `text` that stays valid until Clear.
  StrView Add(StrView text);
  void Clear();

 private:
  static constexpr size_t kBlockChars = size_t{1} << 16;

  std::vector<std::unique_ptr<char16_t[]>> blocks_;
  size_t used_ = 0;  // of the last block
  size_t room_ = 0;  // left in the last block
};

}  // namespace tarnwick
