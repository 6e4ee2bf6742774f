// Start-up of the scene window: first-run rule, settings copies, the display
// session with its catalogue, the sound bank, and the failed-display path.
#include <algorithm>
#include <set>

#include "display/sprite_catalogue.h"
#include "support/form_fixture.h"

namespace gs::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(FormTest, FirstStartWritesDefaultsBeforeReadingAndCopiesThem) {
  Form1& f = Load();
  EXPECT_EQ(store.Saves().size(), 17u);
  EXPECT_EQ(store.Saves().back().key, SchemaEntry(Setting::SetReg).key);
  EXPECT_EQ(f.show().settings.MouseSens, 4);
  EXPECT_EQ(f.show().settings.TunePC, 6);
  EXPECT_EQ(f.show().settings.Clock, 0);
  EXPECT_EQ(f.show().settings.ShowMessage, 0);
  EXPECT_EQ(f.show().settings.SoundTurkey, 1);
  EXPECT_EQ(f.show().settings.SoundGuns, 1);
  EXPECT_EQ(f.show().settings.SoundCow, 1);
  EXPECT_EQ(f.show().settings.VolumeTurkey, 0);
  EXPECT_EQ(f.show().settings.FontSize, "24");
  EXPECT_FALSE(f.show().TuneNoticeDone);
  EXPECT_FALSE(f.show().MonitorNoticeDone);
  // Start values of the show.
  EXPECT_EQ(f.show().Scene, 1);
  EXPECT_EQ(f.show().Scene4Step, 1);
  EXPECT_EQ(f.show().Scene5Step, 1);
  EXPECT_TRUE(f.show().ShowBackdrop && f.show().ShowCowScene && f.show().CowPlaying && f.show().GunShown &&
              f.show().CannonArmed);
  EXPECT_FALSE(f.show().PilgrimHop);
  EXPECT_THAT(platform.calls, ElementsAre("HidePointer"));
  EXPECT_EQ(display.calls().front(), "OpenDisplay(800,600,16,\"\")");
}

TEST_F(FormTest, FirstStartKeepsWhatTheUserAlreadySet) {
  SaveSetting(store, Setting::Clock, "1");
  SaveSetting(store, Setting::Message, "My own words");
  store.ClearSaves();
  Form1& f = Load();
  EXPECT_EQ(store.Saves().size(), 15u);
  EXPECT_EQ(f.show().settings.Clock, 1);
  EXPECT_EQ(f.show().settings.Message, "My own words");
  EXPECT_EQ(f.show().settings.TunePC, 6);
}

TEST_F(FormTest, MarkerWithoutKeysReadsEveryKeyAsOne) {
  SeedStore({});
  Form1& f = Load();
  EXPECT_TRUE(store.Saves().empty());
  EXPECT_EQ(f.show().settings.MouseSens, 1);
  EXPECT_EQ(f.show().settings.TunePC, 1);
  EXPECT_EQ(f.show().settings.Clock, 1);
  EXPECT_EQ(f.show().settings.ShowMessage, 1);
  EXPECT_EQ(f.show().settings.Message, "1");
  // RunMonitor and TuneScrSvr read with an empty default: both notices pending.
  EXPECT_FALSE(f.show().TuneNoticeDone);
}

struct CatalogueCase {
  const char* runMonitor;
  const char* tuneScrSvr;
  int sprites;
  int loads;
};

class CatalogueTest : public FormTest, public ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(CatalogueTest, BuildsEveryRowWithItsLoads) {
  SeedStore({{Setting::RunMonitor, GetParam().runMonitor}, {Setting::TuneScrSvr, GetParam().tuneScrSvr}});
  Form1& f = Load();
  EXPECT_EQ(display.CountCalls("CreateSprite"), GetParam().sprites);
  EXPECT_EQ(display.CountCalls("LoadSpriteFrame"), GetParam().loads);
  int opaque = 0;
  for (const std::string& c : display.CallsStartingWith("LoadSpriteFrame"))
    opaque += c.ends_with(",-2)") ? 1 : 0;
  EXPECT_EQ(opaque, 17 - (75 - GetParam().sprites));
  // Every built holder got its own id; skipped notices hold none.
  std::set<int32_t> ids;
  for (const CatalogueRow& row : SpriteCatalogue()) ids.insert(f.show().sprites.*row.holder);
  ids.erase(0);
  EXPECT_EQ(static_cast<int>(ids.size()), GetParam().sprites);
  if (GetParam().sprites == 73) {
    EXPECT_EQ(f.show().sprites.hMonitorNotice, 0);
    EXPECT_EQ(f.show().sprites.hTuneNotice, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Notices, CatalogueTest,
                         ::testing::Values(CatalogueCase{"False", "False", 75, 268},
                                           CatalogueCase{"True", "True", 73, 266},
                                           CatalogueCase{"True", "False", 74, 267},
                                           CatalogueCase{"-1", "", 74, 267}));

TEST(SpriteCatalogueTable, HoldsTheDistinctFilesAndFrameRuns) {
  std::set<std::string> files;
  int loads = 0;
  for (const CatalogueRow& row : SpriteCatalogue()) {
    for (const CatalogueFrame& f : ExpandFrames(row)) {
      std::string folded = f.file;
      std::transform(folded.begin(), folded.end(), folded.begin(), ::tolower);
      files.insert(folded);
      ++loads;
    }
  }
  EXPECT_EQ(SpriteCatalogue().size(), 75u);
  EXPECT_EQ(loads, 268);
  EXPECT_EQ(files.size(), 177u);
  auto find = [](const char* name) {
    for (const CatalogueRow& row : SpriteCatalogue())
      if (std::string(row.holderName) == name) return ExpandFrames(row);
    return std::vector<CatalogueFrame>{};
  };
  // Frames 2 to 11 of hT2_13 get no picture.
  auto t213 = find("hT2_13");
  ASSERT_EQ(t213.size(), 2u);
  EXPECT_EQ(t213[1].frame, 12);
  EXPECT_EQ(t213[1].file, "T2-14.bmp");
  auto t107 = find("hT1_07");
  ASSERT_EQ(t107.size(), 17u);
  EXPECT_EQ(t107[12].file, "T1-07.bmp");
  EXPECT_EQ(t107[16].file, "T1-12.bmp");
  EXPECT_EQ(find("hPT18").size(), 23u);
  EXPECT_EQ(find("hPT07").size(), 19u);
  EXPECT_EQ(find("hPilgrim01").size(), 14u);
}

TEST_F(FormTest, PathsAreFolderAndNameFoundWithoutRegardToCase) {
  Form1& f = Load();
  EXPECT_EQ(f.InstallFolder(), Folder());
  auto loads = display.CallsStartingWith("LoadSpriteFrame(" + std::to_string(f.show().sprites.hBackground) + ",");
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0],
            "LoadSpriteFrame(" + std::to_string(f.show().sprites.hBackground) + ",1," + Folder() + "bg.BMP,-2)");
  // pilgrimC in hPilgrimA's frame 3 and in hPilgrimC is the one file on disk.
  EXPECT_EQ(display.CountCalls("LoadSpriteFrame(" + std::to_string(f.show().sprites.hPilgrimC) + ",1," + Folder() +
                               "pilgrimc.bmp"),
            1);
  EXPECT_EQ(display.CountCalls("LoadSpriteFrame(" + std::to_string(f.show().sprites.hPilgrimA) + ",3," + Folder() +
                               "pilgrimc.bmp"),
            1);
  // A file that is not there keeps its catalogue name.
  EXPECT_EQ(display.CountCalls("LoadSpriteFrame(" + std::to_string(f.show().sprites.hShack) + ",1," + Folder() +
                               "Shack2.bmp,-1)"),
            1);
  EXPECT_EQ(audio.PathOf(f.show().sounds.sndGun), Folder() + "Gun.WAV");
  EXPECT_EQ(audio.PathOf(f.show().sounds.sndTurkey), Folder() + "Turkey2.wav");
}

TEST_F(FormTest, SpritesStartAtTheirPlacesAndFrameOne) {
  Form1& f = Load();
  SpriteTable& s = display.sprites();
  EXPECT_EQ(s.X(f.show().sprites.hVertBarR), 800);
  EXPECT_EQ(s.Y(f.show().sprites.hHorizBarB), 600);
  EXPECT_EQ(s.X(f.show().sprites.hGun), 550);
  EXPECT_EQ(s.Y(f.show().sprites.hGun), 525);
  EXPECT_EQ(s.X(f.show().sprites.hT3_27), 320);
  EXPECT_EQ(s.Y(f.show().sprites.hT3_27), 194);
  EXPECT_EQ(s.Find(f.show().sprites.hT1_07)->periodMs, 100);
  EXPECT_EQ(s.Find(f.show().sprites.hT2_13)->periodMs, 900);
  EXPECT_EQ(s.Find(f.show().sprites.hBackground)->periodMs, 0);
  // Animated rows: frame, then period, then y, then x.
  std::string id = std::to_string(f.show().sprites.hCow3);
  std::vector<std::string> cow;
  for (const std::string& c : display.calls())
    if (c.find("(" + id + ",") != std::string::npos && !c.starts_with("LoadSpriteFrame")) cow.push_back(c);
  EXPECT_THAT(cow, ElementsAre("SetSpriteFrame(" + id + ",1)", "SetFrameInterval(" + id + ",200)",
                               "SetSpriteY(" + id + ",250)", "SetSpriteX(" + id + ",350)"));
}

struct BankCase {
  const char *turkey, *guns, *cow, *volTurkey, *volGuns;
  int loads;
  std::vector<std::string> volumes;  // in call order, without ids
};

class SoundBankTest : public FormTest, public ::testing::WithParamInterface<BankCase> {};

TEST_P(SoundBankTest, LoadsTheSwitchedOnGroupsAtTheirVolumes) {
  const BankCase& c = GetParam();
  SeedStore({});
  SaveSetting(store, Setting::SoundTurkey, c.turkey);
  SaveSetting(store, Setting::SoundGuns, c.guns);
  SaveSetting(store, Setting::SoundCow, c.cow);
  SaveSetting(store, Setting::VolumeTurkey, c.volTurkey);
  SaveSetting(store, Setting::VolumeGuns, c.volGuns);
  SaveSetting(store, Setting::VolumeCow, "-100");
  Load();
  EXPECT_EQ(audio.CountCalls("LoadSound"), c.loads);
  std::vector<std::string> volumes;
  for (const std::string& v : audio.CallsStartingWith("SetSoundVolume")) volumes.push_back(v.substr(v.find(',') + 1));
  EXPECT_EQ(volumes, c.volumes);
  // The slots are stopped before anything is loaded; they hold no sound yet.
  ASSERT_GE(audio.calls().size(), 13u);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(audio.calls()[i], "StopSound(0)");
}

const std::vector<std::string> kSix0(6, "0)");
const std::vector<std::string> kFourQuiet(4, "-2500)");
const std::vector<std::string> kThreeCow(3, "-100)");

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SoundBankTest,
    ::testing::Values(BankCase{"0", "0", "0", "0", "0", 0, {}},
                      BankCase{"1", "1", "1", "0", "-2500", 13, Join({kSix0, kFourQuiet, kThreeCow})},
                      BankCase{"1", "1", "2", "0", "-2500", 10, Join({kSix0, kFourQuiet})},
                      BankCase{"nonsense", "1", "1", "0", "-2500", 7, Join({kFourQuiet, kThreeCow})}));

TEST_F(FormTest, SilentBankCuesCarryIdZero) {
  SeedStore({});
  for (Setting k : {Setting::SoundTurkey, Setting::SoundGuns, Setting::SoundCow}) SaveSetting(store, k, "0");
  Form1& f = Load();
  EXPECT_EQ(audio.CountCalls("SetSoundVolume"), 0);
  EXPECT_EQ(f.show().sounds.sndTurkey, 0);
  EXPECT_EQ(f.show().sounds.sndPlop, 0);
}

TEST_F(FormTest, DisplayThatDoesNotOpenShowsTheBoxAndEndsWithFailure) {
  display.openResult = false;
  Form1& f = Load();
  EXPECT_TRUE(f.Closed());
  EXPECT_NE(f.ExitStatus(), 0);
  EXPECT_TRUE(loop.quitting());
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
  // Nothing runs afterwards, not even a stray event.
  f.TegoDDrw1_Frame();
  EXPECT_EQ(display.CountCalls("PresentFrame"), 0);
}

}  // namespace
}  // namespace gs::testing
