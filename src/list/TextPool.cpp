#include "list/TextPool.h"

#include <algorithm>

namespace tarnwick {

StrView TextPool::Add(StrView text) {
  if (text.empty()) return {};
  if (text.size() > room_) {
    // A text longer than a block (a path may have 32,767 characters) gets
    // a block of its own size.
    const size_t size = std::max(kBlockChars, text.size());
    blocks_.push_back(std::make_unique<char16_t[]>(size));
    used_ = 0;
    room_ = size;
  }
  char16_t* place = blocks_.back().get() + used_;
  std::copy(text.begin(), text.end(), place);
  used_ += text.size();
  room_ -= text.size();
  return StrView(place, text.size());
}

void TextPool::Clear() {
  blocks_.clear();
  used_ = 0;
  room_ = 0;
}

}  // namespace tarnwick
