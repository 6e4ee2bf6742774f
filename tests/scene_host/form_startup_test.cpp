// Start-up of the scene window: first-run rule, the display session, the
// sound bank, and the failed-display path.
#include <algorithm>
#include <tuple>

#include "support/form_fixture.h"

namespace gs::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(FormTest, FirstStartWritesTheFirstRunValuesBeforeReadingThem) {
  const Show& show = Load().show();
  EXPECT_EQ(store.Saves().size(), 17u);
  EXPECT_EQ(store.Saves().back().key, SchemaEntry(Setting::SetReg).key);
  const ShowSettings& s = show.settings;
  EXPECT_EQ(std::tuple(s.MouseSens, s.TunePC, s.Clock, s.ShowMessage, s.SoundTurkey, s.SoundGuns, s.SoundCow,
                       s.VolumeTurkey, s.FontSize),
            std::tuple(4, 6, 0, 0, 1, 1, 1, 0, "24"));
  EXPECT_FALSE(show.TuneNoticeDone || show.MonitorNoticeDone);
  EXPECT_EQ(std::tuple(show.Scene, show.Scene4Step, show.Scene5Step, show.PilgrimHop), std::tuple(1, 1, 1, false));
  EXPECT_TRUE(show.ShowBackdrop && show.ShowCowScene && show.CowPlaying && show.GunShown && show.CannonArmed);
  EXPECT_THAT(platform.calls, ElementsAre("HidePointer"));
  EXPECT_EQ(display.calls().front(), "OpenDisplay(800,600,16,\"\")");
}

TEST_F(FormTest, FirstStartKeepsWhatTheUserAlreadySet) {
  SaveSetting(store, Setting::Clock, "1");
  SaveSetting(store, Setting::Message, "My own words");
  store.ClearSaves();
  const ShowSettings& s = Load().show().settings;
  EXPECT_EQ(store.Saves().size(), 15u);
  EXPECT_EQ(std::tuple(s.Clock, s.Message, s.TunePC), std::tuple(1, "My own words", 6));
}

struct NoticeSpritesCase {
  const char *runMonitor, *tuneScrSvr;
  bool monitorNotice, tuneNotice;  // whether each notice's sprite is built
};

class NoticeSpritesTest : public FormTest, public ::testing::WithParamInterface<NoticeSpritesCase> {};

TEST_P(NoticeSpritesTest, OnlyPendingNoticesGetASprite) {
  const NoticeSpritesCase& c = GetParam();
  SeedStore({{Setting::RunMonitor, c.runMonitor}, {Setting::TuneScrSvr, c.tuneScrSvr}});
  const Show& show = Load().show();
  EXPECT_EQ(display.CountCalls("CreateSprite"), 73 + c.monitorNotice + c.tuneNotice);
  EXPECT_EQ(show.sprites.hMonitorNotice != 0, c.monitorNotice);
  EXPECT_EQ(show.sprites.hTuneNotice != 0, c.tuneNotice);
}

INSTANTIATE_TEST_SUITE_P(Notices, NoticeSpritesTest,
                         ::testing::Values(NoticeSpritesCase{"False", "False", true, true},
                                           NoticeSpritesCase{"True", "True", false, false},
                                           NoticeSpritesCase{"True", "False", false, true},
                                           NoticeSpritesCase{"-1", "", false, true}));

TEST_F(FormTest, PathsAreFolderAndNameFoundWithoutRegardToCase) {
  Form1& f = Load();
  const SpriteHolders& h = f.show().sprites;
  EXPECT_EQ(f.InstallFolder(), Folder());
  auto loads = [&](int32_t id, int frame, const std::string& file) {
    return display.CountCalls("LoadSpriteFrame(" + std::to_string(id) + "," + std::to_string(frame) + "," +
                              Folder() + file + ",");
  };
  EXPECT_EQ(loads(h.hBackground, 1, "bg.BMP"), 1);
  // pilgrimC in hPilgrimA's frame 3 and in hPilgrimC is the one file on disk.
  EXPECT_EQ(loads(h.hPilgrimC, 1, "pilgrimc.bmp") + loads(h.hPilgrimA, 3, "pilgrimc.bmp"), 2);
  // A file that is not there keeps its catalogue name.
  EXPECT_EQ(loads(h.hShack, 1, "Shack2.bmp"), 1);
  EXPECT_EQ(audio.CountCalls("LoadSound(" + Folder() + "Gun.WAV)=" + std::to_string(f.show().sounds.sndGun)), 1);
  EXPECT_EQ(audio.CountCalls("LoadSound(" + Folder() + "Turkey2.wav)"), 1);
}

struct BankCase {
  const char *turkey, *guns, *cow;
  int loads;
  bool turkeyLoaded;         // a group switched off cues id 0
  std::vector<int> volumes;  // set in call order
};

class SoundBankTest : public FormTest, public ::testing::WithParamInterface<BankCase> {};

TEST_P(SoundBankTest, LoadsTheSwitchedOnGroupsAtTheirVolumes) {
  const BankCase& c = GetParam();
  SeedStore({{Setting::SoundTurkey, c.turkey}, {Setting::SoundGuns, c.guns}, {Setting::SoundCow, c.cow},
             {Setting::VolumeTurkey, "0"}, {Setting::VolumeGuns, "-2500"}, {Setting::VolumeCow, "-100"}});
  const Show& show = Load().show();
  EXPECT_EQ(audio.CountCalls("LoadSound"), c.loads);
  std::vector<int> volumes;
  for (const std::string& v : audio.calls())
    if (v.starts_with("SetSoundVolume")) volumes.push_back(std::stoi(v.substr(v.find(',') + 1)));
  EXPECT_EQ(volumes, c.volumes);
  // The slots are stopped before anything is loaded; they hold no sound yet.
  ASSERT_GE(audio.calls().size(), 13u);
  EXPECT_EQ(std::count(audio.calls().begin(), audio.calls().begin() + 13, "StopSound(0)"), 13);
  EXPECT_EQ(show.sounds.sndTurkey != 0, c.turkeyLoaded);
}

const std::vector<int> kAll{0, 0, 0, 0, 0, 0, -2500, -2500, -2500, -2500, -100, -100, -100};

INSTANTIATE_TEST_SUITE_P(Switches, SoundBankTest,
                         ::testing::Values(BankCase{"0", "0", "0", 0, false, {}},
                                           BankCase{"1", "1", "1", 13, true, kAll},
                                           BankCase{"1", "1", "2", 10, true, {kAll.begin(), kAll.begin() + 10}},
                                           BankCase{"nonsense", "1", "1", 7, false, {kAll.begin() + 6, kAll.end()}}));

TEST_F(FormTest, DisplayThatDoesNotOpenShowsTheBoxAndEndsWithFailure) {
  display.openResult = false;
  Form1& f = Load();
  EXPECT_TRUE(f.Closed() && loop.quitting());
  EXPECT_NE(f.ExitStatus(), 0);
  EXPECT_NE(loop.status(), 0);
  EXPECT_EQ(platform.boxTitle, "Error opening Direct Draw!");
  EXPECT_EQ(platform.boxText,
            "The screensaver having a problem with your color setting\r\n\r\n"
            "It should be able to run no matter what color setting you use.\r\n\r\n"
            "Try changing the color setting to 16-bit and test the screensaver\r\n");
  EXPECT_THAT(platform.calls, ElementsAre("HidePointer", "ErrorBox", "ShowPointer"));
  EXPECT_EQ(display.CountCalls("CreateSprite"), 0);
  // The unload names sounds that were never loaded.
  EXPECT_THAT(audio.calls(), ElementsAre("StopSound(0)", "StopSound(0)", "StopSound(0)", "StopAllSounds()"));
  f.TegoDDrw1_Frame();  // a stray event draws nothing
  EXPECT_EQ(display.CountCalls("PresentFrame"), 0);
}

}  // namespace
}  // namespace gs::testing
