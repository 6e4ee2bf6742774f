#pragma once
#include <string>

namespace gs {

// The per-user folder for the instance lock and the running-saver flag, one
// that nobody else may write into: $XDG_RUNTIME_DIR, else /run/user/<uid>,
// each only when it is a folder (not a link) of this user that neither group
// nor others may write; else a private folder of ours in the temporary
// folder. Ends with '/'. Empty when no such folder can be had at all.
std::string RuntimeFolder();

// The same choice with its inputs given (for tests): xdg may be null.
std::string ChooseRuntimeFolder(const char* xdg, const std::string& runUser, const std::string& temporary);

// The data folder of the program: <prefix>/share/gobbleshot1/ next to the
// executable's bin/ folder, or share/gobbleshot1/ beside the executable in
// the build tree. Ends with '/'.
std::string InstallFolderOfExecutable();

// The settings dialog program: beside the executable in the build tree,
// <prefix>/libexec/gobbleshot1/gobbleshot1-setup when installed.
std::string SetupProgramOfExecutable();

}  // namespace gs
