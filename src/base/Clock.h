#pragma once
// Time as the program reads it, and the pace of work that keeps the window
// waiting.
#include <cstdint>

namespace tarnwick {

// Milliseconds that only go forward, from an arbitrary start. The window
// supplies them; tests script them.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t Milliseconds() = 0;
};

// For a long stretch of work on the window's thread: Due() says when the
// window should be let run again, at most once per `period` milliseconds,
// counted from the last time it said so (or from Restart).
class Pacer {
 public:
  Pacer(Clock& clock, std::uint64_t period) : clock_(clock), period_(period), last_(clock.Milliseconds()) {}

  void Restart() { last_ = clock_.Milliseconds(); }
  bool Due() {
    const std::uint64_t now = clock_.Milliseconds();
    // A clock that seems to go back (a new start) is taken as a period gone.
    if (now >= last_ && now - last_ < period_) return false;
    last_ = now;
    return true;
  }

 private:
  Clock& clock_;
  std::uint64_t period_;
  std::uint64_t last_;
};

}  // namespace tarnwick
