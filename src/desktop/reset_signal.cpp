#include "desktop/reset_signal.h"

#include <unistd.h>

#include <csignal>

namespace gs {
namespace {

void OnResetSignal(int) {
  struct sigaction term {};
  // Whoever handles SIGTERM (SDL, which turns it into a quit event) ends the
  // show the orderly way. Before that nothing is open that needs closing.
  if (::sigaction(SIGTERM, nullptr, &term) == 0 && term.sa_handler != SIG_DFL && term.sa_handler != SIG_IGN)
    ::raise(SIGTERM);
  else
    ::_exit(0);
}

}  // namespace

void EndCleanlyOnResetSignal() {
  struct sigaction sa {};
  sa.sa_handler = OnResetSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  ::sigaction(SIGUSR1, &sa, nullptr);
}

}  // namespace gs
