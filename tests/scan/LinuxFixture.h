#pragma once
// The folders that scan-fixture.sh made on the Linux side, as the Windows-side
// tests see them through Wine's Z: drive.
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Text.h"

namespace tarnwick::testing {

// The fixture's root as a Windows folder path ending in "\", or nothing when
// the tests run without it.
std::optional<Str> LinuxFixtureRoot();

// Skips the calling test when the fixture is missing; else sets `root`.
#define TARNWICK_REQUIRE_LINUX_FIXTURE(root)                                           \
  const auto root##Found = ::tarnwick::testing::LinuxFixtureRoot();                    \
  if (!root##Found) GTEST_SKIP() << "needs the Linux fixture (TARNWICK_SCAN_FIXTURE)"; \
  const Str root = *root##Found

// One line of tree.expected: the totals that find gave for an immediate
// subfolder of the generated tree.
struct ExpectedTotals {
  Str name;
  double files = 0;
  double bytes = 0;
  double dirs = 0;
};
std::vector<ExpectedTotals> ReadExpectedTotals(const Str& fixtureRoot);

// ondisk.expected: what stat said of the folder "ondisk", the allocations of
// its distinct files and the lengths of all its names; -1 when unread.
struct ExpectedRoom {
  double onDisk = -1;
  double bytes = -1;
};
ExpectedRoom ReadExpectedRoom(const Str& fixtureRoot);

// The six 48-character folder names below "long\" and "tree\deep\", joined
// with "\" and ending in "\".
Str LongTail();

}  // namespace tarnwick::testing
