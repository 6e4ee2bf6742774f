#include "desktop/sound_owner_lock.h"

#include <sys/file.h>

#include <chrono>
#include <thread>
#include <utility>

#include "desktop/lock_file.h"

namespace gs {

SoundOwnerLock::SoundOwnerLock(const std::string& path, int waitMs) {
  UniqueFd fd = OpenOwnLockFile(path);
  if (!fd) {
    owned_ = true;  // no lock possible: behave as the only saver, as the instance lock does
    return;
  }
  constexpr int kStepMs = 25;
  for (int waited = 0;; waited += kStepMs) {
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
      fd_ = std::move(fd);
      owned_ = true;
      return;
    }
    if (waited >= waitMs) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
  }
}

void SoundOwnerLock::Release() {
  fd_.Reset();
  owned_ = false;
}

}  // namespace gs
