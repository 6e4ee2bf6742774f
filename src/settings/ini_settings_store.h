#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace gs {

// $XDG_CONFIG_HOME/gobbleshot1/settings.ini, or ~/.config/gobbleshot1/settings.ini
// when XDG_CONFIG_HOME is unset, empty or not an absolute path.
std::string DefaultSettingsPath();

// The settings of one application in a hand-editable INI file: [Section]
// headers and key=value lines. Values of the application "Gobbleshot1" (any
// letter case) live in their own section; any other application name is kept
// in the same file under the section "<app>\<section>".
//
// Get reads the file afresh each time. Save takes an exclusive lock on
// "<file>.lock", re-reads the file, changes the one value, writes a temporary
// file beside it, syncs it and renames it over the old one, so that two
// processes never lose each other's changes and a reader never sees half a
// file. A file that exists but cannot be read is never overwritten. When the
// file is a symbolic link, the file it points to is written and the link
// stays. Every failure is said once on standard error.
class IniSettingsStore : public SettingsStore {
 public:
  explicit IniSettingsStore(std::string path);

  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  std::string Get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view defaultValue) override;

  const std::string& path() const { return path_; }

  // What is wrong when the file exists but cannot be read (too large, not a
  // regular file, no permission); nullopt when it reads or does not exist.
  std::optional<std::string> ReadProblem() const;

  // Files larger than this are treated as unreadable.
  static constexpr size_t kMaxFileBytes = 4u << 20;

 private:
  // The file's text; "" for a missing file; nullopt when it cannot be read
  // (and then problem says why).
  std::optional<std::string> ReadFile(std::string* problem = nullptr) const;
  bool WriteFileAtomically(const std::string& text) const;
  // An exclusive lock for one save; -1 when none can be had.
  int LockForSaving() const;

  std::string path_;
};

}  // namespace gs
