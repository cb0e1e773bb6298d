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

// A row that navigation opens: every row but that of a file lying in the
// root, whose kind reads 2.
bool IsOpenableRow(const ListModel& rows, int position);

// Backspace and Alt+Up go up one folder, as a file manager's list does.
bool IsGoUpKey(std::int16_t KeyCode, std::int16_t Shift);

}  // namespace tarnwick
