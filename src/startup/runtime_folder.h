#pragma once
#include <string>

namespace gs {

// The per-user folder for the instance lock and the running-saver flag:
// $XDG_RUNTIME_DIR, else /run/user/<uid>, else the temp folder. Ends with '/'.
std::string RuntimeFolder();

// The data folder of the program: <prefix>/share/gobbleshot1/ next to the
// executable's bin/ folder, or share/gobbleshot1/ beside the executable in
// the build tree. Ends with '/'.
std::string InstallFolderOfExecutable();

// The settings dialog program: beside the executable in the build tree,
// <prefix>/libexec/gobbleshot1/gobbleshot1-setup when installed.
std::string SetupProgramOfExecutable();

}  // namespace gs
