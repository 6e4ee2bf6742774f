// Scenes 6 to 8 and ResetVar: the walk, the wipe, the cow on black and the
// show's return to its start.
#include <gtest/gtest.h>

#include "scene/show_tables.h"

namespace gs::testing {
namespace {

using F = ShowIds;
using R = SceneFrame;
using C = Counter;

// Scene 8's cow reached its last frame on this frame (it is then drawn twice).
bool CowEnds(const R& r, const F& f) { return r.before.cowPlaying && FrameAfter(r, f.hCow3) == 10; }

const std::vector<Cue>& FinaleCues() {
  static const std::vector<Cue> cues = {
      {"grunt on a walker step in s=1 or 4", &F::sndGrunt, 6, 0,
       [](const R& r, const F& f) {
         return (S(r) == 1 || S(r) == 4) && FrameAfter(r, f.hTC01) != r.DrawnFrame(f.hTC01);
       }},
      {"cow s=2 or 5", &F::sndCow, 6, 0, [](const R& r, const F&) { return S(r) == 2 || S(r) == 5; }},
      {"plop Cow3 frame 5", &F::sndPlop, 8, 0,
       [](const R& r, const F& f) { return r.before.cowPlaying && FrameAfter(r, f.hCow3) == 5; }},
  };
  return cues;
}

const std::vector<DrawRule>& FinaleDraws() {
  static const std::vector<DrawRule> draws = {
      {&F::hPT26, 6, 0, [](const R&, const F&) { return true; }},
      {&F::hTC01, 6, 0, [](const R&, const F&) { return true; }},
      {&F::hTCP01, 7, 0, [](const R& r, const F&) { return r.before.showCowScene; }},
      {&F::hCow1, 7, 0, [](const R& r, const F&) { return r.before.showCowScene; }},
      {&F::hVertBarL, 7, 0, [](const R& r, const F&) { return S(r) >= 8; }},
      {&F::hVertBarR, 7, 0, [](const R& r, const F&) { return S(r) >= 8; }},
      {&F::hHorizBarT, 7, 0, [](const R& r, const F&) { return S(r) >= 8; }},
      {&F::hHorizBarB, 7, 0, [](const R& r, const F&) { return S(r) >= 8; }},
      {&F::hCow3, 8, 0, [](const R& r, const F&) { return r.before.cowPlaying; }},
      {&F::hCow3, 8, 0,
       [](const R& r, const F& f) { return (!r.before.cowPlaying && S(r) < 7) || CowEnds(r, f); }},
  };
  return draws;
}

const std::vector<StepRule>& FinaleSteps() {
  static const std::vector<StepRule> steps = {
      {6, 0, [](const R& r, const F& f) { return XAfter(r, f.hTC01) < 410; }, 7, 0, {C::StepTicks},
       {C::Scene1Ticks, C::Scene2Ticks, C::Scene3Ticks, C::HoleTicks}},
      {7, 0, [](const R& r, const F& f) { return S(r) >= 8 && XAfter(r, f.hVertBarL) >= 401; }, 8, 0,
       {C::StepTicks}, {C::Scene1Ticks, C::Scene2Ticks, C::Scene3Ticks, C::HoleTicks}},
      {8, 0, [](const R& r, const F& f) { return S(r) > 6 && !CowEnds(r, f); }, 1, 1,
       {C::StepTicks, C::Scene1Ticks, C::Scene2Ticks, C::Scene3Ticks, C::HoleTicks}, {}},
  };
  return steps;
}

class FinaleScenes : public ShowAtPace {};

TEST_P(FinaleScenes, EveryCueInsideItsWindowAndNowhereElse) {
  ExpectCues(run, FinaleCues(), {6, 7, 8});
  // The walk takes 131 scene frames: under a second at TunePC 0, too short
  // for the walker's cues.
  if (run.tunePC >= 6) {
    ExpectEveryCueHeard(run, FinaleCues());
  } else {
    ExpectEveryCueHeard(run, {FinaleCues()[2]});
  }
}

TEST_P(FinaleScenes, EachFrameDrawsWhatTheScriptSays) { ExpectDraws(run, FinaleDraws(), {6, 7, 8}); }

TEST_P(FinaleScenes, ScenesEndOnTheirCueAndZeroTheirCounters) { ExpectSteps(run, FinaleSteps()); }

TEST_P(FinaleScenes, WalkerComesInThreePixelsAFrameFor131Frames) {
  for (const Segment& s : SegmentsOf(run, 6, 0)) {
    ASSERT_EQ(s.last - s.first + 1, 131u);
    for (size_t i = s.first; i <= s.last; ++i) {
      const int k = static_cast<int>(i - s.first);
      ASSERT_EQ(DrawnX(run.frames[i], f.hTC01), 800 - 3 * k);
      ASSERT_EQ(DrawnY(run.frames[i], f.hTC01), 420);
    }
    EXPECT_EQ(XAfter(run.frames[s.last], f.hTC01), 407);
  }
}

TEST_P(FinaleScenes, FirstWipeTakes201FramesAfterEightSecondsLaterOnesOne) {
  const std::vector<Segment> wipes = SegmentsOf(run, 7, 0);
  ASSERT_GE(wipes.size(), 2u);
  for (size_t show = 0; show < 2; ++show) {
    const Segment& s = wipes[show];
    std::vector<size_t> wipeFrames;
    for (size_t i = s.first; i <= s.last; ++i)
      if (S(run.frames[i]) >= 8) wipeFrames.push_back(i);
    ASSERT_EQ(wipeFrames.size(), show == 0 ? 201u : 1u);
    // Eight seconds of the cows, counted from the scene's start.
    const double hold = static_cast<double>(run.frames[wipeFrames[0]].us - run.frames[s.first].us) / 1e6;
    EXPECT_GT(hold, 7.0);
    EXPECT_LE(hold, 8.0 + spacing);
    for (size_t k = 0; k < wipeFrames.size(); ++k) {
      const SceneFrame& r = run.frames[wipeFrames[k]];
      // Before the move: the bars stand where the previous frame left them.
      const int moved = 2 * static_cast<int>(k + (show == 0 ? 0 : 201));
      EXPECT_EQ(DrawnX(r, f.hVertBarL), moved);
      EXPECT_EQ(DrawnX(r, f.hVertBarR), 800 - moved);
      EXPECT_EQ(DrawnY(r, f.hHorizBarT), moved);
      EXPECT_EQ(DrawnY(r, f.hHorizBarB), 600 - moved);
      EXPECT_EQ(DrawnY(r, f.hVertBarL), 0);
      EXPECT_EQ(DrawnX(r, f.hHorizBarT), 0);
      EXPECT_EQ(r.Drew(f.hCow1), k == 0) << "the first wipe frame still draws the cows";
    }
    const SceneFrame& last = run.frames[wipeFrames.back()];
    EXPECT_EQ(XAfter(last, f.hVertBarL), show == 0 ? 402 : 404);
    EXPECT_EQ(YAfter(last, f.hHorizBarB), show == 0 ? 198 : 196);
  }
}

// The backdrop goes with the first wipe frame and comes back with the reset;
// the cows of scene 7 go with it; scene 8's cow runs once, to frame 10.
TEST_P(FinaleScenes, FlagsFollowTheWipeAndTheCow) {
  bool wiped = false, cowDone = false;
  for (const SceneFrame& r : run.frames) {
    if (r.before.scene == 1 && r.before.step == 1) wiped = cowDone = false;
    EXPECT_EQ(r.before.showBackdrop, !wiped) << Describe(r);
    EXPECT_EQ(r.before.showCowScene, !wiped) << Describe(r);
    EXPECT_EQ(r.before.cowPlaying, !cowDone) << Describe(r);
    if (r.before.scene == 7 && S(r) >= 8) wiped = true;
    if (CowEnds(r, f)) cowDone = true;
    if (::testing::Test::HasFailure()) return;
  }
}

TEST_P(FinaleScenes, CowRunsItsTenFramesThenHoldsTheLastForSevenSeconds) {
  for (const Segment& s : SegmentsOf(run, 8, 0)) {
    size_t end = s.first;
    while (end <= s.last && !CowEnds(run.frames[end], f)) ++end;
    ASSERT_LE(end, s.last);
    const double run9 = static_cast<double>(run.frames[end].us - run.frames[s.first].us) / 1e6;
    // Nine steps of 200 ms, the first at once (the cow stood still since its reset).
    EXPECT_GE(run9, 8 * 0.2 - spacing - 0.01);
    EXPECT_LE(run9, 8 * std::max(0.2, spacing) + spacing + 0.01);
    const double hold = static_cast<double>(run.frames[s.last].us - run.frames[end].us) / 1e6;
    EXPECT_GT(hold, 6.0);
    EXPECT_LE(hold, 7.0 + spacing);
    for (size_t i = end + 1; i < s.last; ++i) EXPECT_EQ(run.frames[i].DrawnFrame(f.hCow3), 10);
    // The frame that resets shows only black.
    EXPECT_TRUE(run.frames[s.last].draws.empty());
  }
}

TEST_P(FinaleScenes, ResetPutsFramesAndPlacesBackAndLeavesBarsAndGun) {
  const Slot framesReset[] = {
      &F::hTC01,      &F::hTCP01,     &F::hCow1,      &F::hCow3,      &F::hGun,       &F::hCannon,
      &F::hT1_01,     &F::hT1_05,     &F::hT1_07,     &F::hT2_01,     &F::hT2_04,     &F::hT2_08,
      &F::hT2_11,     &F::hT2_13,     &F::hT2_15,     &F::hT2_17,     &F::hT2_20,     &F::hT2_22,
      &F::hT2_24,     &F::hT3_01,     &F::hT3_06,     &F::hT3_14,     &F::hT3_18,     &F::hT3_21,
      &F::hT3_27,     &F::hPilgrimA,  &F::hPilgrim01, &F::hPilgrim07, &F::hPilgrim09, &F::hPilgrim11,
      &F::hPilgrim14, &F::hPilgrim16, &F::hPilgrim17, &F::hPilgrim19, &F::hPilgrim21, &F::hPilgrim23,
      &F::hPT01,      &F::hPT03,      &F::hPT05,      &F::hPT07,      &F::hPT18,      &F::hPT23,
      &F::hPT26,      &F::hSmoke};
  const Place places[] = {{&F::hPilgrimA, 330, 600}, {&F::hCow3, 350, 250},     {&F::hCow1, 610, 450},
                          {&F::hPilgrim01, 330, 320}, {&F::hPilgrim23, 338, 178}, {&F::hTC01, 800, 420}};
  int resets = 0;
  for (size_t i = 1; i < run.frames.size(); ++i) {
    const SceneFrame& r = run.frames[i];
    if (r.before.scene != 8 || r.after.scene != 1) continue;
    ++resets;
    for (Slot s : framesReset) EXPECT_EQ(FrameAfter(r, f.*s), 1) << "sprite " << f.*s << ", reset " << resets;
    for (const Place& p : places) {
      EXPECT_EQ(XAfter(r, f.*p.sprite), p.x) << "sprite " << f.*p.sprite;
      EXPECT_EQ(YAfter(r, f.*p.sprite), p.y) << "sprite " << f.*p.sprite;
    }
    for (Slot bar : {&F::hVertBarL, &F::hVertBarR, &F::hHorizBarT, &F::hHorizBarB}) {
      EXPECT_EQ(XAfter(r, f.*bar), XAfter(run.frames[i - 1], f.*bar));
      EXPECT_EQ(YAfter(r, f.*bar), YAfter(run.frames[i - 1], f.*bar));
    }
    EXPECT_EQ(XAfter(r, f.hGun), 380);
    const SceneFrame::State& a = r.after;
    EXPECT_EQ(a.step, 1);
    EXPECT_TRUE(a.showBackdrop && a.showCowScene && a.cowPlaying && a.gunShown && a.cannonArmed);
    EXPECT_FALSE(a.pilgrimHop);
  }
  EXPECT_GE(resets, 2);
}

TEST_P(FinaleScenes, PicturesStandAtTheirPlaces) {
  ExpectPlaces(run, {{&F::hPT26, 334, 391}, {&F::hTCP01, 334, 391}, {&F::hCow1, 610, 450}, {&F::hCow3, 350, 250}});
}

INSTANTIATE_TEST_SUITE_P(Paces, FinaleScenes, ::testing::ValuesIn(kPaces), PaceName);

}  // namespace
}  // namespace gs::testing
