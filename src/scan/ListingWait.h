#pragma once
// What the window's thread does while a worker thread lists a folder for it.

namespace tarnwick {

class ListingWait {
 public:
  virtual ~ListingWait() = default;
  // Called on the waiting thread, again and again until the answer is
  // there: lets the window run, then rests until ListingReady, new input or
  // a short time passes. False when the answer is no longer wanted (the
  // user stopped the search, the window was closed).
  virtual bool KeepWaiting() = 0;
  // Called from a worker thread when an answer someone waits for is there.
  virtual void ListingReady() = 0;
};

}  // namespace tarnwick
