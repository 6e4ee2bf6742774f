// The pacing gate, the timers and their counters, the notice countdown, the
// reset of the show and the show out of sight.
#include <tuple>

#include "scene/scenes.h"
#include "support/form_fixture.h"

namespace gs::testing {
namespace {

constexpr int32_t kGreen = Rgb(41, 118, 14);

struct PaceCase {
  const char* tunePC;
  std::vector<int> firstSceneFrames;  // numbers (from 1) of the first Frame events that compose a scene
  int sceneFramesInASecond;
};

class PacingTest : public FormTest, public ::testing::WithParamInterface<PaceCase> {};

// Frame events come 150 a second; every TunePC-th after the first composes the
// scene, and all eight scenes play in order before the show starts again.
TEST_P(PacingTest, ComposesEveryTunePCthEventAndPlaysTheScenesInOrder) {
  const PaceCase& c = GetParam();
  SeedStore({{Setting::TunePC, c.tunePC}, {Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"},
             {Setting::Clock, "0"}, {Setting::ShowMessage, "0"}});
  Form1& f = Load();
  display.ClearCalls();
  RunFor(1.0);
  std::vector<int> scene;
  int event = 0;
  bool backdrop = false;
  for (const std::string& call : display.calls()) {
    if (call == "ClearFrame(" + std::to_string(kGreen) + ")") backdrop = true;
    if (call != "PresentFrame()") continue;
    ++event;
    if (backdrop) scene.push_back(event);
    backdrop = false;
  }
  EXPECT_EQ(event, 150);
  EXPECT_EQ(static_cast<int>(scene.size()), c.sceneFramesInASecond);
  scene.resize(std::min<size_t>(scene.size(), 3));
  EXPECT_EQ(scene, c.firstSceneFrames);
  std::vector<int> order{f.show().Scene};
  for (int i = 0; i < 150000 && order.size() < 9; ++i) {
    if (i % 150 == 0) {  // keeps the logs short
      display.ClearCalls();
      audio.ClearCalls();
    }
    RunFor(1.0 / 150);
    if (f.show().Scene != order.back()) order.push_back(f.show().Scene);
  }
  EXPECT_EQ(order, std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 1}));
}

// Hand-edited values beyond the dialog's 0..20 are taken as its nearest end.
INSTANTIATE_TEST_SUITE_P(TunePC, PacingTest,
                         ::testing::Values(PaceCase{"0", {1, 2, 3}, 150}, PaceCase{"1", {2, 3, 4}, 149},
                                           PaceCase{"3", {4, 7, 10}, 49}, PaceCase{"20", {21, 41, 61}, 7},
                                           PaceCase{"21", {21, 41, 61}, 7}, PaceCase{"-1", {1, 2, 3}, 150}));

// Between scene frames a Frame event may wait only while nothing it draws
// has changed: the overlays change with the timers.
TEST_F(FormTest, OnlyFramesThatDrawNothingNewMayWait) {
  SeedStore({{Setting::TunePC, "6"}, {Setting::RunMonitor, "False"}, {Setting::TuneScrSvr, "False"}});
  Form1& f = Load();
  EXPECT_EQ(f.QuietFramesAhead(), 0);  // the first event draws the notice
  f.TegoDDrw1_Frame();
  EXPECT_EQ(f.QuietFramesAhead(), 5);  // events 2 to 6; event 7 is a scene frame
  f.Timer3_Timer();                    // a new countdown
  EXPECT_EQ(f.QuietFramesAhead(), 0);
  for (int i = 0; i < 6; ++i) f.TegoDDrw1_Frame();
  EXPECT_EQ(f.QuietFramesAhead(), 5);  // event 7 was the scene frame
  f.Timer1_Timer();                    // a new time for the clock
  EXPECT_EQ(f.QuietFramesAhead(), 0);
  f.TegoDDrw1_Frame();
  f.show().settings.TunePC = 21;  // never a scene frame
  EXPECT_GT(f.QuietFramesAhead(), 1000000);
}

TEST_F(FormTest, BackdropIsDrawnInOrderOnlyWhileShown) {
  // No clock, no message, no notice: nothing but the backdrop is drawn.
  SeedStore({{Setting::TunePC, "0"}, {Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"},
             {Setting::Clock, "0"}, {Setting::ShowMessage, "0"}});
  Form1& f = Load();
  display.ClearCalls();
  f.show().Scene = 0;  // runs no scene
  f.TegoDDrw1_Frame();
  EXPECT_THAT(display.calls(),
              ::testing::ElementsAre("ClearFrame(" + std::to_string(kGreen) + ")",
                                     "DrawSprite(" + std::to_string(f.show().sprites.hBackground) + ")",
                                     "DrawSprite(" + std::to_string(f.show().sprites.hInside) + ")",
                                     "DrawSprite(" + std::to_string(f.show().sprites.hShack) + ")", "PresentFrame()"));
  display.ClearCalls();
  f.show().ShowBackdrop = false;
  f.TegoDDrw1_Frame();
  EXPECT_THAT(display.calls(), ::testing::ElementsAre("PresentFrame()"));
}

TEST_F(FormTest, TimersAdvanceTheCountersAndTheClock) {
  SeedStore({{Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"}});
  const Show& s = Load().show();
  EXPECT_EQ(s.ClockTime, 0);  // midnight until the first tick
  RunFor(0.999);
  EXPECT_EQ(std::tuple(s.Scene1Ticks, s.HoleTicks), std::tuple(0, 1));
  RunFor(2.001);
  EXPECT_EQ(std::tuple(s.Scene1Ticks, s.StepTicks, s.Scene2Ticks, s.Scene3Ticks, s.HoleTicks),
            std::tuple(3, 3, 3, 3, 6));
  EXPECT_DOUBLE_EQ(s.ClockTime, 12 * 3600.0 + 3);
}

TEST_F(FormTest, CountersStopAtTheTopOfTheirRange) {
  SeedStore({{Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"}});
  Form1& f = Load();
  Show& s = f.show();
  s.Scene1Ticks = s.StepTicks = s.Scene2Ticks = s.Scene3Ticks = s.HoleTicks = 32766;
  s.settings.TunePC = 21;
  s.PaceCount = 32767;
  for (int i = 0; i < 2; ++i) {
    f.Timer1_Timer();
    f.Timer2_Timer();
  }
  EXPECT_EQ(std::tuple(s.Scene1Ticks, s.StepTicks, s.Scene2Ticks, s.Scene3Ticks, s.HoleTicks),
            std::tuple(32767, 32767, 32767, 32767, 32767));
  f.TegoDDrw1_Frame();
  EXPECT_EQ(s.PaceCount, 0);
}

struct NoticeCase {
  const char* runMonitor;
  const char* tuneScrSvr;
  // NoticeSecondsLeft after 1, 29, 30, 31, 59, 60 and 61 s.
  std::vector<int> left;
  int tuneSavedAt, monitorSavedAt;  // second at which each key is saved "True" (0: never)
};

class NoticeTest : public FormTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(NoticeTest, CountsDownAndRecordsEachNoticeOnce) {
  const NoticeCase& c = GetParam();
  SeedStore({{Setting::RunMonitor, c.runMonitor}, {Setting::TuneScrSvr, c.tuneScrSvr}});
  const Show& show = Load().show();
  EXPECT_EQ(show.NoticeSecondsLeft, 0);
  std::vector<int> left;
  int tuneAt = 0, monitorAt = 0;
  for (int second = 1; second <= 70; ++second) {
    RunFor(1.0);
    if (second % 30 <= 1 || second % 30 == 29) left.push_back(show.NoticeSecondsLeft);
    for (const auto& s : store.Saves()) {
      EXPECT_EQ(std::tie(s.section, s.value), std::tuple("System", "True"));
      int& at = s.key == SchemaEntry(Setting::TuneScrSvr).key ? tuneAt : monitorAt;
      at = at ? at : second;
    }
  }
  EXPECT_EQ(left, c.left);
  EXPECT_EQ(std::tuple(tuneAt, monitorAt), std::tuple(c.tuneSavedAt, c.monitorSavedAt));
  EXPECT_LE(store.Saves().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(StoredState, NoticeTest,
                         ::testing::Values(NoticeCase{"False", "False", {29, 1, 30, 29, 1, 0, 0}, 30, 60},
                                           NoticeCase{"False", "True", {59, 31, 30, 29, 1, 0, 0}, 0, 60},
                                           NoticeCase{"True", "False", {29, 1, 0, 0, 0, 0, 0}, 30, 0},
                                           NoticeCase{"True", "True", {0, 0, 0, 0, 0, 0, 0}, 0, 0}));

TEST_F(FormTest, NoticeTimerSwitchesItselfOffAfterTick501) {
  Form1& f = Load();
  RunFor(500.5);
  EXPECT_EQ(std::tuple(f.show().NoticeTicks, f.Timer3Enabled()), std::tuple(500, true));
  RunFor(1.0);
  EXPECT_EQ(std::tuple(f.show().NoticeTicks, f.Timer3Enabled()), std::tuple(0, false));
  RunFor(10.0);
  EXPECT_EQ(f.show().NoticeTicks, 0);
  EXPECT_TRUE(f.show().TuneNoticeDone && f.show().MonitorNoticeDone);
}

// Which sprites it puts back where is checked with the scenes; here the
// counters and flags.
TEST_F(FormTest, ResetVarZeroesTheCountersButLeavesThePace) {
  Show& s = Load().show();
  s.Scene = 8;
  s.Scene4Step = 13;
  s.StepTicks = s.Scene1Ticks = s.HoleTicks = 9;
  s.ShowBackdrop = s.CowPlaying = false;
  s.PilgrimHop = true;
  s.PaceCount = 4;
  ResetVar(s);
  EXPECT_EQ(std::tuple(s.Scene, s.Scene4Step, s.StepTicks, s.Scene1Ticks, s.HoleTicks, s.PaceCount),
            std::tuple(1, 1, 0, 0, 0, 4));
  EXPECT_TRUE(s.ShowBackdrop && s.CowPlaying);
  EXPECT_FALSE(s.PilgrimHop);
}

// Out of sight the show holds still and silent: no frame, no tick, no cue,
// the notice's countdown stopped; back in sight it goes on from where it
// stood, without catching up.
TEST_F(FormTest, AShowOutOfSightHoldsStillAndSilent) {
  SeedStore({{Setting::RunMonitor, "False"}, {Setting::TuneScrSvr, "False"}});
  Form1& f = Load();
  RunFor(2.5);
  const Show& s = f.show();
  ASSERT_EQ(std::tuple(s.Scene1Ticks, s.NoticeTicks), std::tuple(2, 2));
  audio.ClearCalls();
  f.SeenChanged(false);
  EXPECT_EQ(std::tuple(audio.CountCalls("StopAllSounds"), audio.CountCalls("SetResting(1)")), std::tuple(1, 1));
  const int presented = display.CountCalls("PresentFrame");
  RunFor(60);
  EXPECT_EQ(display.CountCalls("PresentFrame"), presented);
  EXPECT_EQ(audio.CountCalls("PlaySound"), 0);
  EXPECT_EQ(std::tuple(s.Scene1Ticks, s.HoleTicks, s.NoticeTicks), std::tuple(2, 5, 2));
  f.SeenChanged(true);
  RunFor(0.49);
  EXPECT_EQ(s.Scene1Ticks, 2);
  EXPECT_GT(display.CountCalls("PresentFrame"), presented);
  RunFor(0.02);
  EXPECT_EQ(std::tuple(s.Scene1Ticks, s.NoticeTicks), std::tuple(3, 3));
}

// A sound cued on the last scene frame before a rest is not started over by
// the same cue after it, only once its scene has let go of it.
TEST(ResumingAudio, CuesThatSoundedAtTheRestStaySilentUntilLetGo) {
  RecordingAudio out;
  ResumingAudio audio(out);
  audio.BeginSceneFrame();
  audio.PlaySound(1, -1, -1);
  audio.PlaySound(2, -1, -1);
  audio.SetResting(true);
  audio.SetResting(false);
  out.ClearCalls();
  audio.BeginSceneFrame();
  audio.PlaySound(1, -1, -1);
  audio.PlaySound(3, -1, -1);
  audio.BeginSceneFrame();
  audio.PlaySound(1, -1, -1);
  EXPECT_THAT(out.calls(), ::testing::ElementsAre("PlaySound(3,-1,-1)"));
  audio.BeginSceneFrame();  // 1 is held on; 2 was let go, uncued
  audio.PlaySound(2, -1, -1);
  audio.BeginSceneFrame();  // 1 was not cued: let go

  audio.PlaySound(1, -1, -1);
  EXPECT_THAT(out.calls(),
              ::testing::ElementsAre("PlaySound(3,-1,-1)", "PlaySound(2,-1,-1)", "PlaySound(1,-1,-1)"));
}

}  // namespace
}  // namespace gs::testing
