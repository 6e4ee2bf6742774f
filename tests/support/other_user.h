#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace gs::testing {

// The user id tests take on when a file of another user is needed: as root
// the tests give their folders to nobody and run the code under test as
// nobody, since root may write any file.
constexpr uid_t kNobody = 65534;

inline bool RunningAsRoot() { return ::geteuid() == 0; }

// Hands folder and everything in it to the user the child will be.
inline void GiveToChild(const std::string& folder) {
  if (!RunningAsRoot()) return;
  ::chown(folder.c_str(), kNobody, kNobody);
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    ::lchown(e.path().c_str(), kNobody, kNobody);
}

// Runs body in a child process, as nobody when the tests run as root;
// answers whether the child ended with body's answer true.
inline bool InChild(const std::function<bool()>& body) {
  pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) {
    if (RunningAsRoot() && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(3);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs body as InChild does and answers what the child wrote to stderr
// (the child's stderr is the test's otherwise).
inline std::string StderrOfChild(const std::function<bool()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) return "pipe failed";
  InChild([&] {
    ::dup2(fds[1], 2);
    return body();
  });
  ::close(fds[1]);
  std::string err;
  char buf[512];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) err.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  return err;
}

}  // namespace gs::testing
