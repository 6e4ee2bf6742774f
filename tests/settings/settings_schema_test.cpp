#include "settings/settings_schema.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace gs
