#pragma once
#include <string>

namespace gs {

// Decides which of several savers running at once plays sound: the one that
// holds this lock. Savers in every monitor's window of a host, or a second
// full screen saver, stay silent, so the show is heard once.
class SoundOwnerLock {
 public:
  // Tries to take the lock at path, for up to waitMs milliseconds: a host
  // that cycles savers starts the next one while the last is still ending.
  SoundOwnerLock(const std::string& path, int waitMs);
  ~SoundOwnerLock();
  SoundOwnerLock(const SoundOwnerLock&) = delete;
  SoundOwnerLock& operator=(const SoundOwnerLock&) = delete;

  bool Owned() const { return owned_; }
  // Lets the next saver have the sound while this one is still ending.
  void Release();

 private:
  int fd_ = -1;
  bool owned_ = false;
};

}  // namespace gs
