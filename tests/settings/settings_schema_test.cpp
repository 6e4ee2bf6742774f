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

  MemorySettingsStore memory;
  ApplyFirstRunRule(memory);
  EXPECT_EQ(memory.Saves().size(), kSettingCount);
  EXPECT_EQ(memory.Saves().back(), (MemorySettingsStore::SavedValue{"Gobbleshot1", "Startup", "SetReg", "2"}));
  memory.ClearSaves();
  EXPECT_FALSE(ApplyFirstRunRule(memory));
  memory.Save("Gobbleshot1", "startup", "setreg", " 2.0 ");  // still reads as the Integer 2
  memory.ClearSaves();
  EXPECT_FALSE(ApplyFirstRunRule(memory));
  EXPECT_TRUE(memory.Saves().empty());
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

TEST(SettingsSnapshot, AbsentKeysGiveTheirReadDefaultAndNoticeFlagsReadInAnyCase) {
  MemorySettingsStore store;
  SaveSetting(store, Setting::SetReg, "2");
  SaveSetting(store, Setting::RunMonitor, "true");
  SettingsSnapshot read(store);
  EXPECT_EQ(read.Text(Setting::Clock), "1");
  EXPECT_EQ(read.Integer(Setting::MouseSens), 1);  // below the dialog's range, but as always read
  EXPECT_TRUE(read.Boolean(Setting::RunMonitor));
  EXPECT_FALSE(read.Boolean(Setting::TuneScrSvr));
  EXPECT_EQ(read.Text(Setting::TuneScrSvr), "");
}

TEST(SaveSetting, WritesUnderTheSpellingUsersFilesAlreadyHold) {
  MemorySettingsStore store;
  const struct {
    Setting setting;
    const char* section;
  } writes[] = {{Setting::Clock, "system"}, {Setting::Message, "system"}, {Setting::PwrSave, "System"},
                {Setting::TuneScrSvr, "System"}, {Setting::SoundCow, "Sound"}, {Setting::VolumeGuns, "Volume"}};
  for (const auto& w : writes) {
    SaveSetting(store, w.setting, "42");
    EXPECT_EQ(store.Saves().back().section, w.section) << w.section;
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
               {Setting::VolumeCow, "1", 0}, {Setting::Clock, "5", 0},
               {Setting::SoundTurkey, "-1", 0}, {Setting::PwrSave, "2", 0}};
  for (const auto& c : cases) SaveSetting(store, c.setting, c.stored);
  store.ClearSaves();
  ::testing::internal::CaptureStderr();
  for (int pass = 0; pass < 2; ++pass) {
    SettingsSnapshot read(store);
    for (const auto& c : cases) EXPECT_EQ(read.Integer(c.setting), c.taken) << c.stored;
  }
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 8) << err;
  EXPECT_NE(err.find("gobbleshot1: settings: TunePC is \"99999999999\", outside 0 to 20; taken as 20"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("Clock is \"5\", not 0 or 1; taken as 0"), std::string::npos) << err;
  EXPECT_TRUE(store.Saves().empty());  // the stored value stays until the user changes it

  // Every value the dialog can produce is taken as it is, silently.
  ::testing::internal::CaptureStderr();
  for (auto [setting, value] : {std::pair{Setting::TunePC, 0}, {Setting::TunePC, 20}, {Setting::MouseSens, 2},
                                {Setting::VolumeCow, -2500}}) {
    SaveSetting(store, setting, std::to_string(value));
    EXPECT_EQ(SettingsSnapshot(store).Integer(setting), value);
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace gs
