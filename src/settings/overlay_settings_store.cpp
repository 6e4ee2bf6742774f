#include "settings/overlay_settings_store.h"

#include <optional>
#include <string>

namespace gs {

void OverlaySettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                                std::string_view value) {
  writes_.Save(app, section, key, value);
}

std::vector<std::optional<std::string>> OverlaySettingsStore::FindAll(std::string_view app,
                                                                      std::span<const SettingName> names) {
  std::vector<std::optional<std::string>> values = underlying_.FindAll(app, names);
  for (size_t i = 0; i < names.size(); ++i)
    if (std::optional<std::string> own = writes_.Find(app, names[i].section, names[i].key)) values[i] = own;
  return values;
}

}  // namespace gs
