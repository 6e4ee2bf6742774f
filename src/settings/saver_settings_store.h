#pragma once
#include <string>
#include <string_view>

#include "settings/ini_settings_store.h"
#include "settings/memory_settings_store.h"
#include "settings/settings_store.h"

namespace gs {

// The settings as one run of the saver sees them: the user's file, with the
// run's own saves also kept in memory, so that a file that cannot be written
// still gives this run the values it saved (the first-run values above all,
// instead of the read default of every key).
//
// A file that exists but cannot be read (too large, not a regular file, no
// permission), or no settings folder at all, leaves the run on the first-run
// values in memory, as the headless renderer works; a file its owner made
// read-only is read but never written. Either is said once.
class SaverSettingsStore : public SettingsStore {
 public:
  explicit SaverSettingsStore(std::string path);

  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  std::vector<std::optional<std::string>> FindAll(std::string_view app,
                                                  std::span<const SettingName> names) override;

  // False when the file could not be read at the start and is left alone.
  bool UsesFile() const { return usesFile_; }
  // False when the run's saves stay in memory.
  bool SavesToFile() const { return savesToFile_; }

 private:
  IniSettingsStore file_;
  MemorySettingsStore own_;
  bool usesFile_ = true;
  bool savesToFile_ = true;
};

}  // namespace gs
