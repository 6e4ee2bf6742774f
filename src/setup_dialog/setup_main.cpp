// The settings dialog as a program of its own, started by "gobbleshot1 /c":
// keeping Qt out of the saver lets the saver start without loading it.
//   gobbleshot1-setup DATA-FOLDER
// The saver also asks it to show its error box, which needs fonts that a
// plain X server lacks:
//   gobbleshot1-setup --error-box TITLE TEXT
#include <cstdio>
#include <cstring>

#include "desktop/error_box.h"
#include "settings/ini_settings_store.h"
#include "setup_dialog/run_setup_dialog.h"

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--error-box") == 0) return gs::RunErrorBox(argv[2], argv[3]);
  if (argc != 2) {
    std::fputs("usage: gobbleshot1-setup DATA-FOLDER (it is started by \"gobbleshot1 /c\")\n", stderr);
    return 2;
  }
  gs::IniSettingsStore store(gs::DefaultSettingsPath());
  return gs::RunSetupDialog(store, argv[1]);
}
