#include "settings/settings_schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings/conversions.h"
#include "settings/memory_settings_store.h"

namespace gs {
namespace {

using Saved = MemorySettingsStore::SavedValue;

TEST(SetRegistry, WritesEveryFirstRunValueInOrderWithTheMarkerLast) {
  MemorySettingsStore store;
  SetRegistry(store);
  const std::vector<Saved> expected = {
      {"Gobbleshot1", "Sound", "SoundCow", "1"},
      {"Gobbleshot1", "Sound", "SoundGuns", "1"},
      {"Gobbleshot1", "Sound", "SoundTurkey", "1"},
      {"Gobbleshot1", "System", "Clock", "0"},
      {"Gobbleshot1", "System", "FontSize", "24"},
      {"Gobbleshot1", "System", "FontSizeMsg", "16"},
      {"Gobbleshot1", "System", "Message", "Place a message here or turn off"},
      {"Gobbleshot1", "System", "MouseSens", "4"},
      {"Gobbleshot1", "System", "RunMonitor", "False"},
      {"Gobbleshot1", "System", "ShowMessage", "0"},
      {"Gobbleshot1", "System", "TunePC", "6"},
      {"Gobbleshot1", "System", "TuneScrSvr", "False"},
      {"Gobbleshot1", "Volume", "VolumeCow", "0"},
      {"Gobbleshot1", "Volume", "VolumeGuns", "0"},
      {"Gobbleshot1", "Volume", "VolumeTurkey", "0"},
      {"Gobbleshot1", "System", "PwrSave", "0"},
      {"Gobbleshot1", "Startup", "SetReg", "2"},
  };
  EXPECT_EQ(store.Saves(), expected);
}

TEST(FirstRunRule, WritesDefaultsOnlyWhileTheMarkerIsNotTwo) {
  MemorySettingsStore store;
  EXPECT_TRUE(ApplyFirstRunRule(store));
  EXPECT_EQ(store.Saves().size(), 17u);
  EXPECT_EQ(store.Size(), 17u);

  store.ClearSaves();
  EXPECT_FALSE(ApplyFirstRunRule(store));
  EXPECT_TRUE(store.Saves().empty());

  // Marker text that still reads as Integer 2 counts as initialised.
  store.Save("Gobbleshot1", "startup", "setreg", " 2.0 ");
  store.ClearSaves();
  EXPECT_FALSE(ApplyFirstRunRule(store));

  // A hand-set marker of "1" restores every user setting.
  store.Save("Gobbleshot1", "System", "Message", "my own words");
  store.Save("Gobbleshot1", "Startup", "SetReg", "1");
  EXPECT_TRUE(ApplyFirstRunRule(store));
  EXPECT_EQ(GetSetting(store, "Message"), "Place a message here or turn off");
  EXPECT_EQ(GetSetting(store, "SetReg"), "2");
}

TEST(FirstRunRule, MarkerPresentButKeyAbsentReadsTheReadDefault) {
  MemorySettingsStore store;
  store.Save("Gobbleshot1", "Startup", "SetReg", "2");
  EXPECT_FALSE(ApplyFirstRunRule(store));
  EXPECT_EQ(GetSetting(store, "Clock"), "1");
  EXPECT_EQ(GetSetting(store, "TuneScrSvr"), "");
}

TEST(SettingsSchema, DialogSpellingOfSectionReachesSetRegistryValue) {
  MemorySettingsStore store;
  SetRegistry(store);
  store.Save("Gobbleshot1", "system", "Clock", "1");
  EXPECT_EQ(GetSetting(store, "clock"), "1");
  SetRegistry(store);
  EXPECT_EQ(store.Get("Gobbleshot1", "system", "clock", "x"), "0");
  EXPECT_EQ(store.Size(), 17u);
}

TEST(SaveSetting, WritesUnderTheSpellingUsersFilesAlreadyHoldAndInTheSameSection) {
  MemorySettingsStore store;
  SetRegistry(store);
  const struct {
    const char* key;
    const char* section;
  } writes[] = {{"Clock", "system"},      {"ShowMessage", "system"}, {"MouseSens", "system"},
                {"TunePC", "system"},     {"FontSize", "system"},    {"FontSizeMsg", "system"},
                {"Message", "system"},    {"PwrSave", "System"},     {"TuneScrSvr", "System"},
                {"RunMonitor", "System"}, {"SoundCow", "Sound"},     {"VolumeGuns", "Volume"}};
  for (const auto& w : writes) {
    SaveSetting(store, w.key, "42");
    EXPECT_EQ(store.Saves().back().section, w.section) << w.key;
    EXPECT_EQ(store.Saves().back().key, w.key);
    EXPECT_EQ(GetSetting(store, w.key), "42") << w.key;
  }
  EXPECT_EQ(store.Size(), 17u);  // overwrote the first-run values, no new entries
  const size_t saves = store.Saves().size();
  SaveSetting(store, "NoSuchKey", "1");
  EXPECT_EQ(store.Saves().size(), saves);
}

TEST(GetIntegerSetting, ValuesOutsideTheDialogsRangeAreTakenAsItsNearestEndAndSaidOnce) {
  MemorySettingsStore store;
  SetRegistry(store);
  const std::vector<std::pair<std::string, std::string>> stored = {
      {"TunePC", "99999999999"}, {"MouseSens", "abc"}, {"VolumeTurkey", "-9999"}, {"VolumeGuns", "12"},
      {"VolumeCow", "1"},        {"Clock", "5"},       {"SoundTurkey", "-1"},     {"PwrSave", "2"}};
  for (const auto& [key, value] : stored) SaveSetting(store, key, value);
  store.ClearSaves();
  ::testing::internal::CaptureStderr();
  const std::vector<std::pair<std::string, int>> expected = {
      {"TunePC", 20}, {"MouseSens", 2}, {"VolumeTurkey", -2500}, {"VolumeGuns", 0},
      {"VolumeCow", 0}, {"Clock", 0},   {"SoundTurkey", 0},      {"PwrSave", 0}};
  for (int pass = 0; pass < 2; ++pass)
    for (const auto& [key, value] : expected) EXPECT_EQ(GetIntegerSetting(store, key), value) << key;
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 8) << err;
  EXPECT_NE(err.find("gobbleshot1: settings: TunePC is \"99999999999\", outside 0 to 20; taken as 20"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("Clock is \"5\", not 0 or 1; taken as 0"), std::string::npos) << err;
  EXPECT_TRUE(store.Saves().empty());  // the stored value stays until the user changes it
  EXPECT_EQ(GetSetting(store, "TunePC"), "99999999999");

  // Every value the dialog can produce is taken as it is, silently.
  ::testing::internal::CaptureStderr();
  for (const char* value : {"0", "20", "6"}) {
    SaveSetting(store, "TunePC", value);
    EXPECT_EQ(GetIntegerSetting(store, "TunePC"), ToInteger(value));
  }
  SaveSetting(store, "MouseSens", "2");
  EXPECT_EQ(GetIntegerSetting(store, "MouseSens"), 2);
  SaveSetting(store, "VolumeCow", "-2500");
  EXPECT_EQ(GetIntegerSetting(store, "VolumeCow"), -2500);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  // An absent key keeps its read default, as the scene has always read it.
  MemorySettingsStore empty;
  empty.Save(kAppName, "Startup", "SetReg", "2");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(GetIntegerSetting(empty, "MouseSens"), 1);
  EXPECT_EQ(GetIntegerSetting(empty, "VolumeGuns"), 1);
  EXPECT_EQ(GetIntegerSetting(empty, "SetReg"), 2);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace gs
