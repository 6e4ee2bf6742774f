#include "desktop/instance_lock.h"

#include <sys/file.h>

#include <string>

#include "desktop/lock_file.h"

namespace gs {

InstanceLock::InstanceLock(const std::string& path) {
  fd_ = OpenOwnLockFile(path);
  if (!fd_) return;  // no lock possible: behave as the only instance
  // Every instance holds the lock shared; an exclusive try succeeds only
  // when nobody else holds it.
  if (::flock(fd_.Get(), LOCK_EX | LOCK_NB) == 0) {
    ::flock(fd_.Get(), LOCK_SH);
  } else {
    otherRunning_ = true;
    ::flock(fd_.Get(), LOCK_SH);
  }
}

}  // namespace gs
