// Scenes 4 and 5 as their step tables give them: timed by StepTicks and by
// frame numbers read back from the display.
#include <gtest/gtest.h>

#include "scene/show_tables.h"

namespace gs::testing {
namespace {

using F = ShowIds;
using R = SceneFrame;
using C = Counter;

bool Always(const R&, const F&) { return true; }

const std::vector<Cue>& PilgrimCues() {
  static const std::vector<Cue> cues = {
      {"turkey s=0", &F::sndTurkey, 4, 6, [](const R& r, const F&) { return S(r) == 0; }},
      {"gun s=1", &F::sndGun, 4, 6, [](const R& r, const F&) { return S(r) == 1; }},
      {"bow pop s=2", &F::sndBowPop, 4, 6, [](const R& r, const F&) { return S(r) == 2; }},
      {"bow pop s=1", &F::sndBowPop, 4, 7, [](const R& r, const F&) { return S(r) == 1; }},
      {"gun s<5", &F::sndGun, 4, 10, [](const R& r, const F&) { return S(r) < 5; }},

      {"impact P&T07 frame 2", &F::sndImpact, 5, 5, [](const R& r, const F& f) { return FrameAfter(r, f.hPT07) == 2; }},
      {"pop P&T07 frame 13", &F::sndPop, 5, 5, [](const R& r, const F& f) { return FrameAfter(r, f.hPT07) == 13; }},
      {"pop P&T07 frame 16", &F::sndPop, 5, 5, [](const R& r, const F& f) { return FrameAfter(r, f.hPT07) == 16; }},
      // Read before the draw: the frame the draw shows.
      {"thump P&T18 frame 1, 8, 16", &F::sndThump, 5, 7,
       [](const R& r, const F& f) {
         const int k = r.DrawnFrame(f.hPT18);
         return k == 1 || k == 8 || k == 16;
       }},
      {"whizz s<5", &F::sndWhizz, 5, 9, [](const R& r, const F&) { return S(r) < 5; }},
  };
  return cues;
}

const std::vector<DrawRule>& PilgrimDraws() {
  static const std::vector<DrawRule> draws = {
      {&F::hPilgrimA, 4, 1, Always},  // the walk never starts above 318
      {&F::hPilgrimA, 4, 2, [](const R& r, const F&) { return S(r) < 3; }},
      {&F::hPilgrim01, 4, 2, [](const R& r, const F&) { return r.before.pilgrimHop || S(r) == 3; }},
      {&F::hPilgrim07, 4, 3, [](const R& r, const F&) { return S(r) < 7; }},
      {&F::hPilgrimC, 4, 4, [](const R& r, const F&) { return S(r) < 1; }},
      {&F::hPilgrim09, 4, 5, [](const R& r, const F&) { return S(r) < 3; }},
      {&F::hPilgrim11, 4, 6, [](const R& r, const F&) { return S(r) <= 2; }},
      {&F::hPilgrim14, 4, 7, [](const R& r, const F&) { return S(r) < 3; }},
      {&F::hPilgrim16, 4, 8, [](const R& r, const F&) { return S(r) < 3; }},
      {&F::hPilgrim17, 4, 9, Always},
      {&F::hPilgrim19, 4, 10, [](const R& r, const F&) { return S(r) < 5; }},
      {&F::hPilgrim21, 4, 11, [](const R& r, const F&) { return S(r) <= 5; }},
      {&F::hPilgrim23, 4, 12, Always},
      {&F::hPilgrim28, 4, 13, [](const R& r, const F&) { return S(r) < 5; }},

      {&F::hPT01, 5, 1, [](const R& r, const F&) { return S(r) < 6; }},
      {&F::hPT03, 5, 2, [](const R& r, const F&) { return S(r) < 5; }},
      {&F::hPT05, 5, 3, [](const R& r, const F&) { return S(r) < 2; }},
      {&F::hPT06, 5, 4, [](const R& r, const F&) { return S(r) < 2; }},
      {&F::hPT07, 5, 5, Always},
      {&F::hPT17, 5, 6, [](const R& r, const F&) { return S(r) < 3; }},
      {&F::hPT18, 5, 7, Always},
      {&F::hPT23, 5, 8, [](const R& r, const F&) { return S(r) < 3; }},
      {&F::hPT26, 5, 9, [](const R& r, const F&) { return S(r) < 5; }},
      {&F::hSmoke, 5, 9, [](const R& r, const F&) { return S(r) < 5; }},
      {&F::hPT26, 5, 10, [](const R& r, const F&) { return S(r) < 6; }},
  };
  return draws;
}

// A step timed by StepTicks that leaves when s reaches a value.
StepRule Timed(int scene, int step, When leaves) { return {scene, step, leaves, scene, step + 1, {C::StepTicks}, {}}; }

const std::vector<StepRule>& PilgrimSteps() {
  static const std::vector<StepRule> steps = {
      {4, 1, [](const R& r, const F& f) { return DrawnY(r, f.hPilgrimA) == 318; }, 4, 2, {C::StepTicks}, {}},
      {4, 2,
       [](const R& r, const F& f) { return (r.before.pilgrimHop || S(r) == 3) && FrameAfter(r, f.hPilgrim01) == 13; },
       4, 3, {C::StepTicks}, {}},
      Timed(4, 3, [](const R& r, const F&) { return S(r) > 6; }),
      Timed(4, 4, [](const R& r, const F&) { return S(r) > 0; }),
      Timed(4, 5, [](const R& r, const F&) { return S(r) > 2; }),
      Timed(4, 6, [](const R& r, const F&) { return S(r) > 2; }),
      Timed(4, 7, [](const R& r, const F&) { return S(r) > 1; }),
      Timed(4, 8, [](const R& r, const F&) { return S(r) > 1; }),
      Timed(4, 9, [](const R& r, const F&) { return S(r) > 2; }),
      Timed(4, 10, [](const R& r, const F&) { return S(r) > 4; }),
      Timed(4, 11, [](const R& r, const F&) { return S(r) > 5; }),
      // Stepped to 8 on this frame: drawn at its frame before the step.
      {4, 12, [](const R& r, const F& f) { return FrameAfter(r, f.hPilgrim23) == 8 && r.DrawnFrame(f.hPilgrim23) != 8; },
       4, 13, {C::StepTicks}, {}},
      {4, 13, [](const R& r, const F&) { return S(r) > 2; }, 5, 1, {C::StepTicks},
       {C::Scene1Ticks, C::Scene2Ticks, C::Scene3Ticks, C::HoleTicks}},

      Timed(5, 1, [](const R& r, const F&) { return S(r) == 5; }),
      Timed(5, 2, [](const R& r, const F&) { return S(r) == 4; }),
      Timed(5, 3, [](const R& r, const F&) { return S(r) == 1; }),
      Timed(5, 4, [](const R& r, const F&) { return S(r) == 1; }),
      Timed(5, 5, [](const R& r, const F& f) { return FrameAfter(r, f.hPT07) == 19; }),
      Timed(5, 6, [](const R& r, const F&) { return S(r) == 2; }),
      Timed(5, 7, [](const R& r, const F& f) { return r.DrawnFrame(f.hPT18) == 23; }),
      Timed(5, 8, [](const R& r, const F& f) { return FrameAfter(r, f.hPT23) == 3; }),
      Timed(5, 9, [](const R& r, const F& f) { return S(r) < 5 && FrameAfter(r, f.hSmoke) == 4; }),
      {5, 10, [](const R& r, const F&) { return S(r) >= 5; }, 6, 0, {C::StepTicks},
       {C::Scene1Ticks, C::Scene2Ticks, C::Scene3Ticks, C::HoleTicks}},
  };
  return steps;
}

class PilgrimScenes : public ShowAtPace {};

TEST_P(PilgrimScenes, EveryCueInsideItsWindowAndNowhereElse) {
  ExpectCues(run, PilgrimCues(), {4, 5});
  ExpectEveryCueHeard(run, PilgrimCues());
}

TEST_P(PilgrimScenes, EachFrameDrawsWhatTheStepSays) { ExpectDraws(run, PilgrimDraws(), {4, 5}); }

TEST_P(PilgrimScenes, StepsEndOnTheirCueAndZeroStepTicks) { ExpectSteps(run, PilgrimSteps()); }

// A step left when StepTicks reaches n lasts between n - 1 and n seconds,
// as StepTicks was zeroed somewhere inside a second.
TEST_P(PilgrimScenes, TimedStepsLastTheirSeconds) {
  struct Row {
    int scene, step, seconds;
  };
  for (Row row : {Row{4, 3, 7}, Row{4, 4, 1}, Row{4, 5, 3}, Row{4, 6, 3}, Row{4, 7, 2}, Row{4, 8, 2}, Row{4, 9, 3},
                  Row{4, 10, 5}, Row{4, 11, 6}, Row{4, 13, 3}, Row{5, 1, 5}, Row{5, 2, 4}, Row{5, 3, 1}, Row{5, 4, 1},
                  Row{5, 6, 2}, Row{5, 10, 5}}) {
    for (const Segment& s : SegmentsOf(run, row.scene, row.step)) {
      EXPECT_GT(Seconds(run, s), row.seconds - 1 - spacing) << "scene " << row.scene << " step " << row.step;
      EXPECT_LE(Seconds(run, s), row.seconds + spacing) << "scene " << row.scene << " step " << row.step;
    }
  }
}

TEST_P(PilgrimScenes, PilgrimWalksUpThreePixelsAFrameFor95FramesThenHops) {
  for (int show = 0; show < 2; ++show) {
    const Segment walk = SegmentsOf(run, 4, 1)[static_cast<size_t>(show)];
    ASSERT_EQ(walk.last - walk.first + 1, 95u) << "show " << show + 1;
    for (size_t i = walk.first; i <= walk.last; ++i) {
      ASSERT_EQ(DrawnY(run.frames[i], f.hPilgrimA), 600 - 3 * static_cast<int>(i - walk.first));
      ASSERT_EQ(DrawnX(run.frames[i], f.hPilgrimA), 330);
    }
    const Segment hop = SegmentsOf(run, 4, 2)[static_cast<size_t>(show)];
    bool rose = false;
    for (size_t i = hop.first; i <= hop.last; ++i) {
      const SceneFrame& r = run.frames[i];
      if (r.Drew(f.hPilgrimA)) {
        EXPECT_EQ(r.DrawnFrame(f.hPilgrimA), 3);
        EXPECT_EQ(DrawnY(r, f.hPilgrimA), 315);
      }
      if (r.Drew(f.hPilgrim01)) {
        EXPECT_EQ(DrawnY(r, f.hPilgrim01), rose ? 300 : 320) << Describe(r);
      }
      rose = rose || FrameAfter(r, f.hPilgrim01) == 12;
    }
    EXPECT_TRUE(rose);
    EXPECT_EQ(YAfter(run.frames[hop.last], f.hPilgrim01), 240);
  }
}

// Frames set after the draw show from the next scene frame on.
TEST_P(PilgrimScenes, PosesShowTheFramesTheirSecondsSet) {
  struct Row {
    int step;
    Slot sprite;
    int framesBySecond[7];  // -1: not drawn
  };
  const Row rows[] = {
      {3, &F::hPilgrim07, {1, 1, 2, 2, 3, 3, 4}},
      {5, &F::hPilgrim09, {1, 2, 3, -1, -1, -1, -1}},
      {6, &F::hPilgrim11, {1, 2, 3, -1, -1, -1, -1}},
      {7, &F::hPilgrim14, {1, 2, -1, -1, -1, -1, -1}},
      {9, &F::hPilgrim17, {1, 2, 2, -1, -1, -1, -1}},
  };
  for (const Row& row : rows) {
    for (const Segment& s : SegmentsOf(run, 4, row.step)) {
      int previousSecond = -1;
      for (size_t i = s.first; i <= s.last; ++i) {
        const SceneFrame& r = run.frames[i];
        const int sec = S(r);
        if (sec > 6 || !r.Drew(f.*row.sprite)) continue;
        // The first frame of a second still shows what the second before set.
        const int expected = sec == previousSecond || sec == 0 ? row.framesBySecond[sec] : row.framesBySecond[sec - 1];
        EXPECT_EQ(r.DrawnFrame(f.*row.sprite), expected) << "step " << row.step << ", " << Describe(r);
        previousSecond = sec;
      }
    }
  }
}

TEST_P(PilgrimScenes, JumpRisesThenFallsFortyAFrameAndLandsAt335) {
  for (const Segment& s : SegmentsOf(run, 4, 12)) {
    for (size_t i = s.first; i <= s.last; ++i) {
      const SceneFrame& r = run.frames[i];
      const int k = FrameAfter(r, f.hPilgrim23);
      const int y[] = {0, 178, 178, 178, 172, 212, 252, 292, 335};
      ASSERT_GE(k, 1);
      ASSERT_LE(k, 8);
      EXPECT_EQ(YAfter(r, f.hPilgrim23), y[k]) << Describe(r);
      EXPECT_EQ(DrawnX(r, f.hPilgrim23), 338);
    }
  }
}

TEST_P(PilgrimScenes, FrameRunsTakeTheirPeriods) {
  // hPT07: 18 steps of 100 ms; hPT18: 22 of 75 ms; at most one step per scene
  // frame. The first comes at once: the sprite has not run since its reset.
  struct Row {
    int step, steps;
    double period;
  };
  for (Row row : {Row{5, 18, 0.1}, Row{7, 22, 0.075}}) {
    for (const Segment& s : SegmentsOf(run, 5, row.step)) {
      EXPECT_GE(Seconds(run, s), (row.steps - 1) * row.period - spacing - 0.01) << "step " << row.step;
      EXPECT_LE(Seconds(run, s), row.steps * std::max(row.period, spacing) + 2 * spacing + 0.01) << "step " << row.step;
    }
  }
  // Step 8 holds P&T23 for 2 s, then two steps of 500 ms.
  for (const Segment& s : SegmentsOf(run, 5, 8)) {
    for (size_t i = s.first; i <= s.last; ++i) {
      if (S(run.frames[i]) < 2) {
        EXPECT_EQ(FrameAfter(run.frames[i], f.hPT23), 1) << Describe(run.frames[i]);
      }
    }
    EXPECT_GE(Seconds(run, s), 1 + 0.5 - spacing);
    EXPECT_LE(Seconds(run, s), 2 + 1.0 + spacing);
  }
}

TEST_P(PilgrimScenes, PicturesStandAtTheirPlaces) {
  ExpectPlaces(run, {{&F::hPilgrim07, 330, 233}, {&F::hPilgrimC, 330, 196}, {&F::hPilgrim09, 330, 198},
                     {&F::hPilgrim11, 330, 188}, {&F::hPilgrim14, 330, 188}, {&F::hPilgrim16, 330, 188},
                     {&F::hPilgrim17, 330, 188}, {&F::hPilgrim19, 330, 186}, {&F::hPilgrim21, 342, 186},
                     {&F::hPilgrim28, 338, 390}, {&F::hPT01, 330, 390}, {&F::hPT03, 330, 390},
                     {&F::hPT05, 330, 390}, {&F::hPT06, 244, 399}, {&F::hPT07, 330, 398}, {&F::hPT17, 330, 398},
                     {&F::hPT18, 328, 344}, {&F::hPT23, 333, 391}, {&F::hPT26, 334, 391}, {&F::hSmoke, 450, 430}});
}

INSTANTIATE_TEST_SUITE_P(Paces, PilgrimScenes, ::testing::ValuesIn(kPaces), PaceName);

}  // namespace
}  // namespace gs::testing
