#include "platform/event_loop.h"

#include <algorithm>
#include <climits>
#include <chrono>
#include <thread>

namespace gs {

EventLoop::TimerId EventLoop::AddTimer(int64_t periodNumUs, int64_t periodDen, std::function<void()> tick) {
  if (periodDen <= 0) periodDen = 1;
  if (periodNumUs <= 0) periodNumUs = 1;
  timers_.push_back(Timer{periodNumUs, periodDen, clock_.MonotonicUs(), 1, true, std::move(tick)});
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

void EventLoop::AddSource(EventSource* source) {
  if (source) sources_.push_back(source);
}

void EventLoop::Quit(int status) {
  if (!quitting_) status_ = status;
  quitting_ = true;
}

int64_t EventLoop::NextDeadline() const {
  int64_t next = INT64_MAX;
  for (const Timer& t : timers_)
    if (t.enabled) next = std::min(next, t.Deadline());
  return next;
}

bool EventLoop::FireOneDue(int64_t nowUs) {
  Timer* due = nullptr;
  for (Timer& t : timers_)
    if (t.enabled && t.Deadline() <= nowUs && (!due || t.Deadline() < due->Deadline())) due = &t;
  if (!due) return false;
  // Coalesce: step to the first deadline after now, so a late timer ticks once.
  do {
    ++due->k;
  } while (due->Deadline() <= nowUs);
  // The handler may add timers (reallocating the vector): copy the callable.
  std::function<void()> tick = due->tick;
  tick();
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
  while (!quitting_) {
    int64_t now = clock_.MonotonicUs();
    if (FireOneDue(now)) {
      PollSources(0);
      continue;
    }
    int64_t next = NextDeadline();
    int64_t wait = next == INT64_MAX ? 100000 : std::clamp<int64_t>(next - now, 0, 100000);
    PollSources(wait);
  }
  return status_;
}

bool EventLoop::RunUntil(SimClock& clock, int64_t untilUs) {
  while (!quitting_) {
    PollSources(0);
    if (quitting_) break;
    int64_t next = NextDeadline();
    if (next > untilUs) break;
    if (next > clock.MonotonicUs()) clock.Set(next);
    FireOneDue(clock.MonotonicUs());
  }
  if (!quitting_ && clock.MonotonicUs() < untilUs) clock.Set(untilUs);
  return !quitting_;
}

}  // namespace gs
