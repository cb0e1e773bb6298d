#pragma once
// The status bar's first panel, which a search writes for every folder,
// hundreds of times a second. The screen needs at most one drawing a frame:
// a text written within a frame of the last drawing is held, and a timer
// draws the last one at the frame's end. Whoever reads the panel meanwhile,
// this program or another process, gets the last text written: a read
// draws the held text first.
#include <windows.h>

#include <string>

namespace tarnwick {

class Win32StatusPanel {
 public:
  // Ten drawings a second read as live. Each repaints the whole themed bar
  // at once, which under Wine's default theme takes about 1.5 ms on a
  // window 900 pixels wide (its cost grows with the width), so more frames
  // would only slow the search.
  static constexpr UINT kFrameMs = 100;

  Win32StatusPanel() = default;
  ~Win32StatusPanel();
  Win32StatusPanel(const Win32StatusPanel&) = delete;
  Win32StatusPanel& operator=(const Win32StatusPanel&) = delete;

  // `timerOwner` gets WM_TIMER with `timerId` and passes it to OnTimer.
  void Attach(HWND statusBar, HWND timerOwner, UINT_PTR timerId);
  void Detach();
  void Write(std::wstring text);
  void OnTimer();

 private:
  static LRESULT CALLBACK StatusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
  void DrawHeld();

  HWND statusBar_ = nullptr;
  HWND timerOwner_ = nullptr;
  UINT_PTR timerId_ = 0;
  bool timerRunning_ = false;
  std::wstring held_;
  bool holding_ = false;
};

}  // namespace tarnwick
