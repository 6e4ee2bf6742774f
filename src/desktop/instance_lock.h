#pragma once
#include <string>

#include "platform/unique_fd.h"

namespace gs {

// A per-user lock that every running instance holds for its whole life, so
// that a new instance can tell whether another one runs.
class InstanceLock {
 public:
  explicit InstanceLock(const std::string& path);

  // Whether another instance held the lock when this one was taken.
  bool OtherInstanceRunning() const { return otherRunning_; }

 private:
  UniqueFd fd_;
  bool otherRunning_ = false;
};

}  // namespace gs
