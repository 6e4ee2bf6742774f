#pragma once
#include <string_view>

#include "settings/memory_settings_store.h"
#include "settings/settings_store.h"

namespace gs {

// Reads through to another store but keeps its own writes in memory: the
// underlying store is never written. Lets a run that must not touch the
// user's settings (the headless renderer) behave as if it could save.
class OverlaySettingsStore : public SettingsStore {
 public:
  explicit OverlaySettingsStore(SettingsStore& underlying) : underlying_(underlying) {}

  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  std::vector<std::optional<std::string>> FindAll(std::string_view app,
                                                  std::span<const SettingName> names) override;

  const MemorySettingsStore& writes() const { return writes_; }

 private:
  SettingsStore& underlying_;
  MemorySettingsStore writes_;
};

}  // namespace gs
