// Input that ends the saver, the shutdown sequence and SoundNotify.
#include <tuple>

#include "support/form_fixture.h"

namespace gs::testing {
namespace {

using ::testing::ElementsAre;

// Each sound is stopped twice over: once by the stop and once by the unload.
const std::vector<std::string> kStops = {"StopAllSounds()", "StopSound(1)", "StopSound(7)", "StopSound(12)"};

class ExitTest : public FormTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ExitTest, KeyOrButtonEndsAtOnceWithTheSoundsStopped) {
  Form1& f = Load();
  ASSERT_EQ(std::tuple(f.show().sounds.sndTurkey, f.show().sounds.sndGun, f.show().sounds.sndCow),
            std::tuple(1, 7, 12));
  RunFor(2.0);
  audio.ClearCalls();
  platform.calls.clear();
  GetParam() ? display.SendKey() : display.SendMouseDown();
  EXPECT_THAT(audio.calls(), ElementsAre(kStops[0], kStops[1], kStops[2], kStops[3], kStops[1], kStops[2],
                                         kStops[3], kStops[0]));
  EXPECT_THAT(platform.calls, ElementsAre("SaverStopped", "DestroyOtherWindows", "ShowPointer"));
  EXPECT_TRUE(f.Closed() && loop.quitting());
  EXPECT_EQ(loop.status(), 0);
  // Nothing more is handled, and no setting is written at the end.
  store.ClearSaves();
  display.ClearCalls();
  f.TegoDDrw1_Frame();
  f.Timer3_Timer();
  display.SendKey();
  EXPECT_EQ(display.CountCalls("PresentFrame"), 0);
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(audio.calls().size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(KeyAndButton, ExitTest, ::testing::Bool());

TEST_F(FormTest, SoundNotifyStopsTheSoundsAndTheShowGoesOn) {
  Form1& f = Load();
  audio.ClearCalls();
  audio.RaiseSoundNotify();
  EXPECT_EQ(audio.calls(), kStops);
  EXPECT_FALSE(f.Closed());
  display.ClearCalls();
  RunFor(1.0);
  EXPECT_EQ(display.CountCalls("PresentFrame"), 150);
}

struct MoveCase {
  const char* name;
  int mouseSens;
  std::vector<double> times;  // seconds after start of each movement event
  int endsOnEvent;            // 1-based; 0: the saver goes on
  double startTimeOfDay = 12 * 3600.0 + 0.2;
};

class MouseMoveTest : public FormTest, public ::testing::WithParamInterface<MoveCase> {
 protected:
  MouseMoveTest() : FormTest(GetParam().startTimeOfDay) {}
};

TEST_P(MouseMoveTest, EndsWhenTheCountReachesMouseSens) {
  const MoveCase& c = GetParam();
  Form1& f = Load();
  f.show().settings.MouseSens = static_cast<int16_t>(c.mouseSens);
  int endedOn = 0;
  for (size_t i = 0; i < c.times.size() && !endedOn; ++i) {
    clock.Set(static_cast<int64_t>(c.times[i] * 1e6));
    display.SendMouseMove();
    if (f.Closed()) endedOn = static_cast<int>(i) + 1;
  }
  EXPECT_EQ(endedOn, c.endsOnEvent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseMoveTest,
    ::testing::Values(
        MoveCase{"FourQuickMoves", 4, {1, 1.5, 2, 2.5}, 4},
        // The count is tested before the window is closed by time.
        MoveCase{"FourthAfterElevenSeconds", 4, {1, 2, 3, 12}, 4},
        MoveCase{"PauseRestartsTheCount", 4, {1, 2, 13, 14, 15}, 0},
        MoveCase{"PauseThenANewWindowFills", 4, {1, 2, 13, 14, 15, 16, 17}, 7},
        MoveCase{"LowestSensAnyTime", 2, {1, 500}, 2},
        MoveCase{"OneEndsAtOnce", 1, {1}, 1},
        MoveCase{"ZeroNever", 0, {1, 2, 3, 4, 5, 6, 7, 8}, 0},
        MoveCase{"NegativeNever", -3, {1, 2, 3, 4, 5, 6, 7, 8}, 0},
        // Opened at 12:00:00.7, the window starts at the rounded 12:00:01 and
        // stays open until 10.3 s after the first event.
        MoveCase{"RoundedStartStillOpen", 3, {0.5, 10.7, 10.75}, 3},
        MoveCase{"RoundedStartCloses", 3, {0.5, 10.9, 11.0}, 0},
        // Across midnight the window still closes after ten seconds.
        MoveCase{"AcrossMidnightCloses", 4, {0, 1, 12, 13, 14}, 0, 86395.0},
        MoveCase{"AcrossMidnightFillsInTime", 4, {0, 1, 6, 8}, 4, 86395.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, MoveCountStopsAtTheTopOfItsRange) {
  Form1& f = Load();
  f.show().settings.MouseSens = 0;
  f.MoveCount = 32766;
  display.SendMouseMove();
  display.SendMouseMove();
  EXPECT_EQ(f.MoveCount, 32767);
  EXPECT_FALSE(f.Closed());
}

}  // namespace
}  // namespace gs::testing
