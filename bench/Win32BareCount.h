#pragma once
// The least a count of a folder tree can do on Windows: one enumeration pass
// per folder and three additions per entry, nothing kept. The yardstick for
// the scanner's own count.
#include <cstdint>
#include <string>

namespace tarnwick::bench {

struct BareTotals {
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
  std::uint64_t dirs = 0;
};

// Adds the tree below `folder` (a path in the system's form, ending in "\")
// to `totals`; reparse points count as folders and are not entered.
void BareCount(std::wstring& folder, BareTotals& totals);

}  // namespace tarnwick::bench
