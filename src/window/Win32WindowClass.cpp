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

}  // namespace tarnwick
