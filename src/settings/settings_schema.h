#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace gs {

// Every key of the store, in the order the first run writes them (SetReg
// last). A setting is named only through this, so a misspelling does not
// compile.
enum class Setting : uint8_t {
  SoundCow,
  SoundGuns,
  SoundTurkey,
  Clock,
  FontSize,
  FontSizeMsg,
  Message,
  MouseSens,
  RunMonitor,
  ShowMessage,
  TunePC,
  TuneScrSvr,
  VolumeCow,
  VolumeGuns,
  VolumeTurkey,
  PwrSave,
  SetReg,
};
inline constexpr size_t kSettingCount = static_cast<size_t>(Setting::SetReg) + 1;

enum class SettingKind { Integer, Text, Boolean };

struct SettingSpec {
  Setting id;
  std::string_view section;
  std::string_view key;
  SettingKind kind;
  std::string_view firstRunValue;  // what the first run writes
  std::string_view readDefault;    // what a reader takes when none is stored
  // The spelling the dialog and the scene save under: the same section (names
  // fold), spelled as the program always has, so files keep their bytes.
  std::string_view savedSection;
  // The range the dialog's control offers an Integer key; low > high: none.
  int16_t low = 1;
  int16_t high = 0;
};

// The table, indexed by Setting.
std::span<const SettingSpec> SettingsSchema();
const SettingSpec& SchemaEntry(Setting setting);

// The schema's settings as one read of the store found them, plus what this
// run saved through the first-run rule since.
class SettingsSnapshot {
 public:
  explicit SettingsSnapshot(SettingsStore& store);

  bool IsStored(Setting setting) const { return stored_[Index(setting)].has_value(); }
  // The stored text, or the read default when none is stored.
  std::string Text(Setting setting) const;
  // An Integer setting as the readers convert it. A stored value outside the
  // key's range is taken as the nearest end of the range, and a 0/1 key other
  // than 1 as 0 (off); each such value is said once, and the store is left as
  // it is. An absent key gives its read default as it is.
  int16_t Integer(Setting setting) const;
  bool Boolean(Setting setting) const;

  void Remember(Setting setting, std::string_view value) { stored_[Index(setting)] = std::string(value); }

 private:
  static size_t Index(Setting setting) { return static_cast<size_t>(setting); }
  std::array<std::optional<std::string>, kSettingCount> stored_;
};

// Saves a setting under its saved section spelling.
void SaveSetting(SettingsStore& store, Setting setting, std::string_view value);

// Unless SetReg reads as the Integer 2, writes the first-run value of every
// key that has none stored (a value the user already has stays), then SetReg
// = "2" last, so an interrupted run is completed at the next start. The
// snapshot learns what was written. Answers whether the rule ran.
bool ApplyFirstRunRule(SettingsStore& store, SettingsSnapshot& read);
// The same on a fresh read of the store.
bool ApplyFirstRunRule(SettingsStore& store);

}  // namespace gs
