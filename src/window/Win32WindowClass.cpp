#include "window/Win32WindowClass.h"

#include "window/Win32ResourceIds.h"
#include "base/Win32Text.h"

namespace tarnwick {

bool RegisterProgramWindowClass(const Str& className, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hIcon = static_cast<HICON>(::LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(IDI_TARNWICK), IMAGE_ICON,
                                                      0, 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  const std::wstring name = ToWide(className);
  windowClass.lpszClassName = name.c_str();
  return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK Win32ProgramWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32ProgramWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32ProgramWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  // No exception may unwind through the system's frames that called us.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // A window half created is no window: creation fails instead.
    if (message == WM_CREATE) return -1;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void Win32ProgramWindow::ForgetWindow() {
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
}

}  // namespace tarnwick
