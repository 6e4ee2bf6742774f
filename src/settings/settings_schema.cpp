#include "settings/settings_schema.h"

#include <array>

#include "settings/conversions.h"
#include "settings/name_fold.h"

namespace gs {
namespace {

using K = SettingKind;

constexpr std::array<SettingSpec, 17> kSchema{{
    {"Sound", "SoundCow", K::Integer, "1", "1"},
    {"Sound", "SoundGuns", K::Integer, "1", "1"},
    {"Sound", "SoundTurkey", K::Integer, "1", "1"},
    {"System", "Clock", K::Integer, "0", "1"},
    {"System", "FontSize", K::Text, "24", "1"},
    {"System", "FontSizeMsg", K::Text, "16", "1"},
    {"System", "Message", K::Text, "Place a message here or turn off", "1"},
    {"System", "MouseSens", K::Integer, "4", "1"},
    {"System", "RunMonitor", K::Boolean, "False", ""},
    {"System", "ShowMessage", K::Integer, "0", "1"},
    {"System", "TunePC", K::Integer, "6", "1"},
    {"System", "TuneScrSvr", K::Boolean, "False", ""},
    {"Volume", "VolumeCow", K::Integer, "0", "1"},
    {"Volume", "VolumeGuns", K::Integer, "0", "1"},
    {"Volume", "VolumeTurkey", K::Integer, "0", "1"},
    {"System", "PwrSave", K::Integer, "0", "1"},
    {"Startup", "SetReg", K::Integer, "2", "1"},
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

void SetRegistry(SettingsStore& store) {
  for (const SettingSpec& setting : kSchema) store.Save(kAppName, setting.section, setting.key, setting.firstRunValue);
}

bool ApplyFirstRunRule(SettingsStore& store) {
  if (ToInteger(GetSetting(store, "SetReg")) == 2) return false;
  SetRegistry(store);
  return true;
}

}  // namespace gs
