#include "settings/settings_schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/memory_settings_store.h"
#include "settings/saver_settings_store.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

using testing::ReadText;
using testing::WriteText;

constexpr const char* kFirstRunSound = "[Sound]\nSoundCow=1\nSoundGuns=1\nSoundTurkey=1\n";
constexpr const char* kFirstRunSystemAfterMessage =
    "MouseSens=4\nRunMonitor=False\nShowMessage=0\nTunePC=6\nTuneScrSvr=False\nPwrSave=0\n";
// A section added to a file follows a blank line.
constexpr const char* kFirstRunVolume = "\n[Volume]\nVolumeCow=0\nVolumeGuns=0\nVolumeTurkey=0\n";
constexpr const char* kFirstRunMarker = "\n[Startup]\nSetReg=2\n";

TEST(FirstRunRule, AnEmptyFileGetsEveryFirstRunValueWithTheMarkerLastAndOnlyOnce) {
  testing::TempDir dir;
  const std::string path = dir.File("settings.ini");
  SaverSettingsStore store(path);
  SettingsSnapshot read(store);
  EXPECT_TRUE(ApplyFirstRunRule(store, read));
  EXPECT_EQ(ReadText(path), std::string(kFirstRunSound) +
                                "\n[System]\nClock=0\nFontSize=24\nFontSizeMsg=16\n"
                                "Message=Place a message here or turn off\n" +
                                kFirstRunSystemAfterMessage + kFirstRunVolume + kFirstRunMarker);
  EXPECT_EQ(read.Text(Setting::Message), "Place a message here or turn off");  // learnt without a read
  EXPECT_EQ(read.Integer(Setting::TunePC), 6);

  MemorySettingsStore again;  // a second start writes nothing
  SaveSetting(again, Setting::SetReg, " 2.0 ");  // still reads as the Integer 2
  again.ClearSaves();
  EXPECT_FALSE(ApplyFirstRunRule(again));
  EXPECT_TRUE(again.Saves().empty());
}

// The dialog opened before the saver ever ran, or a hand-edited file, or a
// first run cut short: what is stored stays, the rest is completed.
TEST(FirstRunRule, KeepsEveryValueAlreadyStored) {
  testing::TempDir dir;
  const std::string path = dir.File("settings.ini");
  for (const char* marker : {"", "[Startup]\nSetReg=1\n"}) {
    WriteText(path, std::string(marker) + "[system]\nClock=1\nMessage=My own words\n");
    SaverSettingsStore store(path);
    SettingsSnapshot read(store);
    EXPECT_TRUE(ApplyFirstRunRule(store, read));
    EXPECT_EQ(read.Integer(Setting::Clock), 1);
    EXPECT_EQ(read.Text(Setting::Message), "My own words");
    EXPECT_EQ(read.Text(Setting::FontSize), "24");
    const std::string system = std::string("[system]\nClock=1\nMessage=My own words\nFontSize=24\nFontSizeMsg=16\n") +
                               kFirstRunSystemAfterMessage;
    const std::string added = "\n" + std::string(kFirstRunSound) + kFirstRunVolume;
    if (*marker)
      EXPECT_EQ(ReadText(path), "[Startup]\nSetReg=2\n" + system + added);
    else
      EXPECT_EQ(ReadText(path), system + added + kFirstRunMarker);
  }
}

TEST(SettingsSnapshot, ValuesOutsideTheDialogsRangeAreTakenAsItsNearestEndAndSaidOnce) {
  MemorySettingsStore store;
  ApplyFirstRunRule(store);
  const struct {
    Setting setting;
    const char* stored;
    int taken;
  } cases[] = {{Setting::TunePC, "99999999999", 20}, {Setting::MouseSens, "abc", 2},
               {Setting::VolumeTurkey, "-9999", -2500}, {Setting::VolumeGuns, "12", 0},
               {Setting::VolumeCow, "1", 0},           {Setting::Clock, "5", 0},
               {Setting::SoundTurkey, "-1", 0},        {Setting::PwrSave, "2", 0},
               // Every value the dialog can produce is taken as it is, silently.
               {Setting::ShowMessage, "1", 1},         {Setting::MouseSens, "2", 2},
               {Setting::TunePC, "0", 0},              {Setting::VolumeCow, "-2500", -2500}};
  ::testing::internal::CaptureStderr();
  for (const auto& c : cases) {
    SaveSetting(store, c.setting, c.stored);
    for (int pass = 0; pass < 2; ++pass) EXPECT_EQ(SettingsSnapshot(store).Integer(c.setting), c.taken) << c.stored;
    EXPECT_EQ(SettingsSnapshot(store).Text(c.setting), c.stored);  // stored as it is until the user changes it
  }
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 8) << err;
  EXPECT_NE(err.find("gobbleshot1: settings: TunePC is \"99999999999\", outside 0 to 20; taken as 20"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("Clock is \"5\", not 0 or 1; taken as 0"), std::string::npos) << err;
}

}  // namespace
}  // namespace gs
