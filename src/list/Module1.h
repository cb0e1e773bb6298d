#pragma once
#include <cstdint>

namespace tarnwick {

// The sub-item whose text forms the main part of every row's sort key; set to
// 5 (byte size) at start-up and changed by header clicks. Kept for the life
// of the program, across searches.
extern std::int32_t SortColumn;

}  // namespace tarnwick
