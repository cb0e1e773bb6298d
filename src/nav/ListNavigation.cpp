#include "nav/ListNavigation.h"

#include "list/NumberFormat.h"
#include "list/ResultColumns.h"

namespace tarnwick {
namespace {

struct GoUpKey {
  std::int16_t keyCode;
  std::int16_t shift;
};

// Exact shift states: Shift+Backspace or Ctrl+Alt+Up mean something else to
// someone.
constexpr GoUpKey kGoUpKeys[] = {
    {kKeyBack, 0},
    {kKeyUp, kAltMask},
};

}  // namespace

bool IsOpenableRow(const ListModel& rows, int position) {
  if (position < 1 || position > rows.Count()) return false;
  return ReadNumber(rows.SubItem(position, kSubKind)) != kRootFileRow;
}

bool IsGoUpKey(std::int16_t KeyCode, std::int16_t Shift) {
  const std::int16_t modifiers = Shift & (kShiftMask | kCtrlMask | kAltMask);
  for (const GoUpKey& key : kGoUpKeys) {
    if (key.keyCode == KeyCode && key.shift == modifiers) return true;
  }
  return false;
}

}  // namespace tarnwick
