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

}  // namespace gs
