// Start-up time of the saver: from starting "gobbleshot1 /s" to its first
// frame on the screen, with the build's full data folder. A timed run that
// prints figures; run it under tests/with-xvfb.sh, or in a Wayland session.
//
//   startup_bench [path/to/gobbleshot1] [runs]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long NowUs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// One start with its own settings folder; fresh: no settings file yet, so
// the first-run defaults are written on the way. Answers microseconds, or -1.
long long OneStart(const std::string& exe, const std::string& configDir) {
  int pipeFd[2];
  if (pipe(pipeFd) != 0) return -1;
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) env.emplace_back(*e);
  env.push_back("XDG_CONFIG_HOME=" + configDir);
  env.push_back("GOBBLESHOT1_STARTUP_PROBE=1");
  env.push_back("SDL_AUDIODRIVER=dummy");
  std::vector<char*> envp;
  for (std::string& s : env) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::string a0 = exe, a1 = "/s";
  char* argv[] = {a0.data(), a1.data(), nullptr};

  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, pipeFd[1], 2);
  posix_spawn_file_actions_addclose(&fa, pipeFd[0]);
  const long long start = NowUs();
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&fa);
  close(pipeFd[1]);
  if (rc != 0) {
    close(pipeFd[0]);
    return -1;
  }
  long long firstFrame = -1;
  std::string text;
  char buf[512];
  ssize_t n;
  while (firstFrame < 0 && (n = read(pipeFd[0], buf, sizeof buf)) > 0) {
    text.append(buf, static_cast<size_t>(n));
    const auto at = text.find("first-frame-us ");
    if (at != std::string::npos && text.find('\n', at) != std::string::npos)
      firstFrame = std::atoll(text.c_str() + at + 15);
  }
  close(pipeFd[0]);
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  return firstFrame < 0 ? -1 : firstFrame - start;
}

void Report(const char* what, std::vector<long long> us) {
  if (us.empty()) {
    std::printf("%-28s no run reached its first frame\n", what);
    return;
  }
  std::sort(us.begin(), us.end());
  std::printf("%-28s median %6.1f ms   min %6.1f ms   max %6.1f ms   (%zu runs)\n", what,
              us[us.size() / 2] / 1000.0, us.front() / 1000.0, us.back() / 1000.0, us.size());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string exe = argc > 1 ? argv[1] : GS_BUILD_DIR "/gobbleshot1";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "startup_bench: needs a display (run it under tests/with-xvfb.sh or in a Wayland session)\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path base = fs::temp_directory_path() / ("gs-startup-bench-" + std::to_string(getpid()));
  std::vector<long long> fresh, warm;
  for (int i = 0; i < runs; ++i) {
    const fs::path dir = base / std::to_string(i);
    fs::create_directories(dir);
    // The first start in a folder writes the first-run settings; the second
    // finds them.
    if (long long us = OneStart(exe, dir.string()); us >= 0) fresh.push_back(us);
    if (long long us = OneStart(exe, dir.string()); us >= 0) warm.push_back(us);
  }
  std::error_code ec;
  fs::remove_all(base, ec);
  Report("first start (no settings)", fresh);
  Report("later start", warm);
  return fresh.empty() || warm.empty() ? 1 : 0;
}
