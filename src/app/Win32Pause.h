#pragma once
#include "base/Win32GuiHandles.h"

namespace tarnwick {

// A pause of about one millisecond. The default timer tick of the system is
// 15.6 ms, so a plain Sleep(1) would cost a search 15 ms per folder: a
// high-resolution waitable timer is used where the system has one, else the
// timer resolution is raised to 1 ms for the length of the pause.
class Win32Pause {
 public:
  Win32Pause();
  void OneMillisecond();
  bool UsesHighResolutionTimer() const { return static_cast<bool>(timer_); }

 private:
  UniqueKernelHandle timer_;
};

}  // namespace tarnwick
