#pragma once
// A real temporary folder for the Windows-side tests, removed again at the end.
#include <cstdint>
#include <string>

#include "base/Text.h"

namespace tarnwick::testing {

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The root, ending in "\".
  const Str& root() const { return root_; }

  // Relative paths use "\"; parents must exist. Returns the full path.
  Str Folder(const Str& relative);
  Str File(const Str& relative, std::uint64_t length, std::uint32_t attributes = 0);

 private:
  Str root_;
};

}  // namespace tarnwick::testing
