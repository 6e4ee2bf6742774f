#include "platform/event_loop.h"

#include <algorithm>
#include <climits>
#include <chrono>
#include <cmath>
#include <thread>

namespace gs {

namespace {
// The longest the real-time loop sleeps without a reason, and the most ticks
// of one timer it puts off.
constexpr int64_t kMaxWaitUs = 100000;
// Resting, the loop has nothing of its own to do; this only bounds a sleep
// that a lost wake-up would otherwise make endless.
constexpr int64_t kMaxRestWaitUs = 60000000;
constexpr int64_t kMaxQuietTicks = 1 << 20;
// A wake this much after the planned time is the scheduler's doing, not
// falling behind: the ticks in between still run each at its own time.
constexpr int64_t kOnTimeSlackUs = 10000;
}  // namespace

int64_t LoopClock::MonotonicUs() const { return tickUs_ == kNone ? base_.MonotonicUs() : tickUs_; }

double LoopClock::TimeOfDay() const {
  if (tickUs_ == kNone) return base_.TimeOfDay();
  double t = std::fmod(base_.TimeOfDay() - (base_.MonotonicUs() - tickUs_) / 1e6, 86400.0);
  // To the microsecond, so that a tick on a whole second reads as exactly that.
  t = std::round((t < 0 ? t + 86400.0 : t) * 1e6) / 1e6;
  return t >= 86400.0 ? t - 86400.0 : t;
}

EventLoop::TimerId EventLoop::AddTimer(int64_t periodNumUs, int64_t periodDen, std::function<void()> tick,
                                       QuietTicks quiet) {
  if (periodDen <= 0) periodDen = 1;
  if (periodNumUs <= 0) periodNumUs = 1;
  timers_.push_back(Timer{periodNumUs, periodDen, clock_.MonotonicUs(), 1, true, std::move(tick), std::move(quiet)});
  return static_cast<TimerId>(timers_.size() - 1);
}

void EventLoop::SetTimerEnabled(TimerId id, bool enabled) {
  if (id < 0 || static_cast<size_t>(id) >= timers_.size()) return;
  Timer& t = timers_[static_cast<size_t>(id)];
  if (enabled && !t.enabled) {
    t.originUs = clock_.MonotonicUs();
    t.k = 1;
  }
  t.enabled = enabled;
}

bool EventLoop::TimerEnabled(TimerId id) const {
  if (id < 0 || static_cast<size_t>(id) >= timers_.size()) return false;
  return timers_[static_cast<size_t>(id)].enabled;
}

void EventLoop::SetResting(bool resting) {
  if (resting) show_.Pause();
  else show_.Resume();
}

void EventLoop::AddSource(EventSource* source) {
  if (source) sources_.push_back(source);
}

void EventLoop::Quit(int status) {
  if (!quitting_) status_ = status;
  quitting_ = true;
}

int64_t EventLoop::NextDeadline() const {
  int64_t next = INT64_MAX;
  if (resting()) return next;
  for (const Timer& t : timers_)
    if (t.enabled) next = std::min(next, t.Deadline());
  return next;
}

int64_t EventLoop::WakeDeadline() const {
  int64_t next = SourcesDeadline();
  if (resting()) return next;
  for (const Timer& t : timers_) {
    if (!t.enabled) continue;
    const int64_t quiet = t.quiet ? std::clamp<int64_t>(t.quiet(), 0, kMaxQuietTicks) : 0;
    next = std::min(next, t.Deadline(quiet));
  }
  return next;
}

int64_t EventLoop::SourcesDeadline() const {
  int64_t next = INT64_MAX;
  for (const EventSource* s : sources_) next = std::min(next, s->WakeDeadline());
  return next;
}

bool EventLoop::FireOneDue(int64_t nowUs, int64_t onTimeUntilUs) {
  Timer* due = nullptr;
  for (Timer& t : timers_)
    if (t.enabled && t.Deadline() <= nowUs && (!due || t.Deadline() < due->Deadline())) due = &t;
  if (!due) return false;
  int64_t at = due->Deadline();
  if (at <= onTimeUntilUs) {
    ++due->k;
  } else {
    // Coalesce: one tick, at the last deadline passed, then on from now.
    while (due->Deadline(1) <= nowUs) ++due->k;
    at = due->Deadline();
    ++due->k;
  }
  // The handler may add timers (reallocating the vector): copy the callable.
  std::function<void()> tick = due->tick;
  clock_.BeginTick(at);
  tick();
  clock_.EndTick();
  return true;
}

void EventLoop::PollSources(int64_t maxWaitUs) {
  if (sources_.empty()) {
    if (maxWaitUs > 0) std::this_thread::sleep_for(std::chrono::microseconds(maxWaitUs));
    return;
  }
  // Only the first source may block; the others are polled without waiting.
  for (size_t i = 0; i < sources_.size() && !quitting_; ++i) sources_[i]->Poll(i == 0 ? maxWaitUs : 0);
}

int EventLoop::Run() {
  // Ticks due by the time the loop meant to wake run each at its own time;
  // only a wake later than that counts as falling behind, and so does all
  // that fell due before the loop ran.
  int64_t plannedWakeUs = INT64_MIN;
  while (!quitting_) {
    if (resting()) {
      const int64_t next = SourcesDeadline();
      const int64_t now = show_.MonotonicUs();
      PollSources(next == INT64_MAX ? kMaxRestWaitUs : std::clamp<int64_t>(next - now, 0, kMaxRestWaitUs));
      continue;
    }
    const int64_t now = show_.MonotonicUs();
    while (!quitting_ && !resting() && FireOneDue(now, plannedWakeUs)) {
    }
    if (quitting_) break;
    if (resting()) continue;
    const int64_t after = show_.MonotonicUs();
    const int64_t next = WakeDeadline();
    const int64_t wait = next == INT64_MAX ? kMaxWaitUs : std::clamp<int64_t>(next - after, 0, kMaxWaitUs);
    plannedWakeUs = std::max(plannedWakeUs, after + wait + kOnTimeSlackUs);
    PollSources(wait);
  }
  return status_;
}

bool EventLoop::RunUntil(SimClock& clock, int64_t untilUs) {
  while (!quitting_) {
    PollSources(0);
    if (quitting_) break;
    // Deadlines are on the loop's time, which lags the clock by the rests.
    const int64_t next = NextDeadline();
    const int64_t lag = clock.MonotonicUs() - show_.MonotonicUs();
    if (next == INT64_MAX || next + lag > untilUs) break;
    if (next + lag > clock.MonotonicUs()) clock.Set(next + lag);
    // Every tick runs at its time; one already behind the clock (the clock
    // was moved on past it) coalesces as in real time.
    const int64_t now = show_.MonotonicUs();
    FireOneDue(now, next == now ? next : INT64_MIN);
  }
  if (!quitting_ && clock.MonotonicUs() < untilUs) clock.Set(untilUs);
  return !quitting_;
}

}  // namespace gs
