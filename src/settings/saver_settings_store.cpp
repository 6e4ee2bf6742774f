#include "settings/saver_settings_store.h"

#include <optional>

#include "platform/problem_report.h"

namespace gs {

SaverSettingsStore::SaverSettingsStore(std::string path) : file_(std::move(path)) {
  if (file_.path().empty()) {
    usesFile_ = savesToFile_ = false;
    ReportProblem("settings",
                  std::string(kNoSettingsFolder) + "; running on the first-run settings and saving nothing");
  } else if (std::optional<std::string> problem = file_.ReadProblem()) {
    usesFile_ = savesToFile_ = false;
    ReportProblem(file_.path(), "cannot be read (" + *problem +
                                    "); running on the first-run settings and saving nothing");
  } else if (file_.IsReadOnly()) {
    savesToFile_ = false;
    ReportProblem(file_.path(), "is read-only; running on the settings it holds and saving nothing");
  }
}

void SaverSettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view value) {
  own_.Save(app, section, key, value);
  if (savesToFile_) file_.Save(app, section, key, value);
}

std::vector<std::optional<std::string>> SaverSettingsStore::FindAll(std::string_view app,
                                                                    std::span<const SettingName> names) {
  std::vector<std::optional<std::string>> values =
      usesFile_ ? file_.FindAll(app, names) : std::vector<std::optional<std::string>>(names.size());
  for (size_t i = 0; i < names.size(); ++i)
    if (std::optional<std::string> mine = own_.Find(app, names[i].section, names[i].key)) values[i] = mine;
  return values;
}

}  // namespace gs
