// Scenes 1 to 3 as their scripts give them: what each scene frame draws and
// cues by the scene's own tick counter, and how each step ends.
#include <gtest/gtest.h>

#include <set>

#include "scene/show_tables.h"

namespace gs::testing {
namespace {

using F = ShowIds;
using R = SceneFrame;

const std::vector<Cue>& TurkeyCues() {
  static const std::vector<Cue> cues = {
      {"turkey 4<=t<6", &F::sndTurkey, 1, 1, [](const R& r, const F&) { return T1(r) >= 4 && T1(r) < 6; }},
      {"gun t=10", &F::sndGun, 1, 1, [](const R& r, const F&) { return T1(r) == 10; }},
      {"bow t=16", &F::sndBow, 1, 1, [](const R& r, const F&) { return T1(r) == 16; }},

      {"gun t=10", &F::sndGun, 2, 1, [](const R& r, const F&) { return T2(r) == 10; }},
      {"gun T2-04 frame 4", &F::sndGun, 2, 1,
       [](const R& r, const F& f) { return T2(r) >= 10 && T2(r) < 14 && FrameAfter(r, f.hT2_04) == 4; }},
      {"gun T2-04 frame 9", &F::sndGun, 2, 1,
       [](const R& r, const F& f) { return T2(r) >= 10 && T2(r) < 14 && FrameAfter(r, f.hT2_04) == 9; }},
      {"turkey t=14", &F::sndTurkey, 2, 1, [](const R& r, const F&) { return T2(r) == 14; }},
      {"cannon t=24 armed", &F::sndGunBig, 2, 1,
       [](const R& r, const F&) { return T2(r) == 24 && r.before.cannonArmed; }},
      {"cannon t=32 armed", &F::sndGunBig, 2, 1,
       [](const R& r, const F&) { return T2(r) == 32 && r.before.cannonArmed; }},
      {"crash T2-24 frame 5", &F::sndCrash, 2, 1,
       [](const R& r, const F& f) { return T2(r) >= 33 && FrameAfter(r, f.hT2_24) == 5; }},

      {"turkey t=2", &F::sndTurkey, 3, 1, [](const R& r, const F&) { return T3(r) == 2; }},
      {"turkey T3-14 frame 2", &F::sndTurkey, 3, 1,
       [](const R& r, const F& f) { return T3(r) >= 14 && T3(r) < 21 && FrameAfter(r, f.hT3_14) == 2; }},
      {"gun T3-14 frame 11", &F::sndGun, 3, 1,
       [](const R& r, const F& f) { return T3(r) >= 14 && T3(r) < 21 && FrameAfter(r, f.hT3_14) == 11; }},
      {"turkey t=23", &F::sndTurkey, 3, 1, [](const R& r, const F&) { return T3(r) == 23; }},
      {"gun T3-21 frame 3", &F::sndGun, 3, 1,
       [](const R& r, const F& f) { return T3(r) >= 26 && T3(r) < 28 && FrameAfter(r, f.hT3_21) == 3; }},
      {"gun t=28", &F::sndGun, 3, 1, [](const R& r, const F&) { return T3(r) == 28; }},
      {"gun t=30", &F::sndGun, 3, 1, [](const R& r, const F&) { return T3(r) == 30; }},
      {"gun t=31", &F::sndGun, 3, 1, [](const R& r, const F&) { return T3(r) == 31; }},
  };
  return cues;
}

bool Between(int v, int from, int below) { return v >= from && v < below; }

const std::vector<DrawRule>& TurkeyDraws() {
  static const std::vector<DrawRule> draws = {
      {&F::hGun, 1, 1, [](const R&, const F&) { return true; }},
      {&F::hT1_01, 1, 1, [](const R& r, const F&) { return T1(r) < 10; }},
      {&F::hT1_04b, 1, 1, [](const R& r, const F&) { return T1(r) == 10; }},
      {&F::hT1_04, 1, 1, [](const R& r, const F&) { return Between(T1(r), 11, 13); }},
      {&F::hT1_05, 1, 1, [](const R& r, const F&) { return Between(T1(r), 13, 16); }},
      {&F::hT1_06a, 1, 1, [](const R& r, const F&) { return T1(r) == 16; }},
      {&F::hT1_07, 1, 1, [](const R& r, const F&) { return T1(r) >= 17; }},
      {&F::hT1_13, 1, 2, [](const R&, const F&) { return true; }},

      {&F::hGun, 2, 1, [](const R& r, const F&) { return r.before.gunShown; }},
      {&F::hT2_01, 2, 1, [](const R& r, const F&) { return T2(r) < 10; }},
      {&F::hT2_04, 2, 1, [](const R& r, const F&) { return Between(T2(r), 10, 14); }},
      {&F::hT2_08, 2, 1, [](const R& r, const F&) { return Between(T2(r), 14, 16); }},
      {&F::hT2_10, 2, 1, [](const R& r, const F&) { return Between(T2(r), 16, 18); }},
      {&F::hCannon, 2, 1, [](const R& r, const F&) { return Between(T2(r), 18, 25); }},
      {&F::hT2_11, 2, 1, [](const R& r, const F&) { return Between(T2(r), 18, 24); }},
      {&F::hT2_13, 2, 1, [](const R& r, const F&) { return Between(T2(r), 24, 26); }},
      {&F::hT2_15, 2, 1, [](const R& r, const F&) { return T2(r) == 26; }},
      {&F::hT2_17, 2, 1, [](const R& r, const F&) { return T2(r) == 27; }},
      {&F::hT2_19, 2, 1, [](const R& r, const F&) { return T2(r) == 28; }},
      {&F::hT2_20, 2, 1, [](const R& r, const F&) { return Between(T2(r), 29, 31); }},
      {&F::hCannon, 2, 1, [](const R& r, const F&) { return Between(T2(r), 31, 33); }},
      {&F::hT2_22, 2, 1, [](const R& r, const F&) { return Between(T2(r), 31, 33); }},
      {&F::hT2_24, 2, 1, [](const R& r, const F&) { return T2(r) >= 33; }},
      {&F::hT2_28, 2, 2, [](const R&, const F&) { return true; }},

      {&F::hGun, 3, 1, [](const R&, const F&) { return true; }},
      {&F::hT3_01, 3, 1, [](const R& r, const F&) { return T3(r) < 5; }},
      {&F::hT3_06, 3, 1, [](const R& r, const F&) { return Between(T3(r), 5, 14); }},
      {&F::hT3_14, 3, 1, [](const R& r, const F&) { return Between(T3(r), 14, 21); }},
      {&F::hT3_18, 3, 1, [](const R& r, const F&) { return Between(T3(r), 21, 23); }},
      {&F::hT3_20, 3, 1, [](const R& r, const F&) { return Between(T3(r), 23, 26); }},
      {&F::hT3_21, 3, 1, [](const R& r, const F&) { return Between(T3(r), 26, 28); }},
      {&F::hGlass1, 3, 1,
       [](const R& r, const F& f) { return Between(T3(r), 26, 28) && FrameAfter(r, f.hT3_21) > 2; }},
      {&F::hT3_24, 3, 1, [](const R& r, const F&) { return Between(T3(r), 28, 30); }},
      {&F::hGlass1, 3, 1, [](const R& r, const F&) { return Between(T3(r), 28, 30); }},
      {&F::hGlass2, 3, 1, [](const R& r, const F&) { return Between(T3(r), 28, 30); }},
      {&F::hGunHole1, 3, 1, [](const R& r, const F&) { return H(r) > 55; }},
      {&F::hGunHole2, 3, 1, [](const R& r, const F&) { return H(r) > 56; }},
      {&F::hGunHole3, 3, 1, [](const R& r, const F&) { return H(r) > 57; }},
      {&F::hT3_25, 3, 1, [](const R& r, const F&) { return T3(r) == 30; }},
      {&F::hGlass1, 3, 1, [](const R& r, const F&) { return T3(r) == 30; }},
      {&F::hGlass2, 3, 1, [](const R& r, const F&) { return T3(r) == 30; }},
      {&F::hGlass3, 3, 1, [](const R& r, const F&) { return T3(r) == 30; }},
      {&F::hGunHole3, 3, 1, [](const R& r, const F&) { return T3(r) > 33; }},
      {&F::hT3_26, 3, 1, [](const R& r, const F&) { return T3(r) == 31; }},
      {&F::hGlass1, 3, 1, [](const R& r, const F&) { return T3(r) == 31; }},
      {&F::hGlass2, 3, 1, [](const R& r, const F&) { return T3(r) == 31; }},
      {&F::hGlass3, 3, 1, [](const R& r, const F&) { return T3(r) == 31; }},
      {&F::hGlass1, 3, 1, [](const R& r, const F&) { return Between(T3(r), 32, 34); }},
      {&F::hGlass2, 3, 1, [](const R& r, const F&) { return Between(T3(r), 32, 34); }},
      {&F::hGlass3, 3, 1, [](const R& r, const F&) { return Between(T3(r), 32, 34); }},
      {&F::hT3_27, 3, 1, [](const R& r, const F&) { return Between(T3(r), 32, 34); }},
      {&F::hT3_27, 3, 2, [](const R&, const F&) { return true; }},
      {&F::hGlass1, 3, 2, [](const R&, const F&) { return true; }},
      {&F::hGlass2, 3, 2, [](const R&, const F&) { return true; }},
      {&F::hGlass3, 3, 2, [](const R&, const F&) { return true; }},
      {&F::hGunHole1, 3, 2, [](const R&, const F&) { return true; }},
      {&F::hGunHole2, 3, 2, [](const R&, const F&) { return true; }},
      {&F::hGunHole3, 3, 2, [](const R&, const F&) { return true; }},
  };
  return draws;
}

using C = Counter;
const std::vector<StepRule>& TurkeySteps() {
  static const std::vector<StepRule> steps = {
      {1, 1, [](const R& r, const F& f) { return T1(r) >= 17 && FrameAfter(r, f.hT1_07) == 17; }, 1, 2,
       {C::StepTicks}, {C::Scene1Ticks}},
      // 1 to 2 does not touch StepTicks; scene 2 times its first step by its own counter.
      {1, 2, [](const R& r, const F&) { return S(r) == 3; }, 2, 1, {C::Scene2Ticks},
       {C::StepTicks, C::Scene1Ticks, C::Scene3Ticks, C::HoleTicks}},
      {2, 1, [](const R& r, const F& f) { return T2(r) >= 33 && FrameAfter(r, f.hT2_24) == 6; }, 2, 2,
       {C::StepTicks}, {C::Scene2Ticks}},
      {2, 2, [](const R& r, const F&) { return S(r) == 3; }, 3, 1, {C::Scene3Ticks, C::HoleTicks},
       {C::StepTicks, C::Scene1Ticks, C::Scene2Ticks}},
      {3, 1, [](const R& r, const F& f) { return Between(T3(r), 32, 34) && FrameAfter(r, f.hT3_27) == 10; }, 3,
       2, {C::StepTicks}, {C::HoleTicks}},
      {3, 2, [](const R& r, const F&) { return S(r) == 3; }, 4, 1, {C::StepTicks},
       {C::Scene1Ticks, C::Scene2Ticks, C::Scene3Ticks, C::HoleTicks}},
  };
  return steps;
}

class TurkeyScenes : public ShowAtPace {};

TEST_P(TurkeyScenes, EveryCueInsideItsWindowAndNowhereElse) {
  ExpectCues(run, TurkeyCues(), {1, 2, 3});
  ExpectEveryCueHeard(run, TurkeyCues());
}

TEST_P(TurkeyScenes, EachFrameDrawsWhatTheScriptSaysInItsOrder) { ExpectDraws(run, TurkeyDraws(), {1, 2, 3}); }

TEST_P(TurkeyScenes, StepsEndOnTheirCueAndZeroTheirCounters) { ExpectSteps(run, TurkeySteps()); }

// Timed by counters that run from the scene's start: scene 1 from the reset,
// scene 2 and 3 from their own start, with the closing pictures 3 s each.
TEST_P(TurkeyScenes, ScenesLastWhatTheirCountersImply) {
  for (int show = 0; show < 2; ++show) {
    // The 17-frame run starts at t = 17 and steps at most once per scene frame.
    const Segment s11 = SegmentsOf(run, 1, 1)[static_cast<size_t>(show)];
    EXPECT_GE(Seconds(run, s11), 16 + 16 * 0.1 - spacing - 0.01);
    EXPECT_LE(Seconds(run, s11), 17 + 16 * std::max(0.1, spacing) + spacing + 0.01);
    for (int scene : {1, 2, 3}) {
      const Segment hold = SegmentsOf(run, scene, 2)[static_cast<size_t>(show)];
      EXPECT_GE(Seconds(run, hold), 2.0 - spacing) << "scene " << scene;
      EXPECT_LE(Seconds(run, hold), 3.0 + spacing) << "scene " << scene;
    }
    // Scene 2 runs 33 s of its counter and T2-24's six frames at 125 ms.
    const Segment s21 = SegmentsOf(run, 2, 1)[static_cast<size_t>(show)];
    EXPECT_GE(Seconds(run, s21), 32 + 5 * 0.125 - spacing - 0.01);
    EXPECT_LE(Seconds(run, s21), 33 + 5 * std::max(0.125, spacing) + spacing + 0.01);
  }
}

TEST_P(TurkeyScenes, CannonFiresOnThreeFramesEachShotDrawingFramesOneToThree) {
  for (int shot : {24, 32}) {
    for (int show = 1; show <= 2; ++show) {
      std::vector<int32_t> drawnFrames, cued;
      for (const SceneFrame& r : run.frames) {
        if (r.show != show || r.before.scene != 2 || r.before.step != 1 || T2(r) != shot) continue;
        drawnFrames.push_back(r.DrawnFrame(f.hCannon));
        cued.push_back(static_cast<int32_t>(std::count(r.plays.begin(), r.plays.end(), f.sndGunBig)));
      }
      ASSERT_GE(drawnFrames.size(), 5u);
      std::vector<int32_t> first(drawnFrames.begin(), drawnFrames.begin() + 5);
      EXPECT_EQ(first, (std::vector<int32_t>{1, 2, 3, 1, 1})) << "t " << shot << ", show " << show;
      EXPECT_EQ(std::count(cued.begin(), cued.end(), 1), 3) << "t " << shot << ", show " << show;
    }
  }
}

TEST_P(TurkeyScenes, GunStandsWhereEachSceneMovesIt) {
  for (int show = 1; show <= 2; ++show) {
    int seenIn[4] = {0, 0, 0, 0}, wrong = 0;
    for (const SceneFrame& r : run.frames) {
      const int x = DrawnX(r, f.hGun);
      if (r.show != show || x < 0 || r.before.scene > 3) continue;
      const int scene = r.before.scene;
      // Scenes 2 and 3 move it after their first draw; later shows keep scene 3's place.
      const int loaded = show == 1 ? 550 : 380;
      const int expected = scene == 1 ? loaded
                           : seenIn[scene]++ == 0 ? (scene == 2 ? loaded : 200)
                           : (scene == 2 ? 200 : 380);
      if ((x != expected || DrawnY(r, f.hGun) != 525) && wrong++ < 3)
        ADD_FAILURE() << "gun at " << x << "," << DrawnY(r, f.hGun) << ", expected x " << expected << "; "
                      << Describe(r);
    }
    // Hidden from the frame on which T2-04 shows frame 11 on.
    bool hidden = false;
    for (const SceneFrame& r : run.frames) {
      if (r.show != show || r.before.scene != 2) continue;
      if (hidden) {
        EXPECT_FALSE(r.Drew(f.hGun)) << Describe(r);
      }
      if (T2(r) >= 10 && T2(r) < 14 && FrameAfter(r, f.hT2_04) == 11) hidden = true;
    }
    EXPECT_TRUE(hidden) << "show " << show;
  }
}

// Scene 1's shot: the gun runs through its frames in second 10 and is set
// back to frame 1 from second 11 on (shown from the frame after).
TEST_P(TurkeyScenes, FirstGunShotAnimatesTheGunForOneSecond) {
  for (int show = 1; show <= 2; ++show) {
    std::set<int32_t> during, outside;
    bool firstOf11 = true;
    for (const SceneFrame& r : run.frames) {
      if (r.show != show || r.before.scene != 1 || r.before.step != 1) continue;
      if (T1(r) == 10) {
        during.insert(r.DrawnFrame(f.hGun));
      } else if (T1(r) != 11 || !firstOf11) {
        outside.insert(r.DrawnFrame(f.hGun));
      }
      if (T1(r) == 11) firstOf11 = false;
    }
    EXPECT_EQ(during, (std::set<int32_t>{1, 2, 3, 4})) << "show " << show;
    EXPECT_EQ(outside, std::set<int32_t>{1}) << "show " << show;
  }
}

TEST_P(TurkeyScenes, GunHolesFromHalfSecondFiftySixAndStayThroughTheClosingPicture) {
  for (int show = 1; show <= 2; ++show) {
    double firstHole = -1, sceneStart = -1;
    for (const SceneFrame& r : run.frames) {
      if (r.show != show || r.before.scene != 3) continue;
      if (sceneStart < 0) sceneStart = r.us / 1e6;
      if (firstHole < 0 && r.Drew(f.hGunHole1)) firstHole = r.us / 1e6 - sceneStart;
    }
    EXPECT_NEAR(firstHole, 28.0, 0.6) << "show " << show;
  }
}

INSTANTIATE_TEST_SUITE_P(Paces, TurkeyScenes, ::testing::ValuesIn(kPaces), PaceName);

}  // namespace
}  // namespace gs::testing
