#include "app/Win32RealInput.h"

#include <commctrl.h>

#include <string>

#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

DWORD ButtonFlags(int button, bool down) {
  switch (button) {
    case 1:
      return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    case 2:
      return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    default:
      return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
  }
}

}  // namespace

void ClickAt(HWND window, POINT client, int button, int count) {
  POINT screen = client;
  ::ClientToScreen(window, &screen);
  ::SetCursorPos(screen.x, screen.y);
  std::vector<INPUT> inputs;
  for (int i = 0; i < count; ++i) {
    for (const bool down : {true, false}) {
      INPUT input{};
      input.type = INPUT_MOUSE;
      input.mi.dwFlags = ButtonFlags(button, down);
      inputs.push_back(input);
    }
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PumpUntil(Win32MessageLoop& loop, const std::function<bool()>& done, DWORD limitMs) {
  const ULONGLONG end = ::GetTickCount64() + limitMs;
  for (;;) {
    loop.PumpPending();
    if (done()) return true;
    const ULONGLONG now = ::GetTickCount64();
    if (now >= end) return false;
    // Woken by the next message, such as the input still on its way.
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

POINT RowPoint(HWND list, int index) {
  RECT label{};
  ListView_GetItemRect(list, index, &label, LVIR_LABEL);
  return {label.left + 8, (label.top + label.bottom) / 2};
}

PopupMenuAnswerer* PopupMenuAnswerer::current_ = nullptr;

PopupMenuAnswerer::PopupMenuAnswerer(bool choose) : choose_(choose) {
  current_ = this;
  timer_ = ::SetTimer(nullptr, 0, 20, &PopupMenuAnswerer::OnTimer);
}

PopupMenuAnswerer::~PopupMenuAnswerer() {
  ::KillTimer(nullptr, timer_);
  current_ = nullptr;
}

// An enumeration callback, not a lambda: 32-bit Windows calls it __stdcall.
static BOOL CALLBACK KeepOpenMenu(HWND window, LPARAM found) {
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  if (std::wstring(className) != L"#32768" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK PopupMenuAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ == nullptr) return;
  HWND open = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), KeepOpenMenu, reinterpret_cast<LPARAM>(&open));
  // A menu answered already waits for its keys; once it has closed, the
  // next menu may come in the same window.
  if (open == current_->answered_) return;
  current_->answered_ = open;
  if (open == nullptr) return;
  auto menu = reinterpret_cast<HMENU>(::SendMessageW(open, kGetMenuHandle, 0, 0));
  Seen seen;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    seen.items.push_back(FromWide(text));
  }
  seen.hasDefault = ::GetMenuDefaultItem(menu, TRUE, 0) != static_cast<UINT>(-1);
  RECT rect{};
  ::GetWindowRect(open, &rect);
  seen.topLeft = {rect.left, rect.top};
  current_->seen_.push_back(seen);
  if (current_->choose_) {
    ::PostMessageW(open, WM_KEYDOWN, VK_HOME, 0);
    ::PostMessageW(open, WM_KEYDOWN, VK_RETURN, 0);
  } else {
    ::PostMessageW(open, WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

}  // namespace tarnwick::testing
