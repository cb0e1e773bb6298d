#pragma once
// What the mouse and the keys do in the result list when they navigate: which
// rows can be opened, and which keys go up one folder.
#include <cstdint>

#include "list/ListModel.h"

namespace tarnwick {

// Mouse buttons and shift keys, as the list's mouse and key events report
// them.
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr std::int16_t kShiftMask = 1;
constexpr std::int16_t kCtrlMask = 2;
constexpr std::int16_t kAltMask = 4;

// Key codes, the platform's virtual keys.
constexpr std::int16_t kKeyBack = 0x08;
constexpr std::int16_t kKeyUp = 0x26;
constexpr std::int16_t kKeyC = 0x43;
constexpr std::int16_t kKeyF5 = 0x74;

// A row that navigation opens: every row but that of a file lying in the
// root, whose kind reads 2.
bool IsOpenableRow(const ListModel& rows, int position);

// The folder row whose bare name is `name` (0 when none): exactly as
// written, or else ignoring the case of Latin letters, as the system's
// names do.
int FolderRowNamed(const ListModel& rows, StrView name);

// Backspace and Alt+Up go up one folder, as a file manager's list does.
bool IsGoUpKey(std::int16_t KeyCode, std::int16_t Shift);

// What a key pressed in the list does, after the conventions of the
// system's file lists: Backspace and Alt+Up go up, Ctrl+C copies the
// selected row's path, Ctrl+Shift+C every row as a table, F5 searches the
// root again.
enum class ListKey { None, GoUp, CopyPath, CopyTable, SearchAgain };
ListKey ListKeyFor(std::int16_t KeyCode, std::int16_t Shift);

}  // namespace tarnwick
