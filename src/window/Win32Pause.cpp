#include "window/Win32Pause.h"

#include <timeapi.h>

#include <algorithm>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace tarnwick {

namespace {

double CounterMilliseconds() {
  LARGE_INTEGER frequency, now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool WaitHighResolution(HANDLE timer) {
  LARGE_INTEGER due;
  due.QuadPart = -10000;  // 1 ms, relative, in 100 ns units
  return ::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE) &&
         ::WaitForSingleObject(timer, INFINITE) == WAIT_OBJECT_0;
}

void SleepAtRaisedResolution() {
  ::timeBeginPeriod(1);
  ::Sleep(1);
  ::timeEndPeriod(1);
}

}  // namespace

Win32Pause::Win32Pause()
    : timer_(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                      TIMER_ALL_ACCESS)) {}

void Win32Pause::OneMillisecond() {
  switch (way_) {
    case Way::Measuring:
      MeasureSleep();
      return;
    case Way::Sleep:
      SleepWatched();
      return;
    case Way::HighResolutionTimer:
      if (WaitHighResolution(timer_.get())) return;
      break;
    case Way::RaisedResolutionSleep:
      break;
  }
  SleepAtRaisedResolution();
}

void Win32Pause::MeasureSleep() {
  const double start = CounterMilliseconds();
  ::Sleep(1);
  trialMs_[trials_++] = CounterMilliseconds() - start;
  if (trials_ < kTrials) return;
  std::sort(trialMs_.begin(), trialMs_.end());
  if (trialMs_[kTrials / 2] <= kExactSleepMs) {
    way_ = Way::Sleep;
  } else {
    way_ = timer_ ? Way::HighResolutionTimer : Way::RaisedResolutionSleep;
  }
}

void Win32Pause::SleepWatched() {
  const double start = CounterMilliseconds();
  ::Sleep(1);
  // Where the timer resolution is shared by all programs, the one that had
  // raised it may have let it go: a run of long sleeps turns to the timer.
  longSleeps_ = CounterMilliseconds() - start > kExactSleepMs ? longSleeps_ + 1 : 0;
  if (longSleeps_ >= kTrials) way_ = timer_ ? Way::HighResolutionTimer : Way::RaisedResolutionSleep;
}

const char* PauseWayName(Win32Pause::Way way) {
  switch (way) {
    case Win32Pause::Way::Measuring:
      return "still measuring";
    case Win32Pause::Way::Sleep:
      return "Sleep(1)";
    case Win32Pause::Way::HighResolutionTimer:
      return "high-resolution timer";
    case Win32Pause::Way::RaisedResolutionSleep:
      return "timeBeginPeriod(1) + Sleep(1)";
  }
  return "";
}

}  // namespace tarnwick
