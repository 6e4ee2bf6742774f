#pragma once
#include <string>

namespace gs {

// A per-user lock that every running instance holds for its whole life, so
// that a new instance can tell whether another one runs.
class InstanceLock {
 public:
  explicit InstanceLock(const std::string& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Whether another instance held the lock when this one was taken.
  bool OtherInstanceRunning() const { return otherRunning_; }

 private:
  int fd_ = -1;
  bool otherRunning_ = false;
};

}  // namespace gs
