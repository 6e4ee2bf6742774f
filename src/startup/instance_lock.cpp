#include "startup/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace gs {

namespace {

// The flag must not outlive the process, also when it ends without running
// its destructors: exit() from a broken X connection, a hang-up at logout,
// a crash. What a signal handler may touch is kept in plain storage.
char g_flagPath[PATH_MAX] = {};
constexpr int kFatalSignals[] = {SIGHUP, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction g_previous[std::size(kFatalSignals)];

void RemoveFlagAtExit() {
  if (g_flagPath[0]) ::unlink(g_flagPath);
}

void RemoveFlagOnSignal(int sig) {
  if (g_flagPath[0]) ::unlink(g_flagPath);
  for (size_t i = 0; i < std::size(kFatalSignals); ++i)
    if (kFatalSignals[i] == sig) ::sigaction(sig, &g_previous[i], nullptr);
  ::raise(sig);  // on to whoever handled it before, or the default
}

void ArmLastResortRemoval(const std::string& path) {
  static bool armed = false;
  if (path.size() >= sizeof g_flagPath) return;
  std::memcpy(g_flagPath, path.c_str(), path.size() + 1);
  if (armed) return;
  armed = true;
  std::atexit(RemoveFlagAtExit);
  for (size_t i = 0; i < std::size(kFatalSignals); ++i) {
    struct sigaction sa {};
    sa.sa_handler = RemoveFlagOnSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(kFatalSignals[i], &sa, &g_previous[i]);
  }
}

}  // namespace

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
    ArmLastResortRemoval(path_);
  } else {
    std::remove(path_.c_str());
    if (path_ == g_flagPath) g_flagPath[0] = '\0';
  }
}

bool SaverRunningFlag::IsSet() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

}  // namespace gs
