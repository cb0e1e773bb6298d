#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

namespace tarnwick {

// The program's one message loop, and the pump that lets queued messages run
// from inside a handler. Both give the main window the keyboard interface of
// a dialog (Tab, Enter, Esc) and both notice WM_QUIT: a WM_QUIT taken by the
// pump in the middle of a search ends the loop as soon as the handlers return.
class Win32MessageLoop {
 public:
  // The window that gets the dialog keyboard interface; nullptr when gone.
  void SetDialogWindow(HWND window) { dialog_ = window; }

  // Hands one message on: keyboard navigation first, otherwise translated
  // and dispatched.
  void Deliver(MSG& message);

  // Runs every message queued at this moment, and those they queue, until
  // the queue is empty or WM_QUIT arrives.
  void PumpPending();

  // Runs until WM_QUIT, or returns at once when one was already taken;
  // returns the exit code it carried.
  int Run();

  bool QuitReceived() const { return quit_; }

  // When the keyboard or mouse input being handled now was made, on the
  // GetTickCount64 scale; nothing while no input is being handled (a
  // message sent by a program, say).
  std::optional<std::uint64_t> InputTime() const { return inputTime_; }

 private:
  void RememberQuit(const MSG& message);

  HWND dialog_ = nullptr;
  bool quit_ = false;
  int exitCode_ = 0;
  std::optional<std::uint64_t> inputTime_;
};

}  // namespace tarnwick
