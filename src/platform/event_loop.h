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
  // Monotonic time by which the source wants Poll called again although no
  // event came (work it put off), or INT64_MAX.
  virtual int64_t WakeDeadline() const { return INT64_MAX; }
};

// The loop's time as handlers see it: during a timer's tick, the moment the
// tick was due, even when the loop runs it late; otherwise the time now.
// Handlers therefore compute the same in real time as in simulated time.
class LoopClock final : public Clock {
 public:
  explicit LoopClock(Clock& base) : base_(base) {}
  int64_t MonotonicUs() const override;
  double TimeOfDay() const override;
  void BeginTick(int64_t dueUs) { tickUs_ = dueUs; }
  void EndTick() { tickUs_ = kNone; }

 private:
  static constexpr int64_t kNone = INT64_MIN;
  Clock& base_;
  int64_t tickUs_ = kNone;
};

// The single-threaded event loop: interval timers and event sources, one
// handler at a time. Timers coalesce missed ticks like window-system timers:
// a timer that fell behind (busy machine, SIGSTOP, suspend) delivers one tick
// and then keeps to its grid from the present on, never a burst.
//
// The loop may rest, while nobody can see what its handlers do: its time then
// stands still, no timer fires or falls behind, and it sleeps until one of
// its sources has something for it. Waking goes on where the rest began, as
// if no time had passed.
//
// A timer may say how many of its next ticks would change nothing anyone can
// see. The real-time loop does not wake for those: it runs them when it wakes
// for something else, in order and interleaved with the other timers exactly
// as on time, each seeing its own due time on clock().
class EventLoop {
 public:
  using TimerId = int;
  // Returns how many of the timer's next ticks may run late.
  using QuietTicks = std::function<int64_t()>;

  explicit EventLoop(Clock& clock) : show_(clock), clock_(show_) {}

  // The clock every handler should read (see LoopClock).
  Clock& clock() { return clock_; }
  // The loop's time now, also during a tick, with the rests taken out: for
  // things that run beside the handlers, such as a display's own timing.
  const Clock& restingClock() const { return show_; }

  void SetResting(bool resting);
  bool resting() const { return show_.paused(); }

  // A periodic timer with period periodNumUs / periodDen microseconds (so
  // 60 Hz is AddTimer(1000000, 60)). The first tick comes one period after
  // the call. Timers due at the same moment fire in the order they were added.
  TimerId AddTimer(int64_t periodNumUs, int64_t periodDen, std::function<void()> tick, QuietTicks quiet = {});
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

  // Monotonic time (on clock()) of the next timer deadline, or INT64_MAX
  // when none or while resting.
  int64_t NextDeadline() const;
  // When the real-time loop must next run something: the next tick that is
  // not quiet, or a source's deadline; INT64_MAX when none.
  int64_t WakeDeadline() const;

 private:
  struct Timer {
    int64_t periodNumUs;
    int64_t periodDen;
    int64_t originUs;  // deadline k is origin + k * num / den
    int64_t k;
    bool enabled;
    std::function<void()> tick;
    QuietTicks quiet;
    int64_t Deadline(int64_t ahead = 0) const { return originUs + (k + ahead) * periodNumUs / periodDen; }
  };
  // Fires the earliest timer due at nowUs, if any; returns true if one fired.
  // A tick due by onTimeUntilUs runs at its own time; one due after it means
  // the loop fell behind, and the timer ticks once for all it missed.
  bool FireOneDue(int64_t nowUs, int64_t onTimeUntilUs);
  void PollSources(int64_t maxWaitUs);
  int64_t SourcesDeadline() const;

  PausableClock show_;
  LoopClock clock_;
  std::vector<Timer> timers_;
  std::vector<EventSource*> sources_;
  bool quitting_ = false;
  int status_ = 0;
};

}  // namespace gs
