#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gs {

constexpr std::string_view kAppName = "Gobbleshot1";

// A key and the section it lives in.
struct SettingName {
  std::string_view section;
  std::string_view key;
};

// Per-user settings: application -> section -> key -> text value. Section and
// key names compare without regard to letter case. No call fails: a store
// that cannot be read answers the default, and a save that cannot be written
// changes nothing.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual void Save(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view value) = 0;
  // The stored value of each name, all from one read of the store; nullopt
  // where none is stored (or the store cannot be read).
  virtual std::vector<std::optional<std::string>> FindAll(std::string_view app,
                                                          std::span<const SettingName> names) = 0;
  // One value, or defaultValue where none is stored.
  std::string Get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view defaultValue) {
    const SettingName name{section, key};
    std::optional<std::string> value = std::move(FindAll(app, {&name, 1}).front());
    return value ? std::move(*value) : std::string(defaultValue);
  }
};

}  // namespace gs
