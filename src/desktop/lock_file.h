#pragma once
#include <string>

#include "platform/unique_fd.h"

namespace gs {

// Opens the lock file at path in the runtime folder for flock(), never
// through a link. Anything else in its place (a link, a FIFO, a file of
// another user) is removed first: the runtime folder is this user's own.
// Holds nothing when path is not absolute (no runtime folder: never a file in the
// working folder) or no lock file can be had.
UniqueFd OpenOwnLockFile(const std::string& path);

}  // namespace gs
