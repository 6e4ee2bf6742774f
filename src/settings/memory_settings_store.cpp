#include "settings/memory_settings_store.h"

#include "platform/text.h"

namespace gs {

void MemorySettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                               std::string_view value) {
  values_[{FoldCase(app), FoldCase(section), FoldCase(key)}] = std::string(value);
  saves_.push_back({std::string(app), std::string(section), std::string(key), std::string(value)});
}

std::optional<std::string> MemorySettingsStore::Find(std::string_view app, std::string_view section,
                                                     std::string_view key) const {
  auto it = values_.find({FoldCase(app), FoldCase(section), FoldCase(key)});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::vector<std::optional<std::string>> MemorySettingsStore::FindAll(std::string_view app,
                                                                     std::span<const SettingName> names) {
  std::vector<std::optional<std::string>> values;
  for (const SettingName& name : names) values.push_back(Find(app, name.section, name.key));
  return values;
}

}  // namespace gs
