#include "settings/settings_schema.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/problem_report.h"
#include "settings/conversions.h"

namespace gs {
namespace {

using K = SettingKind;
using S = Setting;

constexpr std::array<SettingSpec, kSettingCount> kSchema{{
    {S::SoundCow, "Sound", "SoundCow", K::Integer, "1", "1", "Sound", 0, 1},
    {S::SoundGuns, "Sound", "SoundGuns", K::Integer, "1", "1", "Sound", 0, 1},
    {S::SoundTurkey, "Sound", "SoundTurkey", K::Integer, "1", "1", "Sound", 0, 1},
    {S::Clock, "System", "Clock", K::Integer, "0", "1", "system", 0, 1},
    {S::FontSize, "System", "FontSize", K::Text, "24", "1", "system"},
    {S::FontSizeMsg, "System", "FontSizeMsg", K::Text, "16", "1", "system"},
    {S::Message, "System", "Message", K::Text, "Place a message here or turn off", "1", "system"},
    {S::MouseSens, "System", "MouseSens", K::Integer, "4", "1", "system", 2, 20},
    {S::RunMonitor, "System", "RunMonitor", K::Boolean, "False", "", "System"},
    {S::ShowMessage, "System", "ShowMessage", K::Integer, "0", "1", "system", 0, 1},
    {S::TunePC, "System", "TunePC", K::Integer, "6", "1", "system", 0, 20},
    {S::TuneScrSvr, "System", "TuneScrSvr", K::Boolean, "False", "", "System"},
    {S::VolumeCow, "Volume", "VolumeCow", K::Integer, "0", "1", "Volume", -2500, 0},
    {S::VolumeGuns, "Volume", "VolumeGuns", K::Integer, "0", "1", "Volume", -2500, 0},
    {S::VolumeTurkey, "Volume", "VolumeTurkey", K::Integer, "0", "1", "Volume", -2500, 0},
    {S::PwrSave, "System", "PwrSave", K::Integer, "0", "1", "System", 0, 1},
    {S::SetReg, "Startup", "SetReg", K::Integer, "2", "1", "Startup"},
}};

constexpr bool InSettingOrder() {
  for (size_t i = 0; i < kSchema.size(); ++i)
    if (static_cast<size_t>(kSchema[i].id) != i) return false;
  return true;
}
static_assert(InSettingOrder(), "the table is indexed by Setting");

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

const SettingSpec& SchemaEntry(Setting setting) { return kSchema[static_cast<size_t>(setting)]; }

SettingsSnapshot::SettingsSnapshot(SettingsStore& store) {
  std::array<SettingName, kSettingCount> names;
  for (const SettingSpec& entry : kSchema) names[Index(entry.id)] = {entry.section, entry.key};
  std::vector<std::optional<std::string>> values = store.FindAll(kAppName, names);
  for (size_t i = 0; i < kSettingCount && i < values.size(); ++i) stored_[i] = std::move(values[i]);
}

std::string SettingsSnapshot::Text(Setting setting) const {
  const std::optional<std::string>& value = stored_[Index(setting)];
  return value ? *value : std::string(SchemaEntry(setting).readDefault);
}

int16_t SettingsSnapshot::Integer(Setting setting) const {
  const SettingSpec& entry = SchemaEntry(setting);
  const std::string text = Text(setting);
  const int16_t value = ToInteger(text);
  // The read default of an absent key is taken as it is.
  if (entry.low > entry.high || (value >= entry.low && value <= entry.high) || !IsStored(setting)) return value;
  const bool onOff = entry.low == 0 && entry.high == 1;
  const int16_t taken = onOff ? int16_t{0} : std::clamp(value, entry.low, entry.high);
  const std::string range = onOff ? std::string(", not 0 or 1")
                                  : ", outside " + std::to_string(entry.low) + " to " + std::to_string(entry.high);
  ReportProblemOnce("settings", std::string(entry.key) + " is " + Quoted(text) + range + "; taken as " +
                                    std::to_string(taken) + " until it is changed in the settings dialog");
  return taken;
}

bool SettingsSnapshot::Boolean(Setting setting) const { return ToBoolean(Text(setting)); }

void SaveSetting(SettingsStore& store, Setting setting, std::string_view value) {
  const SettingSpec& entry = SchemaEntry(setting);
  store.Save(kAppName, entry.savedSection, entry.key, value);
}

bool ApplyFirstRunRule(SettingsStore& store, SettingsSnapshot& read) {
  if (ToInteger(read.Text(Setting::SetReg)) == 2) return false;
  for (const SettingSpec& entry : kSchema) {
    if (entry.id != Setting::SetReg && read.IsStored(entry.id)) continue;
    store.Save(kAppName, entry.section, entry.key, entry.firstRunValue);
    read.Remember(entry.id, entry.firstRunValue);
  }
  return true;
}

bool ApplyFirstRunRule(SettingsStore& store) {
  SettingsSnapshot read(store);
  return ApplyFirstRunRule(store, read);
}

}  // namespace gs
