#include "app/Win32Pause.h"

#include <timeapi.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace tarnwick {

Win32Pause::Win32Pause()
    : timer_(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                      TIMER_ALL_ACCESS)) {}

void Win32Pause::OneMillisecond() {
  if (timer_) {
    LARGE_INTEGER due;
    due.QuadPart = -10000;  // 1 ms, relative, in 100 ns units
    if (::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE) &&
        ::WaitForSingleObject(timer_.get(), INFINITE) == WAIT_OBJECT_0) {
      return;
    }
  }
  ::timeBeginPeriod(1);
  ::Sleep(1);
  ::timeEndPeriod(1);
}

}  // namespace tarnwick
