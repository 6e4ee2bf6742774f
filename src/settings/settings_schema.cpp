#include "settings/settings_schema.h"

#include <array>

#include "settings/conversions.h"
#include "settings/name_fold.h"

namespace gs {
namespace {

using K = SettingKind;

constexpr std::array<SettingSpec, 17> kSchema{{
    {"Sound", "SoundCow", K::Integer, "1", "1", "Sound"},
    {"Sound", "SoundGuns", K::Integer, "1", "1", "Sound"},
    {"Sound", "SoundTurkey", K::Integer, "1", "1", "Sound"},
    {"System", "Clock", K::Integer, "0", "1", "system"},
    {"System", "FontSize", K::Text, "24", "1", "system"},
    {"System", "FontSizeMsg", K::Text, "16", "1", "system"},
    {"System", "Message", K::Text, "Place a message here or turn off", "1", "system"},
    {"System", "MouseSens", K::Integer, "4", "1", "system"},
    {"System", "RunMonitor", K::Boolean, "False", "", "System"},
    {"System", "ShowMessage", K::Integer, "0", "1", "system"},
    {"System", "TunePC", K::Integer, "6", "1", "system"},
    {"System", "TuneScrSvr", K::Boolean, "False", "", "System"},
    {"Volume", "VolumeCow", K::Integer, "0", "1", "Volume"},
    {"Volume", "VolumeGuns", K::Integer, "0", "1", "Volume"},
    {"Volume", "VolumeTurkey", K::Integer, "0", "1", "Volume"},
    {"System", "PwrSave", K::Integer, "0", "1", "System"},
    {"Startup", "SetReg", K::Integer, "2", "1", "Startup"},
}};

}  // namespace

std::span<const SettingSpec> SettingsSchema() { return kSchema; }

const SettingSpec* FindSetting(std::string_view key) {
  for (const SettingSpec& setting : kSchema)
    if (SameName(setting.key, key)) return &setting;
  return nullptr;
}

std::string GetSetting(SettingsStore& store, std::string_view key) {
  const SettingSpec* setting = FindSetting(key);
  if (!setting) return {};
  return store.Get(kAppName, setting->section, setting->key, setting->readDefault);
}

void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value) {
  const SettingSpec* setting = FindSetting(key);
  if (!setting) return;
  store.Save(kAppName, setting->savedSection, setting->key, value);
}

void SetRegistry(SettingsStore& store) {
  for (const SettingSpec& setting : kSchema) store.Save(kAppName, setting.section, setting.key, setting.firstRunValue);
}

bool ApplyFirstRunRule(SettingsStore& store) {
  if (ToInteger(GetSetting(store, "SetReg")) == 2) return false;
  SetRegistry(store);
  return true;
}

}  // namespace gs
