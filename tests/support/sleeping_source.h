#pragma once
#include <cstdint>

#include "platform/clock.h"
#include "platform/event_loop.h"

namespace gs {

// Stands in for the window system in a real-time run on a simulated clock:
// every wait moves the clock on, up to lateUs late as a busy scheduler would,
// and counts as one wake-up of the thread.
class SleepingSource : public EventSource {
 public:
  explicit SleepingSource(SimClock& clock, int64_t lateUs = 900) : clock_(clock), lateUs_(lateUs) {}
  void Poll(int64_t maxWaitUs) override {
    if (maxWaitUs <= 0) return;
    ++wakeUps;
    seed_ = seed_ * 1103515245 + 12345;
    clock_.Advance(maxWaitUs + static_cast<int64_t>(seed_ >> 16) % lateUs_);
  }
  int wakeUps = 0;

 private:
  SimClock& clock_;
  int64_t lateUs_;
  uint32_t seed_ = 1;
};

}  // namespace gs
