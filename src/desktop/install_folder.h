#pragma once
#include <string>

namespace gs {

// The data folder of the program: <prefix>/share/gobbleshot1/ next to the
// executable's bin/ folder, or share/gobbleshot1/ beside the executable in
// the build tree. Ends with '/'.
std::string InstallFolderOfExecutable();

// The settings dialog program: beside the executable in the build tree,
// <prefix>/libexec/gobbleshot1/gobbleshot1-setup when installed.
std::string SetupProgramOfExecutable();

}  // namespace gs
