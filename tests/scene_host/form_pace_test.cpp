// The pace of the show: Frame events, scene frames, the real-time loop's
// late quiet frames, and the whole show at every setting of TunePC.
#include "support/sleeping_source.h"
#include "support/form_fixture.h"
#include "scene_host/show_rig.h"

namespace gs::testing {
namespace {

constexpr int32_t kGreen = Rgb(41, 118, 14);

int SceneFramesIn(const RecordingDisplay& display) {
  return display.CountCalls("ClearFrame(" + std::to_string(kGreen) + ")");
}

struct RateCase {
  const char* tunePC;
  int sceneFramesIn10s;
};

class SceneRateTest : public FormTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(SceneRateTest, FrameEventsComeAt150ASecond) {
  SeedStore({{Setting::TunePC, GetParam().tunePC}, {Setting::RunMonitor, "True"}, {Setting::TuneScrSvr, "True"}});
  Load();
  display.ClearCalls();
  RunFor(10.0);
  EXPECT_EQ(display.framesPresented(), 1500);
  EXPECT_EQ(SceneFramesIn(display), GetParam().sceneFramesIn10s);
}

// Scene frames are events n + 1, 2n + 1, ...: 150 / n a second.
INSTANTIATE_TEST_SUITE_P(TunePC, SceneRateTest,
                         ::testing::Values(RateCase{"0", 1500}, RateCase{"6", 249}, RateCase{"20", 74}));

// Between scene frames a Frame event may wait only while nothing it draws
// has changed: the overlays change with the timers.
TEST_F(FormTest, OnlyFramesThatDrawNothingNewMayWait) {
  SeedStore({{Setting::TunePC, "6"}, {Setting::RunMonitor, "False"}, {Setting::TuneScrSvr, "False"}});
  Form1& f = Load();
  EXPECT_EQ(f.QuietFramesAhead(), 0);  // the first event draws the notice
  f.TegoDDrw1_Frame();
  EXPECT_EQ(f.QuietFramesAhead(), 5);  // events 2 to 6; event 7 is a scene frame
  f.TegoDDrw1_Frame();
  EXPECT_EQ(f.QuietFramesAhead(), 4);
  f.Timer3_Timer();  // a new countdown
  EXPECT_EQ(f.QuietFramesAhead(), 0);
  for (int i = 0; i < 5; ++i) f.TegoDDrw1_Frame();
  EXPECT_EQ(f.QuietFramesAhead(), 5);  // event 7 was the scene frame
  f.Timer1_Timer();  // a new time for the clock
  EXPECT_EQ(f.QuietFramesAhead(), 0);
  f.TegoDDrw1_Frame();
  f.show().settings.TunePC = f.show().PaceCount = 0;
  EXPECT_EQ(f.QuietFramesAhead(), 0);
  f.show().settings.TunePC = 21;  // never a scene frame
  EXPECT_GT(f.QuietFramesAhead(), 1000000);
}

// A scene window on a loop and doubles of its own, with settings of a user
// who has been through the first run.
struct Rig {
  Rig(const std::string& folder, std::initializer_list<std::pair<Setting, std::string>> system,
      double startTimeOfDay)
      : clock(startTimeOfDay), show(clock, audio, store, platform, folder) {
    SaveSetting(store, Setting::SetReg, "2");
    for (const auto& [key, value] : system) SaveSetting(store, key, value);
    store.ClearSaves();
    show.display.logQueries = false;
    show.form.Form_Load();
  }
  SimClock clock;
  RecordingAudio audio;
  MemorySettingsStore store;
  RecordingPlatform platform;
  SleepingSource source{clock};
  ShowRig<RecordingDisplay> show;
};

// The show as a first-time user with the clock on sees it, for 35 s, in
// simulated time or in real time where frames that change nothing run late.
constexpr int kSeconds = 35;

TEST_F(FormTest, QuietFramesRunLateWithTheSameResultAndFewWakeUps) {
  auto run = [&](bool realTime) {
    // The clock passes midnight on the way.
    auto rig = std::make_unique<Rig>(Folder(),
                                     std::initializer_list<std::pair<Setting, std::string>>{
                                         {Setting::TunePC, "6"}, {Setting::Clock, "1"}, {Setting::FontSize, "24"},
                                         {Setting::ShowMessage, "0"}, {Setting::TuneScrSvr, "False"},
                                         {Setting::RunMonitor, "False"}},
                                     23 * 3600.0 + 59 * 60.0 + 50);
    rig->show.display.logQueries = true;
    rig->show.loop.AddTimer(kSeconds * 1000000, [&] { rig->show.loop.Quit(0); });
    if (realTime) {
      rig->show.loop.AddSource(&rig->source);
      rig->show.loop.Run();
    } else {
      rig->show.loop.RunUntil(rig->clock, (kSeconds + 1) * 1000000);
    }
    return rig;
  };
  const auto sim = run(false);
  const auto real = run(true);
  const auto& draws = sim->show.display.calls();
  EXPECT_EQ(std::count(draws.begin(), draws.end(), "PresentFrame()"), kSeconds * 150);
  EXPECT_TRUE(real->show.display.calls() == draws);
  EXPECT_EQ(real->audio.calls(), sim->audio.calls());
  EXPECT_EQ(real->store.Saves(), sim->store.Saves());
  EXPECT_EQ(sim->store.Saves().size(), 1u);  // the first notice, at 30 s
  // 25 scene frames a second and the timers' two moments; never 150.
  EXPECT_LE(real->source.wakeUps, kSeconds * (25 + 2) + 2);
}

// Every value the dialog offers plays the eight scenes in order and starts
// the show again, twice over.
TEST_F(FormTest, EveryTunePCPlaysTheWholeShowAndStartsAgain) {
  const std::vector<int> twoShows{1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8, 1};
  for (int tune = 0; tune <= 20; ++tune) {
    Rig rig(Folder(), {{Setting::TunePC, std::to_string(tune)}, {Setting::RunMonitor, "True"},
                       {Setting::TuneScrSvr, "True"}, {Setting::Clock, "0"}, {Setting::ShowMessage, "0"}},
            12 * 3600.0);
    const Form1& f = rig.show.form;
    std::vector<int> order{f.show().Scene};
    for (int second = 0; second < 1000 && order.size() < twoShows.size(); ++second) {
      for (int i = 0; i < 150 && order.size() < twoShows.size(); ++i) {
        rig.show.loop.RunUntil(rig.clock, rig.clock.MonotonicUs() + 1000000 / 150);
        if (f.show().Scene != order.back()) order.push_back(f.show().Scene);
      }
      rig.show.display.ClearCalls();
      rig.audio.ClearCalls();
    }
    EXPECT_EQ(order, twoShows) << "TunePC " << tune;
  }
}

}  // namespace
}  // namespace gs::testing
