#include "desktop/sound_owner_lock.h"

#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "desktop/lock_file.h"

namespace gs {

SoundOwnerLock::SoundOwnerLock(const std::string& path, int waitMs) {
  const int fd = OpenOwnLockFile(path);
  if (fd < 0) {
    owned_ = true;  // no lock possible: behave as the only saver, as the instance lock does
    return;
  }
  constexpr int kStepMs = 25;
  for (int waited = 0;; waited += kStepMs) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      owned_ = true;
      return;
    }
    if (waited >= waitMs) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
  }
  ::close(fd);
}

SoundOwnerLock::~SoundOwnerLock() { Release(); }

void SoundOwnerLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  owned_ = false;
}

}  // namespace gs
