#include "platform/clock.h"

#include <cmath>
#include <ctime>

namespace gs {

int64_t SystemClock::MonotonicUs() const {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

double SystemClock::TimeOfDay() const {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  time_t secs = ts.tv_sec;
  tm local{};
  localtime_r(&secs, &local);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ts.tv_nsec / 1e9;
}

int64_t PausableClock::MonotonicUs() const {
  return (paused() ? pausedAtUs_ : base_.MonotonicUs()) - pausedForUs_;
}

void PausableClock::Pause() {
  if (!paused()) pausedAtUs_ = base_.MonotonicUs();
}

void PausableClock::Resume() {
  if (!paused()) return;
  pausedForUs_ += base_.MonotonicUs() - pausedAtUs_;
  pausedAtUs_ = kRunning;
}

double SimClock::TimeOfDay() const {
  double t = std::fmod(startTimeOfDay_ + nowUs_ / 1e6, 86400.0);
  return t < 0 ? t + 86400.0 : t;
}

}  // namespace gs
