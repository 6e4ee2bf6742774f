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

// Another clock's time with the stretches it was paused for taken out: it
// stands still while paused and goes on from there, so that whatever runs on
// it finds no time passed. The time of day is the other clock's.
class PausableClock final : public Clock {
 public:
  explicit PausableClock(const Clock& base) : base_(base) {}
  int64_t MonotonicUs() const override;
  double TimeOfDay() const override { return base_.TimeOfDay(); }
  void Pause();
  void Resume();
  bool paused() const { return pausedAtUs_ != kRunning; }

 private:
  static constexpr int64_t kRunning = INT64_MIN;
  const Clock& base_;
  int64_t pausedAtUs_ = kRunning;  // base time the pause began
  int64_t pausedForUs_ = 0;        // base time spent paused before
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
