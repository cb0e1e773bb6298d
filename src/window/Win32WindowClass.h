#pragma once
#include <windows.h>

#include "base/Text.h"

namespace tarnwick {

// Registers a top-level window class of the program: its icon, the arrow
// cursor and the dialog background, with `procedure` as its window
// procedure. True when the class is there, also when it was already.
bool RegisterProgramWindowClass(const Str& className, WNDPROC procedure);

// A top-level window of the program as an object. Created with
// CreationParameter() as CreateWindowExW's last parameter, the window's
// messages reach HandleMessage from WM_NCCREATE on, until ForgetWindow at
// WM_NCDESTROY.
class Win32ProgramWindow {
 public:
  HWND Handle() const { return hwnd_; }

 protected:
  Win32ProgramWindow() = default;
  ~Win32ProgramWindow() = default;
  Win32ProgramWindow(const Win32ProgramWindow&) = delete;
  Win32ProgramWindow& operator=(const Win32ProgramWindow&) = delete;

  bool RegisterWindowClass(const Str& className) { return RegisterProgramWindowClass(className, &WindowProc); }
  // This object as the window procedure reads it back: the address of this
  // base, which in a class of several bases is not that of the whole object.
  void* CreationParameter() { return this; }
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The window is gone: no further message reaches this object.
  void ForgetWindow();

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace tarnwick
