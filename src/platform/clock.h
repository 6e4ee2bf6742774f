#pragma once
#include <cstdint>

namespace gs {

// Time source of the whole program. The real clock reads the system; the
// simulated clock lets tests and the headless renderer run the show
// deterministically to the frame.
class Clock {
 public:
  virtual ~Clock() = default;
  // Monotonic microseconds since an arbitrary origin; never goes back.
  virtual int64_t MonotonicUs() const = 0;
  // Local time of day in seconds since midnight, with fraction (0 <= t < 86400).
  virtual double TimeOfDay() const = 0;
};

class SystemClock final : public Clock {
 public:
  int64_t MonotonicUs() const override;
  double TimeOfDay() const override;
};

class SimClock final : public Clock {
 public:
  // startTimeOfDay: the local time of day at simulated time 0.
  explicit SimClock(double startTimeOfDay = 12 * 3600.0) : startTimeOfDay_(startTimeOfDay) {}
  int64_t MonotonicUs() const override { return nowUs_; }
  double TimeOfDay() const override;
  void Advance(int64_t us) { nowUs_ += us; }
  void Set(int64_t us) { nowUs_ = us; }

 private:
  int64_t nowUs_ = 0;
  double startTimeOfDay_;
};

}  // namespace gs
