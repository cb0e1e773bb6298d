#include "app/Win32WindowHarness.h"

#include <string>

#include "base/Win32Text.h"

namespace tarnwick::testing {

void PrepareThread() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    return ::InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
  DiscardQuitMessages();
}

void DiscardQuitMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

bool QuitMessageQueued() {
  MSG message;
  return ::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

void Drain(Win32MessageLoop& loop) { loop.PumpPending(); }

void PressKey(Win32MessageLoop& loop, HWND mainWindow, WPARAM key) {
  // As the system does: keys go to the focused window; with nothing
  // focused, to the active window as system keys, which dialog handling
  // ignores.
  HWND focus = ::GetFocus();
  MSG message{};
  message.hwnd = focus != nullptr ? focus : mainWindow;
  message.message = focus != nullptr ? WM_KEYDOWN : WM_SYSKEYDOWN;
  message.wParam = key;
  message.lParam = 1;
  message.time = ::GetTickCount();
  loop.Deliver(message);
  message.message = focus != nullptr ? WM_KEYUP : WM_SYSKEYUP;
  message.lParam = static_cast<LPARAM>(0xC0000001u);
  loop.Deliver(message);
  Drain(loop);
}

RECT ChildRect(HWND child) {
  RECT rect;
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

Str TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  ::GetWindowTextW(window, buffer, 1024);
  return FromWide(buffer);
}

MessageBoxAnswerer* MessageBoxAnswerer::current_ = nullptr;

MessageBoxAnswerer::MessageBoxAnswerer(int button) : button_(button) {
  current_ = this;
  timer_ = ::SetTimer(nullptr, 0, 20, &MessageBoxAnswerer::OnTimer);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  ::KillTimer(nullptr, timer_);
  current_ = nullptr;
}

void CALLBACK MessageBoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ == nullptr) return;
  ::EnumThreadWindows(::GetCurrentThreadId(), &MessageBoxAnswerer::AnswerIfMessageBox, 0);
}

BOOL CALLBACK MessageBoxAnswerer::AnswerIfMessageBox(HWND window, LPARAM) {
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  if (std::wstring(className) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  SeenBox box;
  box.caption = TextOf(window);
  wchar_t text[1024] = {};
  ::GetDlgItemTextW(window, 0xFFFF, text, 1024);
  box.text = FromWide(text);
  box.owner = ::GetWindow(window, GW_OWNER);
  for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::GetClassNameW(child, className, 64);
    const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
    if (!::IsWindowVisible(child)) continue;
    if (std::wstring(className) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
        ::SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      box.hasIcon = true;
    }
    if (std::wstring(className) == L"Button") box.buttons.push_back(::GetDlgCtrlID(child));
  }
  current_->seen_.push_back(box);
  ::SendMessageW(::GetDlgItem(window, current_->button_), BM_CLICK, 0, 0);
  return FALSE;
}

}  // namespace tarnwick::testing
