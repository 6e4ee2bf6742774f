// The pacing gate, the timers and their counters, the notice countdown and
// the reset of the show.
#include "scene/scenes.h"
#include "support/form_fixture.h"

namespace gs::testing {
namespace {

constexpr int32_t kGreen = Rgb(41, 118, 14);

// Numbers (from 1) of the Frame events among the first `count` that composed
// the backdrop.
std::vector<int> SceneFrames(const RecordingDisplay& display, int count) {
  std::vector<int> out;
  int event = 1;
  bool backdrop = false;
  const std::string green = "ClearFrame(" + std::to_string(kGreen) + ")";
  for (const std::string& c : display.calls()) {
    if (c == green) backdrop = true;
    if (c == "PresentFrame()") {
      if (backdrop) out.push_back(event);
      backdrop = false;
      if (++event > count) break;
    }
  }
  return out;
}

struct PaceCase {
  const char* tunePC;
  std::vector<int> sceneFrames;  // among the first 14 events
};

class PacingTest : public FormTest, public ::testing::WithParamInterface<PaceCase> {};

TEST_P(PacingTest, ComposesEveryTunePCthEventAndPresentsEveryEvent) {
  SeedStore({{Setting::TunePC, GetParam().tunePC}, {Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"}});
  Form1& f = Load();
  display.ClearCalls();
  for (int i = 0; i < 14; ++i) f.TegoDDrw1_Frame();
  EXPECT_EQ(display.framesPresented(), 14);
  EXPECT_EQ(SceneFrames(display, 14), GetParam().sceneFrames);
  EXPECT_GE(f.show().PaceCount, 0);
  EXPECT_LE(f.show().PaceCount, 20);
}

INSTANTIATE_TEST_SUITE_P(TunePC, PacingTest,
                         ::testing::Values(PaceCase{"0", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
                                           PaceCase{"1", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
                                           PaceCase{"3", {4, 7, 10, 13}}, PaceCase{"6", {7, 13}},
                                           // Hand-edited values beyond the dialog's 0..20 are
                                           // taken as its nearest end.
                                           PaceCase{"21", {}},
                                           PaceCase{"-1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}));

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
  Form1& f = Load();
  EXPECT_EQ(f.show().ClockTime, 0);  // midnight until the first tick
  RunFor(0.999);
  EXPECT_EQ(f.show().Scene1Ticks, 0);
  EXPECT_EQ(f.show().HoleTicks, 1);
  RunFor(2.001);
  EXPECT_EQ(f.show().Scene1Ticks, 3);
  EXPECT_EQ(f.show().StepTicks, 3);
  EXPECT_EQ(f.show().Scene2Ticks, 3);
  EXPECT_EQ(f.show().Scene3Ticks, 3);
  EXPECT_EQ(f.show().HoleTicks, 6);
  EXPECT_DOUBLE_EQ(f.show().ClockTime, 12 * 3600.0 + 3);
}

TEST_F(FormTest, CountersStopAtTheTopOfTheirRange) {
  SeedStore({{Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"}});
  Form1& f = Load();
  f.show().Scene1Ticks = f.show().StepTicks = f.show().Scene2Ticks = f.show().Scene3Ticks = f.show().HoleTicks = 32766;
  f.show().settings.TunePC = 21;
  f.show().PaceCount = 32767;
  f.Timer1_Timer();
  f.Timer1_Timer();
  f.Timer2_Timer();
  f.Timer2_Timer();
  EXPECT_EQ(f.show().Scene1Ticks, 32767);
  EXPECT_EQ(f.show().StepTicks, 32767);
  EXPECT_EQ(f.show().Scene3Ticks, 32767);
  EXPECT_EQ(f.show().HoleTicks, 32767);
  f.TegoDDrw1_Frame();
  EXPECT_EQ(f.show().PaceCount, 0);
}

struct NoticeCase {
  const char* runMonitor;
  const char* tuneScrSvr;
  // NoticeSecondsLeft after 1, 29, 30, 31, 59 and 60 seconds.
  std::vector<int> left;
  // Second at which each key is saved "True" (0: never).
  int tuneSavedAt;
  int monitorSavedAt;
};

class NoticeTest : public FormTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(NoticeTest, CountsDownAndRecordsEachNoticeOnce) {
  const NoticeCase& c = GetParam();
  SeedStore({{Setting::RunMonitor, c.runMonitor}, {Setting::TuneScrSvr, c.tuneScrSvr}});
  Form1& f = Load();
  EXPECT_EQ(f.show().NoticeSecondsLeft, 0);
  std::vector<int> left;
  int tuneAt = 0, monitorAt = 0;
  for (int second = 1; second <= 70; ++second) {
    RunFor(1.0);
    if (second == 1 || second == 29 || second == 30 || second == 31 || second == 59 || second == 60)
      left.push_back(f.show().NoticeSecondsLeft);
    for (const auto& s : store.Saves()) {
      if (s.key == SchemaEntry(Setting::TuneScrSvr).key && !tuneAt) tuneAt = second;
      if (s.key == SchemaEntry(Setting::RunMonitor).key && !monitorAt) monitorAt = second;
    }
  }
  EXPECT_EQ(left, c.left);
  EXPECT_EQ(tuneAt, c.tuneSavedAt);
  EXPECT_EQ(monitorAt, c.monitorSavedAt);
  for (const auto& s : store.Saves()) {
    EXPECT_EQ(s.section, "System");
    EXPECT_EQ(s.value, "True");
  }
  EXPECT_LE(store.Saves().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(StoredState, NoticeTest,
                         ::testing::Values(NoticeCase{"False", "False", {29, 1, 30, 29, 1, 0}, 30, 60},
                                           NoticeCase{"False", "True", {59, 31, 30, 29, 1, 0}, 0, 60},
                                           NoticeCase{"True", "False", {29, 1, 0, 0, 0, 0}, 30, 0},
                                           NoticeCase{"True", "True", {0, 0, 0, 0, 0, 0}, 0, 0}));

TEST_F(FormTest, NoticeTimerSwitchesItselfOffAfterTick501) {
  Form1& f = Load();
  RunFor(500.5);
  EXPECT_EQ(f.show().NoticeTicks, 500);
  EXPECT_TRUE(f.Timer3Enabled());
  RunFor(1.0);
  EXPECT_EQ(f.show().NoticeTicks, 0);
  EXPECT_FALSE(f.Timer3Enabled());
  RunFor(10.0);
  EXPECT_EQ(f.show().NoticeTicks, 0);
  EXPECT_TRUE(f.show().TuneNoticeDone && f.show().MonitorNoticeDone);
}

TEST_F(FormTest, ResetVarRestoresTheShowButLeavesBarsGunAndPace) {
  Form1& f = Load();
  SpriteTable& s = display.sprites();
  for (int32_t id : {f.show().sprites.hTC01, f.show().sprites.hCow3, f.show().sprites.hSmoke, f.show().sprites.hPT18,
                     f.show().sprites.hGun})
    s.SetFrame(id, 2);
  s.SetX(f.show().sprites.hPilgrimA, 5);
  s.SetY(f.show().sprites.hPilgrimA, 5);
  s.SetX(f.show().sprites.hTC01, 100);
  s.SetX(f.show().sprites.hCow1, 1);
  s.SetY(f.show().sprites.hPilgrim23, 1);
  s.SetX(f.show().sprites.hGun, 380);
  s.SetX(f.show().sprites.hVertBarL, 401);
  f.show().Scene = 8;
  f.show().Scene4Step = 13;
  f.show().StepTicks = f.show().Scene1Ticks = f.show().HoleTicks = 9;
  f.show().ShowBackdrop = f.show().CowPlaying = false;
  f.show().PilgrimHop = true;
  f.show().PaceCount = 4;
  display.ClearCalls();
  ResetVar(f.show());
  EXPECT_EQ(display.CountCalls("SetSpriteFrame"), 44);
  EXPECT_EQ(display.calls().front(), "SetSpriteFrame(" + std::to_string(f.show().sprites.hTC01) + ",1)");
  for (int32_t id : {f.show().sprites.hTC01, f.show().sprites.hCow3, f.show().sprites.hSmoke, f.show().sprites.hPT18,
                     f.show().sprites.hGun})
    EXPECT_EQ(s.Frame(id), 1);
  EXPECT_EQ(s.X(f.show().sprites.hPilgrimA), 330);
  EXPECT_EQ(s.Y(f.show().sprites.hPilgrimA), 600);
  EXPECT_EQ(s.X(f.show().sprites.hTC01), 800);
  EXPECT_EQ(s.X(f.show().sprites.hCow1), 610);
  EXPECT_EQ(s.Y(f.show().sprites.hPilgrim23), 178);
  EXPECT_EQ(display.CountCalls("SetSpriteY"), 7);
  EXPECT_EQ(s.X(f.show().sprites.hGun), 380);
  EXPECT_EQ(s.X(f.show().sprites.hVertBarL), 401);
  EXPECT_EQ(f.show().PaceCount, 4);
  EXPECT_EQ(f.show().Scene, 1);
  EXPECT_EQ(f.show().Scene4Step, 1);
  EXPECT_EQ(f.show().StepTicks + f.show().Scene1Ticks + f.show().HoleTicks, 0);
  EXPECT_TRUE(f.show().ShowBackdrop && f.show().CowPlaying);
  EXPECT_FALSE(f.show().PilgrimHop);
}

}  // namespace
}  // namespace gs::testing

namespace gs::testing {
namespace {

// Out of sight the show holds still and silent: no frame, no tick, no cue,
// the notice's countdown stopped; back in sight it goes on from where it
// stood, without catching up.
TEST_F(FormTest, AShowOutOfSightHoldsStillAndSilent) {
  SeedStore({{Setting::RunMonitor, "False"}, {Setting::TuneScrSvr, "False"}});
  Form1& f = Load();
  RunFor(2.5);
  const Show& s = f.show();
  ASSERT_EQ(s.Scene1Ticks, 2);
  ASSERT_EQ(s.NoticeTicks, 2);
  audio.ClearCalls();
  f.SeenChanged(false);
  EXPECT_EQ(audio.CountCalls("StopAllSounds"), 1);
  EXPECT_EQ(audio.CountCalls("SetResting(1)"), 1);
  const int presented = display.framesPresented();
  RunFor(60);
  EXPECT_EQ(display.framesPresented(), presented);
  EXPECT_EQ(audio.CountCalls("PlaySound"), 0);
  EXPECT_EQ(s.Scene1Ticks, 2);
  EXPECT_EQ(s.HoleTicks, 5);
  EXPECT_EQ(s.NoticeTicks, 2);
  f.SeenChanged(true);
  RunFor(0.49);
  EXPECT_EQ(s.Scene1Ticks, 2);
  EXPECT_GT(display.framesPresented(), presented);
  RunFor(0.02);
  EXPECT_EQ(s.Scene1Ticks, 3);
  EXPECT_EQ(s.NoticeTicks, 3);
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
