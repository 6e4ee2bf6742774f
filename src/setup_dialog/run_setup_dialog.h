#pragma once
#include <string>

#include "settings/settings_store.h"

namespace gs {

// Shows the settings dialog, modeless and centred, and runs the Qt event loop
// until it is closed; creates the QApplication when there is none yet. The
// data folder holds the offline help page. Answers 0, or 1 when there is no
// display to show the dialog on.
int RunSetupDialog(SettingsStore& store, const std::string& dataDir);

}  // namespace gs
