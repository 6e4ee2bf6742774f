#pragma once
#include <string>
#include <utility>

namespace gs {

// The running-saver flag: a file in the runtime folder that exists while a
// full-screen saver of this user runs, holding its process id.
class SaverRunningFlag {
 public:
  explicit SaverRunningFlag(std::string path) : path_(std::move(path)) {}
  void Set(bool running);
  bool IsSet() const;

 private:
  std::string path_;
};

}  // namespace gs
