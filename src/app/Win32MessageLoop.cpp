#include "app/Win32MessageLoop.h"

namespace tarnwick {

void Win32MessageLoop::Deliver(MSG& message) {
  if (dialog_ != nullptr && ::IsDialogMessageW(dialog_, &message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void Win32MessageLoop::RememberQuit(const MSG& message) {
  quit_ = true;
  exitCode_ = static_cast<int>(message.wParam);
}

void Win32MessageLoop::PumpPending() {
  MSG message;
  while (!quit_ && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      RememberQuit(message);
      break;
    }
    Deliver(message);
  }
}

int Win32MessageLoop::Run() {
  MSG message;
  while (!quit_) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      RememberQuit(message);
    } else if (got == -1) {
      break;
    } else {
      Deliver(message);
    }
  }
  return exitCode_;
}

}  // namespace tarnwick
