#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"

namespace gs {

class SimClock;

// Something that delivers platform events (input, window events) into the
// loop. Poll may block for at most maxWaitUs waiting for the first event and
// then dispatches everything that is pending.
class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual void Poll(int64_t maxWaitUs) = 0;
};

// The single-threaded event loop: interval timers and event sources, one
// handler at a time. Timers coalesce missed ticks like window-system timers:
// a timer that fell behind (busy machine, SIGSTOP, suspend) delivers one tick
// and then keeps to its grid from the present on, never a burst.
class EventLoop {
 public:
  using TimerId = int;

  explicit EventLoop(Clock& clock) : clock_(clock) {}

  Clock& clock() const { return clock_; }

  // A periodic timer with period periodNumUs / periodDen microseconds (so
  // 60 Hz is AddTimer(1000000, 60)). The first tick comes one period after
  // the call. Timers due at the same moment fire in the order they were added.
  TimerId AddTimer(int64_t periodNumUs, int64_t periodDen, std::function<void()> tick);
  TimerId AddTimer(int64_t periodUs, std::function<void()> tick) { return AddTimer(periodUs, 1, std::move(tick)); }
  // Switching a timer on again restarts its period from now.
  void SetTimerEnabled(TimerId id, bool enabled);
  bool TimerEnabled(TimerId id) const;

  void AddSource(EventSource* source);

  // Ends Run/RunUntil as soon as the running handler returns; nothing else is
  // dispatched afterwards.
  void Quit(int status);
  bool quitting() const { return quitting_; }
  int status() const { return status_; }

  // Real time: runs until Quit; returns the status given to Quit.
  int Run();
  // Simulated time: fires every timer due up to untilUs (inclusive) in time
  // order, moving the simulated clock to each deadline, and polls the
  // sources without waiting between them. Returns false once quitting.
  bool RunUntil(SimClock& clock, int64_t untilUs);

  // Monotonic time of the next timer deadline, or INT64_MAX when none.
  int64_t NextDeadline() const;

 private:
  struct Timer {
    int64_t periodNumUs;
    int64_t periodDen;
    int64_t originUs;  // deadline k is origin + k * num / den
    int64_t k;
    bool enabled;
    std::function<void()> tick;
    int64_t Deadline() const { return originUs + k * periodNumUs / periodDen; }
  };
  // Fires the earliest due timer, if any is due at nowUs. Returns true if one fired.
  bool FireOneDue(int64_t nowUs);
  void PollSources(int64_t maxWaitUs);

  Clock& clock_;
  std::vector<Timer> timers_;
  std::vector<EventSource*> sources_;
  bool quitting_ = false;
  int status_ = 0;
};

}  // namespace gs
