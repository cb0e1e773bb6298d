#include "window/Win32MessageLoop.h"

namespace tarnwick {

namespace {

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// A message's time is GetTickCount's, which wraps every 49.7 days; it lies
// at most that far back.
std::uint64_t TickCount64At(DWORD tick) {
  const std::uint64_t now = ::GetTickCount64();
  const DWORD age = static_cast<DWORD>(now) - tick;
  return age <= now ? now - age : 0;
}

// What the loop's messages were made at, for as long as one is handled;
// handlers that let messages run from inside start afresh for each.
class InputTimeScope {
 public:
  InputTimeScope(std::optional<std::uint64_t>& slot, std::optional<std::uint64_t> value)
      : slot_(slot), saved_(slot) {
    slot_ = value;
  }
  ~InputTimeScope() { slot_ = saved_; }
  InputTimeScope(const InputTimeScope&) = delete;
  InputTimeScope& operator=(const InputTimeScope&) = delete;

 private:
  std::optional<std::uint64_t>& slot_;
  std::optional<std::uint64_t> saved_;
};

}  // namespace

void Win32MessageLoop::Deliver(MSG& message) {
  const InputTimeScope scope(inputTime_, IsInput(message.message) ? std::optional<std::uint64_t>(TickCount64At(message.time))
                                                                  : std::nullopt);
  if (dialog_ != nullptr && ::IsDialogMessageW(dialog_, &message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void Win32MessageLoop::RememberQuit(const MSG& message) {
  quit_ = true;
  exitCode_ = static_cast<int>(message.wParam);
}

void Win32MessageLoop::PumpPending() {
  // Messages sent to the window while the queue is read belong to no input.
  const InputTimeScope scope(inputTime_, std::nullopt);
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
