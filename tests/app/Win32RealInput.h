#pragma once
// Real mouse and keyboard input for the Windows-side tests. It goes through
// the system's input queue, so a control sees it exactly as a user's: the
// list view's own mouse loops, double-click detection and key states
// included. Posted mouse messages would not do (no double-clicks, and
// GetMessagePos gives wherever the pointer happens to be).
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "window/Win32MessageLoop.h"
#include "base/Text.h"

namespace tarnwick::testing {

// Moves the pointer to a point of `window`'s client area and presses and
// releases a button (1 left, 2 right, 4 middle) `count` times there.
void ClickAt(HWND window, POINT client, int button, int count = 1);
// Presses the keys in order and releases them in reverse order.
void PressChord(std::initializer_list<WORD> keys);

// Runs the loop until `done` holds; false when it did not within the time
// limit (a bound on a failing test, not a pace).
bool PumpUntil(Win32MessageLoop& loop, const std::function<bool()>& done, DWORD limitMs = 10000);

// The middle of a list view row's label, in the list's client area.
POINT RowPoint(HWND list, int index);

// While alive, answers every pop-up menu of this thread from inside its
// modal loop: records its items and where it opened, then chooses the
// first item (Home, Enter) or closes the menu (Esc).
class PopupMenuAnswerer {
 public:
  struct Seen {
    std::vector<Str> items;
    bool hasDefault = false;
    POINT topLeft{};
  };
  explicit PopupMenuAnswerer(bool choose);
  ~PopupMenuAnswerer();
  PopupMenuAnswerer(const PopupMenuAnswerer&) = delete;
  PopupMenuAnswerer& operator=(const PopupMenuAnswerer&) = delete;
  const std::vector<Seen>& seen() const { return seen_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  static PopupMenuAnswerer* current_;
  UINT_PTR timer_ = 0;
  bool choose_;
  HWND answered_ = nullptr;
  std::vector<Seen> seen_;
};

}  // namespace tarnwick::testing
