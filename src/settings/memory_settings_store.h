#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "settings/settings_store.h"

namespace gs {

// A store held in memory, for tests. It also keeps a log of every Save in
// order, so tests can check what was written and when.
class MemorySettingsStore : public SettingsStore {
 public:
  struct SavedValue {
    std::string app, section, key, value;
    bool operator==(const SavedValue&) const = default;
  };

  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  std::vector<std::optional<std::string>> FindAll(std::string_view app,
                                                  std::span<const SettingName> names) override;

  // The stored value, or nullopt when the key was never saved.
  std::optional<std::string> Find(std::string_view app, std::string_view section,
                                  std::string_view key) const;

  // Every Save so far, names spelled as the caller spelled them.
  const std::vector<SavedValue>& Saves() const { return saves_; }
  void ClearSaves() { saves_.clear(); }
  size_t Size() const { return values_.size(); }

 private:
  using FoldedKey = std::tuple<std::string, std::string, std::string>;
  std::map<FoldedKey, std::string> values_;
  std::vector<SavedValue> saves_;
};

}  // namespace gs
