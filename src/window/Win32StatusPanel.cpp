#include "window/Win32StatusPanel.h"

#include <commctrl.h>

namespace tarnwick {

namespace {

// Every message by which the first panel's text can be read.
bool ReadsText(UINT message) {
  switch (message) {
    case SB_GETTEXTW:
    case SB_GETTEXTA:
    case SB_GETTEXTLENGTHW:
    case SB_GETTEXTLENGTHA:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      return true;
    default:
      return false;
  }
}

}  // namespace

Win32StatusPanel::~Win32StatusPanel() { Detach(); }

void Win32StatusPanel::Attach(HWND statusBar, HWND timerOwner, UINT_PTR timerId) {
  Detach();
  if (statusBar == nullptr ||
      !::SetWindowSubclass(statusBar, &Win32StatusPanel::StatusBarProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
    return;
  }
  statusBar_ = statusBar;
  timerOwner_ = timerOwner;
  timerId_ = timerId;
}

void Win32StatusPanel::Detach() {
  if (timerRunning_ && timerOwner_ != nullptr) ::KillTimer(timerOwner_, timerId_);
  timerRunning_ = false;
  if (statusBar_ != nullptr) ::RemoveWindowSubclass(statusBar_, &Win32StatusPanel::StatusBarProc, 0);
  statusBar_ = nullptr;
  timerOwner_ = nullptr;
  holding_ = false;
  held_.clear();
}

void Win32StatusPanel::Write(std::wstring text) {
  if (statusBar_ == nullptr) return;
  held_ = std::move(text);
  holding_ = true;
  // Within a frame the text waits for the frame's end; the first text after
  // a quiet spell shows at once and starts the frames, which stop at the
  // first that finds nothing held.
  if (timerRunning_) return;
  DrawHeld();
  timerRunning_ = ::SetTimer(timerOwner_, timerId_, kFrameMs, nullptr) != 0;
}

void Win32StatusPanel::OnTimer() {
  if (holding_) {
    DrawHeld();
    return;
  }
  ::KillTimer(timerOwner_, timerId_);
  timerRunning_ = false;
}

void Win32StatusPanel::DrawHeld() {
  holding_ = false;
  // The bar repaints the panel as it takes the text.
  ::SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(held_.c_str()));
}

LRESULT CALLBACK Win32StatusPanel::StatusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                 UINT_PTR id, DWORD_PTR self) {
  auto* panel = reinterpret_cast<Win32StatusPanel*>(self);
  if (ReadsText(message) && panel->holding_) panel->DrawHeld();
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(window, &Win32StatusPanel::StatusBarProc, id);
    panel->statusBar_ = nullptr;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tarnwick
