#include "settings/overlay_settings_store.h"

#include <optional>
#include <string>

namespace gs {

void OverlaySettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                                std::string_view value) {
  writes_.Save(app, section, key, value);
}

std::string OverlaySettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                      std::string_view defaultValue) {
  std::optional<std::string> own = writes_.Find(app, section, key);
  if (own) return *own;
  return underlying_.Get(app, section, key, defaultValue);
}

}  // namespace gs
