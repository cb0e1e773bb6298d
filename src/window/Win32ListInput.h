#pragma once
// What ListView1 does not pass on to its parent: every mouse-button release
// over it, and the keys pressed in it, system keys included.
//
// A list view runs mouse loops of its own while a button is down (drag
// detection, selection); they take the button-up message from the queue
// themselves, so neither the list's window procedure nor a subclass sees
// every release (never a right-button one). A mouse hook of the thread sees
// each mouse message as it is taken from the queue, by whichever loop takes
// it. The release is posted to the owner rather than handled inside the
// list's loop, so its handler may show a menu or start a search.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace tarnwick {

struct ListRelease {
  std::int16_t button;  // 1 left, 2 right, 4 middle
  std::int16_t shift;   // 1 Shift, 2 Ctrl, 4 Alt
  float x;              // in the list's client pixels, as its hit test takes them
  float y;
};

class Win32ListInput {
 public:
  using KeyDown = std::function<void(std::int16_t keyCode, std::int16_t shift)>;

  Win32ListInput() = default;
  ~Win32ListInput() { Detach(); }
  Win32ListInput(const Win32ListInput&) = delete;
  Win32ListInput& operator=(const Win32ListInput&) = delete;

  // Starts watching `list`: each release is posted to `owner` as
  // `releaseMessage` (ReadRelease unpacks it); each key pressed in the list
  // is handed to `onKeyDown` once the list has handled it.
  void Attach(HWND list, HWND owner, UINT releaseMessage, KeyDown onKeyDown);
  void Detach();

  static ListRelease ReadRelease(WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM info);
  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnMouse(WPARAM message, const MOUSEHOOKSTRUCT& info) const;

  HWND list_ = nullptr;
  HWND owner_ = nullptr;
  UINT releaseMessage_ = 0;
  KeyDown onKeyDown_;
  WNDPROC listProc_ = nullptr;  // the list view's own procedure
};

}  // namespace tarnwick
