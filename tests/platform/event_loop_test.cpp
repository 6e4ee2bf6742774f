#include "platform/event_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/sleeping_source.h"

namespace gs {
namespace {

TEST(EventLoop, TimersTickOnTheirGridInDeadlineOrder) {
  SimClock clock;
  EventLoop loop(clock);
  std::vector<std::pair<char, int64_t>> log;
  loop.AddTimer(1000000, [&] { log.push_back({'a', clock.MonotonicUs()}); });
  loop.AddTimer(500000, [&] { log.push_back({'b', clock.MonotonicUs()}); });
  loop.RunUntil(clock, 2000000);
  std::vector<std::pair<char, int64_t>> want = {
      {'b', 500000}, {'a', 1000000}, {'b', 1000000}, {'b', 1500000}, {'a', 2000000}, {'b', 2000000}};
  EXPECT_EQ(log, want);
}

TEST(EventLoop, SixtyHertzFramesStayExactOverAMinute) {
  SimClock clock;
  EventLoop loop(clock);
  int frames = 0;
  int64_t last = 0, minGap = INT64_MAX, maxGap = 0;
  loop.AddTimer(1000000, 60, [&] {
    int64_t now = clock.MonotonicUs();
    if (frames++) {
      minGap = std::min(minGap, now - last);
      maxGap = std::max(maxGap, now - last);
    }
    last = now;
  });
  loop.RunUntil(clock, 60000000);
  EXPECT_EQ(frames, 3600);
  EXPECT_GE(minGap, 16666);
  EXPECT_LE(maxGap, 16667);
}

TEST(EventLoop, ALateTimerTicksOnceNotABurst) {
  SimClock clock;
  EventLoop loop(clock);
  int ticks = 0;
  loop.AddTimer(1000000, [&] { ++ticks; });
  loop.RunUntil(clock, 1000000);
  EXPECT_EQ(ticks, 1);
  clock.Advance(10500000);  // the process was stopped for ten seconds
  loop.RunUntil(clock, clock.MonotonicUs());
  EXPECT_EQ(ticks, 2);
  loop.RunUntil(clock, 12000000);  // back on the grid: 12 s
  EXPECT_EQ(ticks, 3);
}

TEST(EventLoop, DisabledTimerStopsAndRestartsFromNow) {
  SimClock clock;
  EventLoop loop(clock);
  int ticks = 0;
  EventLoop::TimerId id = loop.AddTimer(1000000, [&] { ++ticks; });
  loop.RunUntil(clock, 1500000);
  loop.SetTimerEnabled(id, false);
  loop.RunUntil(clock, 5000000);
  EXPECT_EQ(ticks, 1);
  loop.SetTimerEnabled(id, true);
  loop.RunUntil(clock, 5900000);
  EXPECT_EQ(ticks, 1);
  loop.RunUntil(clock, 6000000);
  EXPECT_EQ(ticks, 2);
}

TEST(EventLoop, QuitStopsDispatchAtOnce) {
  SimClock clock;
  EventLoop loop(clock);
  int after = 0;
  loop.AddTimer(1000000, [&] { loop.Quit(3); });
  loop.AddTimer(1000000, [&] { ++after; });
  EXPECT_FALSE(loop.RunUntil(clock, 5000000));
  EXPECT_EQ(after, 0);
  EXPECT_EQ(loop.status(), 3);
}

// A 150 Hz timer whose ticks are quiet except every sixth, beside a 0.5 s
// timer, run for 2 s: in real time the loop wakes only for the ticks that
// are not quiet, yet every tick runs, in the same order and at the same
// time on the loop's clock as in simulated time.
TEST(EventLoop, QuietTicksRunLateInOrderAtTheirOwnTimes) {
  auto run = [](bool realTime, int* wakeUps) {
    SimClock clock;
    EventLoop loop(clock);
    std::vector<std::pair<char, int64_t>> log;
    int frames = 0;
    loop.AddTimer(500000, [&] { log.push_back({'t', loop.clock().MonotonicUs()}); });
    loop.AddTimer(
        1000000, 150, [&] { log.push_back({++frames % 6 ? 'q' : 'F', loop.clock().MonotonicUs()}); },
        [&] { return int64_t{5 - frames % 6}; });
    loop.AddTimer(2000000, [&] { loop.Quit(0); });
    SleepingSource source(clock);
    if (realTime) {
      loop.AddSource(&source);
      loop.Run();
    } else {
      loop.RunUntil(clock, 3000000);
    }
    *wakeUps = source.wakeUps;
    return log;
  };
  int simWakes = 0, realWakes = 0;
  const auto sim = run(false, &simWakes);
  const auto real = run(true, &realWakes);
  ASSERT_EQ(sim.size(), 300u + 4u);
  EXPECT_EQ(real, sim);
  // 50 unquiet ticks and the 0.5 s timer's 3 of its own (at 1 s and 2 s it
  // falls on a sixth tick).
  EXPECT_LE(realWakes, 50 + 2 + 2);
  EXPECT_GE(realWakes, 50);
}

TEST(EventLoop, RealRunCoalescesWhatFellDueBeforeIt) {
  SimClock clock;
  EventLoop loop(clock);
  int ticks = 0;
  loop.AddTimer(1000000, 150, [&] { ++ticks; });
  loop.AddTimer(1500000, [&] { loop.Quit(0); });
  clock.Advance(1000000);  // a slow start-up
  SleepingSource source(clock);
  loop.AddSource(&source);
  EXPECT_EQ(loop.Run(), 0);
  EXPECT_EQ(ticks, 1 + 75);  // one for the first second, then each tick of the next half
}

// Stands in for the window system: sleeps as long as the loop lets it, or
// until the next of its scripted moments, when it rests or wakes the loop.
class ScriptedSource : public EventSource {
 public:
  ScriptedSource(SimClock& clock, EventLoop& loop) : clock_(clock), loop_(loop) {}
  void Poll(int64_t maxWaitUs) override {
    if (maxWaitUs <= 0) return;
    if (loop_.resting()) ++restingWakeUps;
    if (next_ < script_.size() && clock_.MonotonicUs() + maxWaitUs >= script_[next_].first) {
      clock_.Set(script_[next_].first);
      loop_.SetResting(script_[next_++].second);
      return;
    }
    clock_.Advance(maxWaitUs);
  }
  std::vector<std::pair<int64_t, bool>> script_;
  int restingWakeUps = 0;

 private:
  SimClock& clock_;
  EventLoop& loop_;
  size_t next_ = 0;
};

// Rested from 1.5 s to 11.5 s, the loop sleeps through the rest in one wait,
// and its timers go on from where they stood: no tick for the time it
// rested, no burst after it.
TEST(EventLoop, ARestHoldsTheLoopsTimeStill) {
  SimClock clock;
  EventLoop loop(clock);
  std::vector<std::pair<int64_t, int64_t>> ticks;  // loop time, clock time
  loop.AddTimer(1000000, [&] {
    ticks.push_back({loop.clock().MonotonicUs(), clock.MonotonicUs()});
    if (ticks.size() == 3) loop.Quit(0);
  });
  ScriptedSource source(clock, loop);
  source.script_ = {{1500000, true}, {11500000, false}};
  loop.AddSource(&source);
  loop.Run();
  std::vector<std::pair<int64_t, int64_t>> want = {{1000000, 1000000}, {2000000, 12000000}, {3000000, 13000000}};
  EXPECT_EQ(ticks, want);
  EXPECT_EQ(source.restingWakeUps, 1);
}

TEST(EventLoop, ARestInSimulatedTimeSkipsTheTimersAndKeepsTheirGrid) {
  SimClock clock;
  EventLoop loop(clock);
  std::vector<int64_t> ticks;
  loop.AddTimer(1000000, [&] { ticks.push_back(clock.MonotonicUs()); });
  loop.RunUntil(clock, 1500000);
  loop.SetResting(true);
  loop.RunUntil(clock, 11500000);
  EXPECT_EQ(loop.restingClock().MonotonicUs(), 1500000);
  EXPECT_EQ(loop.NextDeadline(), INT64_MAX);
  loop.SetResting(false);
  loop.RunUntil(clock, 13000000);
  EXPECT_EQ(ticks, (std::vector<int64_t>{1000000, 12000000, 13000000}));
}

}  // namespace
}  // namespace gs
