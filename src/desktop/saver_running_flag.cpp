#include "desktop/saver_running_flag.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/unique_fd.h"

namespace gs {

namespace {

// The flag must not outlive the process, also when it ends without running
// its destructors: exit() from a broken X connection, a crash, or any signal
// whose default action ends the process. What a signal handler may touch is
// kept in plain storage.
char g_flagPath[PATH_MAX] = {};
struct sigaction g_previous[NSIG];

// Signals whose default action ends the process (SIGKILL and SIGSTOP aside,
// which nobody can catch), the real-time ones included.
bool EndsTheProcess(int sig) {
  switch (sig) {
    case SIGHUP: case SIGINT: case SIGQUIT: case SIGILL: case SIGTRAP: case SIGABRT: case SIGBUS:
    case SIGFPE: case SIGUSR1: case SIGSEGV: case SIGUSR2: case SIGPIPE: case SIGALRM: case SIGTERM:
    case SIGSTKFLT: case SIGXCPU: case SIGXFSZ: case SIGVTALRM: case SIGPROF: case SIGIO: case SIGPWR:
    case SIGSYS:
      return true;
    default:
      return sig >= SIGRTMIN && sig <= SIGRTMAX;
  }
}

void RemoveFlagAtExit() {
  if (g_flagPath[0]) ::unlink(g_flagPath);
}

void RemoveFlagOnSignal(int sig) {
  if (g_flagPath[0]) ::unlink(g_flagPath);
  ::sigaction(sig, &g_previous[sig], nullptr);
  ::raise(sig);  // on to whoever handled it before, or the default
}

void ArmLastResortRemoval(const std::string& path) {
  static bool armed = false;
  if (path.size() >= sizeof g_flagPath) return;
  std::memcpy(g_flagPath, path.c_str(), path.size() + 1);
  if (armed) return;
  armed = true;
  std::atexit(RemoveFlagAtExit);
  for (int sig = 1; sig < NSIG; ++sig) {
    if (!EndsTheProcess(sig)) continue;
    struct sigaction current {};
    // An ignored signal ends nothing; a handler of someone else's (SDL turns
    // SIGINT and SIGTERM into a quit event) gets the signal after us.
    if (::sigaction(sig, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction sa {};
    sa.sa_handler = RemoveFlagOnSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(sig, &sa, &g_previous[sig]);
  }
}

}  // namespace

void SaverRunningFlag::Set(bool running) {
  if (path_.empty() || path_[0] != '/') return;
  if (!running) {
    ::unlink(path_.c_str());
    if (path_ == g_flagPath) g_flagPath[0] = '\0';
    return;
  }
  // Written beside and renamed into place: a link planted under the flag's
  // name is replaced, never written through.
  std::string tmp = path_ + ".XXXXXX";
  UniqueFd fd(::mkostemp(tmp.data(), O_CLOEXEC));
  if (!fd) return;
  const std::string text = std::to_string(::getpid()) + "\n";
  bool ok = ::write(fd.Get(), text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ok = fd.Close() && ok;
  if (!ok || ::rename(tmp.c_str(), path_.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return;
  }
  ArmLastResortRemoval(path_);
}

bool SaverRunningFlag::IsSet() const {
  struct stat st {};
  return ::lstat(path_.c_str(), &st) == 0;
}

}  // namespace gs
