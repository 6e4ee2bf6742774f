#include "desktop/lock_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace gs {

UniqueFd OpenOwnLockFile(const std::string& path) {
  if (path.empty() || path[0] != '/') return {};
  for (int attempt = 0; attempt < 2; ++attempt) {
    // Read-only is enough for flock.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (fd) {
      struct stat st {};
      if (::fstat(fd.Get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) return fd;
    } else if (errno != ELOOP && errno != EACCES) {
      return {};
    }
    ::unlink(path.c_str());
  }
  return {};
}

}  // namespace gs
