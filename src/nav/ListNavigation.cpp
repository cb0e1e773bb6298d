#include "nav/ListNavigation.h"

#include "list/NumberFormat.h"
#include "list/ResultColumns.h"

namespace tarnwick {
namespace {

struct KeyAction {
  std::int16_t keyCode;
  std::int16_t shift;
  ListKey action;
};

// Exact shift states: Shift+Backspace or Ctrl+Alt+Up mean something else to
// someone.
constexpr KeyAction kListKeys[] = {
    {kKeyBack, 0, ListKey::GoUp},
    {kKeyUp, kAltMask, ListKey::GoUp},
    {kKeyC, kCtrlMask, ListKey::CopyPath},
    {kKeyC, kCtrlMask | kShiftMask, ListKey::CopyTable},
    {kKeyF5, 0, ListKey::SearchAgain},
};

}  // namespace

bool IsOpenableRow(const ListModel& rows, int position) {
  if (position < 1 || position > rows.Count()) return false;
  return ReadNumber(rows.SubItem(position, kSubKind)) != kRootFileRow;
}

int FolderRowNamed(const ListModel& rows, StrView name) {
  int caseless = 0;
  for (int i = 1; i <= rows.Count(); ++i) {
    if (!IsOpenableRow(rows, i)) continue;
    const Str bare = rows.SubItem(i, kSubBareName);
    if (bare == name) return i;
    if (caseless == 0 && EqualIgnoringCase(bare, name)) caseless = i;
  }
  return caseless;
}

bool IsGoUpKey(std::int16_t KeyCode, std::int16_t Shift) { return ListKeyFor(KeyCode, Shift) == ListKey::GoUp; }

ListKey ListKeyFor(std::int16_t KeyCode, std::int16_t Shift) {
  const std::int16_t modifiers = Shift & (kShiftMask | kCtrlMask | kAltMask);
  for (const KeyAction& key : kListKeys) {
    if (key.keyCode == KeyCode && key.shift == modifiers) return key.action;
  }
  return ListKey::None;
}

}  // namespace tarnwick
