#include "desktop/lock_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace gs {

int OpenOwnLockFile(const std::string& path) {
  if (path.empty() || path[0] != '/') return -1;
  for (int attempt = 0; attempt < 2; ++attempt) {
    // Read-only is enough for flock.
    int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd >= 0) {
      struct stat st {};
      if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) return fd;
      ::close(fd);
    } else if (errno != ELOOP && errno != EACCES) {
      return -1;
    }
    ::unlink(path.c_str());
  }
  return -1;
}

}  // namespace gs
