#pragma once
#include <array>

#include "base/Win32GuiHandles.h"

namespace tarnwick {

// A pause of about one millisecond, taken once per folder by a search, so
// its accuracy is the search's speed. Systems differ in which way of
// pausing comes closest: where a plain Sleep(1) already lasts about a
// millisecond it is the cheapest, since nothing but the thread's own wait is
// involved (a timer object needs the system's timer service, which a busy
// system serves late); where the timer tick is 15.6 ms it lasts that long,
// and a high-resolution waitable timer is used instead, or, without one, the
// timer resolution is raised to 1 ms for the length of the pause. The first
// few pauses are plain sleeps that measure which case this is, and a run
// of long sleeps later turns to the timer.
class Win32Pause {
 public:
  enum class Way { Measuring, Sleep, HighResolutionTimer, RaisedResolutionSleep };

  Win32Pause();
  void OneMillisecond();
  Way ChosenWay() const { return way_; }

 private:
  static constexpr size_t kTrials = 5;
  // A plain sleep that lasts at most this long is exact enough.
  static constexpr double kExactSleepMs = 1.5;

  void MeasureSleep();
  void SleepWatched();

  UniqueKernelHandle timer_;
  Way way_ = Way::Measuring;
  std::array<double, kTrials> trialMs_{};
  size_t trials_ = 0;
  size_t longSleeps_ = 0;
};

const char* PauseWayName(Win32Pause::Way way);

}  // namespace tarnwick
