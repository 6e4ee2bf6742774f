#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/settings_store.h"

namespace gs {

enum class SettingKind { Integer, Text, Boolean };

struct SettingSpec {
  std::string_view section;
  std::string_view key;
  SettingKind kind;
  std::string_view firstRunValue;  // what SetRegistry writes
  std::string_view readDefault;    // what every reader passes to Get
  // The spelling the dialog and the scene save under: the same section (names
  // fold), spelled as the program always has, so files keep their bytes.
  std::string_view savedSection;
  // The range the dialog's control offers an Integer key; low > high: none.
  int16_t low = 1;
  int16_t high = 0;
};

// Every key of the store, in the order SetRegistry writes them (SetReg last).
std::span<const SettingSpec> SettingsSchema();

// The entry for a key (any letter case), or nullptr.
const SettingSpec* FindSetting(std::string_view key);

// Reads a key of the schema under its own section with its read default.
std::string GetSetting(SettingsStore& store, std::string_view key);

// Reads an Integer key of the schema as the readers convert it. A stored
// value outside the key's range is taken as the nearest end of the range, and
// a 0/1 key other than 1 as 0 (off); each such value is said once, and the
// store is left as it is. An absent key gives its read default as it is.
int16_t GetIntegerSetting(SettingsStore& store, std::string_view key);

// Saves a key of the schema under its saved section spelling; a key not in
// the schema is not written.
void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value);

// Writes every first-run value, overwriting what is stored; the marker
// Startup/SetReg = "2" goes last so an interrupted run is redone in full.
void SetRegistry(SettingsStore& store);

// Calls SetRegistry unless Startup/SetReg reads as the Integer 2; answers
// whether it did.
bool ApplyFirstRunRule(SettingsStore& store);

}  // namespace gs
