#include "settings/settings_schema.h"

#include <algorithm>
#include <array>
#include <string>

#include "settings/conversions.h"
#include "platform/problem_report.h"
#include "platform/text.h"

namespace gs {
namespace {

using K = SettingKind;

constexpr std::array<SettingSpec, 17> kSchema{{
    {"Sound", "SoundCow", K::Integer, "1", "1", "Sound", 0, 1},
    {"Sound", "SoundGuns", K::Integer, "1", "1", "Sound", 0, 1},
    {"Sound", "SoundTurkey", K::Integer, "1", "1", "Sound", 0, 1},
    {"System", "Clock", K::Integer, "0", "1", "system", 0, 1},
    {"System", "FontSize", K::Text, "24", "1", "system"},
    {"System", "FontSizeMsg", K::Text, "16", "1", "system"},
    {"System", "Message", K::Text, "Place a message here or turn off", "1", "system"},
    {"System", "MouseSens", K::Integer, "4", "1", "system", 2, 20},
    {"System", "RunMonitor", K::Boolean, "False", "", "System"},
    {"System", "ShowMessage", K::Integer, "0", "1", "system", 0, 1},
    {"System", "TunePC", K::Integer, "6", "1", "system", 0, 20},
    {"System", "TuneScrSvr", K::Boolean, "False", "", "System"},
    {"Volume", "VolumeCow", K::Integer, "0", "1", "Volume", -2500, 0},
    {"Volume", "VolumeGuns", K::Integer, "0", "1", "Volume", -2500, 0},
    {"Volume", "VolumeTurkey", K::Integer, "0", "1", "Volume", -2500, 0},
    {"System", "PwrSave", K::Integer, "0", "1", "System", 0, 1},
    {"Startup", "SetReg", K::Integer, "2", "1", "Startup"},
}};

// A stored value as a message may show it, kept short; the problem line
// itself takes out control characters, as it does in every message.
std::string Quoted(std::string_view text) {
  constexpr size_t kShown = 24;
  std::string out(1, '"');
  out.append(text.substr(0, kShown));
  if (text.size() > kShown) out.append("...");
  out.push_back('"');
  return out;
}

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

int16_t GetIntegerSetting(SettingsStore& store, std::string_view key) {
  const SettingSpec* setting = FindSetting(key);
  if (!setting) return 0;
  const std::string text = store.Get(kAppName, setting->section, setting->key, setting->readDefault);
  const int16_t value = ToInteger(text);
  if (setting->low > setting->high || (value >= setting->low && value <= setting->high)) return value;
  // The read default may be stored or stand for an absent key; only a
  // second look with another default tells, and only this rare case pays.
  if (text == setting->readDefault && store.Get(kAppName, setting->section, setting->key, "") != text)
    return value;
  const bool onOff = setting->low == 0 && setting->high == 1;
  const int16_t taken = onOff ? int16_t{0} : std::clamp(value, setting->low, setting->high);
  const std::string range =
      onOff ? std::string(", not 0 or 1")
            : ", outside " + std::to_string(setting->low) + " to " + std::to_string(setting->high);
  ReportProblemOnce("settings", std::string(setting->key) + " is " + Quoted(text) + range + "; taken as " +
                                    std::to_string(taken) + " until it is changed in the settings dialog");
  return taken;
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
