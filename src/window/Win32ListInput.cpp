#include "window/Win32ListInput.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "base/Win32GuiHandles.h"
#include "nav/ListNavigation.h"

namespace tarnwick {
namespace {

// One hook per thread serves every list attached on it.
struct ThreadHook {
  UniqueHook hook;
  std::vector<Win32ListInput*> inputs;
};
thread_local ThreadHook threadHook;

std::int16_t ShiftState() {
  const auto down = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
  return static_cast<std::int16_t>((down(VK_SHIFT) ? kShiftMask : 0) | (down(VK_CONTROL) ? kCtrlMask : 0) |
                                   (down(VK_MENU) ? kAltMask : 0));
}

std::int16_t ButtonOf(WPARAM message) {
  switch (message) {
    case WM_LBUTTONUP:
      return kLeftButton;
    case WM_RBUTTONUP:
      return kRightButton;
    case WM_MBUTTONUP:
      return kMiddleButton;
  }
  return 0;
}

}  // namespace

void Win32ListInput::Attach(HWND list, HWND owner, UINT releaseMessage, KeyDown onKeyDown) {
  Detach();
  list_ = list;
  owner_ = owner;
  releaseMessage_ = releaseMessage;
  onKeyDown_ = std::move(onKeyDown);
  if (!threadHook.hook) {
    threadHook.hook.reset(::SetWindowsHookExW(WH_MOUSE, &Win32ListInput::MouseHook, nullptr, ::GetCurrentThreadId()));
  }
  threadHook.inputs.push_back(this);
  // The list's own procedure is replaced directly rather than through the
  // common controls' subclass chain: that chain looks its data up in a
  // window property for every message the list gets, which under Wine is a
  // round trip to the server and made adding rows to a running search more
  // than twice as slow. The list view leaves its user data to its owner.
  ::SetWindowLongPtrW(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ListInput::ListProc)));
}

void Win32ListInput::Detach() {
  if (list_ == nullptr) return;
  if (listProc_ != nullptr &&
      ::GetWindowLongPtrW(list_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Win32ListInput::ListProc)) {
    ::SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_));
    ::SetWindowLongPtrW(list_, GWLP_USERDATA, 0);
  }
  listProc_ = nullptr;
  auto& inputs = threadHook.inputs;
  inputs.erase(std::remove(inputs.begin(), inputs.end(), this), inputs.end());
  if (inputs.empty()) threadHook.hook.reset();
  list_ = nullptr;
  owner_ = nullptr;
}

ListRelease Win32ListInput::ReadRelease(WPARAM wParam, LPARAM lParam) {
  return {static_cast<std::int16_t>(LOWORD(wParam)), static_cast<std::int16_t>(HIWORD(wParam)),
          static_cast<float>(static_cast<short>(LOWORD(lParam))),
          static_cast<float>(static_cast<short>(HIWORD(lParam)))};
}

LRESULT CALLBACK Win32ListInput::MouseHook(int code, WPARAM message, LPARAM info) {
  // HC_ACTION: the message is being taken from the queue (not just looked at).
  if (code == HC_ACTION && ButtonOf(message) != 0) {
    const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(info);
    for (const Win32ListInput* input : threadHook.inputs) input->OnMouse(message, mouse);
  }
  return ::CallNextHookEx(nullptr, code, message, info);
}

void Win32ListInput::OnMouse(WPARAM message, const MOUSEHOOKSTRUCT& info) const {
  if (info.hwnd != list_) return;
  POINT point = info.pt;
  ::ScreenToClient(list_, &point);
  const WPARAM buttonAndShift = MAKEWPARAM(static_cast<WORD>(ButtonOf(message)), static_cast<WORD>(ShiftState()));
  ::PostMessageW(owner_, releaseMessage_, buttonAndShift, MAKELPARAM(point.x, point.y));
}

LRESULT CALLBACK Win32ListInput::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* input = reinterpret_cast<Win32ListInput*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (input == nullptr || input->listProc_ == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  // Shift+F10 asks for the context menu. The default handling would also
  // keep the F10 as the menu key and, once it is released, put the window
  // menu into keyboard mode whenever no context menu took the release.
  if (message == WM_SYSKEYDOWN && wParam == VK_F10 && (ShiftState() & kShiftMask) != 0) {
    ::SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(-1, -1));
    return 0;
  }
  // The list and the default handling see the key first: Alt+Up must reach
  // it, or the Alt released later would open the window menu.
  const LRESULT result = ::CallWindowProcW(input->listProc_, window, message, wParam, lParam);
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    // No exception may unwind through the list view's frames.
    try {
      if (input->onKeyDown_) input->onKeyDown_(static_cast<std::int16_t>(wParam), ShiftState());
    } catch (...) {
    }
  }
  return result;
}

}  // namespace tarnwick
