#pragma once
#include <string>

#include "platform/unique_fd.h"

namespace gs {

// Decides which of several savers running at once plays sound: the one that
// holds this lock. Savers in every monitor's window of a host, or a second
// full screen saver, stay silent, so the show is heard once.
class SoundOwnerLock {
 public:
  // Tries to take the lock at path, for up to waitMs milliseconds: a host
  // that cycles savers starts the next one while the last is still ending.
  SoundOwnerLock(const std::string& path, int waitMs);

  bool Owned() const { return owned_; }
  // Lets the next saver have the sound while this one is still ending.
  void Release();

 private:
  UniqueFd fd_;
  bool owned_ = false;
};

}  // namespace gs
