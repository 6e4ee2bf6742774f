#include "startup/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace gs {

InstanceLock::InstanceLock(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;  // no lock possible: behave as the only instance
  // Every instance holds the lock shared; an exclusive try succeeds only
  // when nobody else holds it.
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    ::flock(fd_, LOCK_SH);
  } else {
    otherRunning_ = true;
    ::flock(fd_, LOCK_SH);
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

void SaverRunningFlag::Set(bool running) {
  if (running) {
    std::ofstream(path_) << ::getpid() << '\n';
  } else {
    std::remove(path_.c_str());
  }
}

bool SaverRunningFlag::IsSet() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

}  // namespace gs
