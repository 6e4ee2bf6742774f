// The runtime folder, the instance lock and the running-saver flag on a
// machine where other users may have been first.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "desktop/instance_lock.h"
#include "desktop/runtime_folder.h"
#include "desktop/saver_running_flag.h"
#include "support/other_user.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

namespace fs = std::filesystem;
using testing::kNobody;
using testing::RunningAsRoot;

class RuntimeFolderTest : public ::testing::Test {
 protected:
  RuntimeFolderTest() {
    fs::create_directories(top + "/tmp");
    ::chmod((top + "/tmp").c_str(), 01777);
  }
  std::string Folder(const std::string& name, mode_t mode) {
    std::string p = top + "/" + name;
    fs::create_directories(p);
    ::chmod(p.c_str(), mode);
    return p;
  }
  std::string Choose(const char* xdg, const std::string& runUser = "/nonexistent") {
    return ChooseRuntimeFolder(xdg, runUser, top + "/tmp");
  }
  std::string PrivateFallback() const { return top + "/tmp/gobbleshot1-" + std::to_string(::geteuid()) + "/"; }

  testing::TempDir dir;
  const std::string top = dir.path();
};

TEST_F(RuntimeFolderTest, OnlyAFolderOfOursThatNobodyElseMayWriteIsUsed) {
  const std::string good = Folder("good", 0700);
  EXPECT_EQ(Choose(good.c_str()), good + "/");
  EXPECT_EQ(Choose((good + "//").c_str()), good + "/");
  EXPECT_EQ(Choose(Folder("readable", 0755).c_str()), top + "/readable/");

  fs::create_directory_symlink(good, top + "/link");
  const std::string refused[] = {Folder("shared", 0777), Folder("group", 0770), top + "/link", top + "/missing",
                                 "relative/dir", ""};
  for (const std::string& xdg : refused) {
    EXPECT_EQ(Choose(xdg.c_str(), good), good + "/") << xdg;  // on to /run/user/UID
    EXPECT_EQ(Choose(xdg.c_str()), PrivateFallback()) << xdg;
  }
  EXPECT_EQ(Choose(nullptr, top + "/shared"), PrivateFallback());
  if (RunningAsRoot()) {
    const std::string theirs = Folder("theirs", 0700);
    ASSERT_EQ(::chown(theirs.c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(Choose(theirs.c_str()), PrivateFallback());
  }
  struct stat st {};
  ASSERT_EQ(::lstat(PrivateFallback().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);
}

TEST_F(RuntimeFolderTest, APrivateFolderNameTakenBySomeoneElseMovesOnNeverToTheSharedFolder) {
  const std::string base = top + "/tmp/gobbleshot1-" + std::to_string(::geteuid());
  // Taken by a link to a folder of ours, by a file, by an open folder.
  fs::create_directory_symlink(Folder("mine", 0700), base);
  std::ofstream(base + "-1") << "x";
  fs::create_directories(base + "-2");
  ::chmod((base + "-2").c_str(), 0777);
  if (RunningAsRoot()) {
    fs::create_directories(base + "-3");
    ::chmod((base + "-3").c_str(), 0700);
    ASSERT_EQ(::chown((base + "-3").c_str(), kNobody, kNobody), 0);
  }
  const std::string expected = base + (RunningAsRoot() ? "-4/" : "-3/");
  EXPECT_EQ(Choose(nullptr), expected);
  EXPECT_EQ(Choose(nullptr), expected) << "a second run finds the same folder";
  EXPECT_TRUE(fs::is_symlink(base));

  // Every name taken: no folder at all rather than the shared one.
  const std::string full = Folder("full", 01777);
  const std::string fullBase = full + "/gobbleshot1-" + std::to_string(::geteuid());
  std::ofstream(fullBase) << "x";
  for (int i = 1; i < 60; ++i) std::ofstream(fullBase + "-" + std::to_string(i)) << "x";
  EXPECT_EQ(ChooseRuntimeFolder(nullptr, "/nonexistent", full), "");
}

TEST_F(RuntimeFolderTest, FlagAndLockNeverWriteThroughLinks) {
  const std::string run = Folder("run", 0700) + "/";
  const std::string victim = top + "/victim";
  std::ofstream(victim) << "precious";
  fs::create_symlink(victim, run + "gobbleshot1.running");
  fs::create_symlink(victim, run + "gobbleshot1.lock");

  SaverRunningFlag flag(run + "gobbleshot1.running");
  flag.Set(true);
  EXPECT_FALSE(fs::is_symlink(run + "gobbleshot1.running"));
  std::ifstream in(run + "gobbleshot1.running");
  pid_t written = 0;
  in >> written;
  EXPECT_EQ(written, ::getpid());
  {
    InstanceLock lock(run + "gobbleshot1.lock");
    EXPECT_FALSE(lock.OtherInstanceRunning());
    EXPECT_FALSE(fs::is_symlink(run + "gobbleshot1.lock"));
    InstanceLock second(run + "gobbleshot1.lock");
    EXPECT_TRUE(second.OtherInstanceRunning());
  }
  flag.Set(false);
  EXPECT_FALSE(flag.IsSet());
  std::ifstream v(victim);
  std::string text;
  v >> text;
  EXPECT_EQ(text, "precious");
  EXPECT_EQ(fs::file_size(victim), 8u);

  // A lock file another user holds open does not keep our saver from
  // starting: the folder is ours, and so is the lock in it.
  if (RunningAsRoot()) {
    const std::string theirs = run + "theirs.lock";
    std::ofstream(theirs) << "";
    ::chmod(theirs.c_str(), 0666);
    ASSERT_EQ(::chown(theirs.c_str(), kNobody, kNobody), 0);
    int held = ::open(theirs.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_SH), 0);
    EXPECT_FALSE(InstanceLock(theirs).OtherInstanceRunning());
    ::close(held);
  }
  // No runtime folder at all: no lock, no flag, and no file in the working folder.
  SaverRunningFlag("gobbleshot1.running").Set(true);
  EXPECT_FALSE(InstanceLock("gobbleshot1.lock").OtherInstanceRunning());
  EXPECT_FALSE(fs::exists("gobbleshot1.running"));
  EXPECT_FALSE(fs::exists("gobbleshot1.lock"));
}

// Every signal whose default action ends the process takes the flag with it.
TEST_F(RuntimeFolderTest, TheFlagGoesOnEverySignalThatEndsTheProcess) {
  const std::string flagPath = Folder("run", 0700) + "/gobbleshot1.running";
  const int signals[] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGILL,  SIGTRAP, SIGABRT,  SIGBUS,   SIGFPE,
                         SIGUSR1, SIGSEGV, SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM,  SIGSTKFLT, SIGXCPU,
                         SIGXFSZ, SIGVTALRM, SIGPROF, SIGIO,   SIGPWR,  SIGSYS,   SIGRTMIN, SIGRTMIN + 5,
                         SIGRTMAX};
  for (int sig : signals) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      struct rlimit none {0, 0};
      ::setrlimit(RLIMIT_CORE, &none);
      SaverRunningFlag(flagPath).Set(true);
      (void)!::write(ready[1], "r", 1);
      for (;;) ::pause();
    }
    ::close(ready[1]);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::close(ready[0]);
    ASSERT_TRUE(fs::exists(flagPath));
    ::kill(child, sig);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    // Ended by the signal; a sanitizer's own crash handler may turn it into an exit.
    EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == sig) || (WIFEXITED(status) && WEXITSTATUS(status) != 0))
        << strsignal(sig);
    EXPECT_FALSE(fs::exists(flagPath)) << "left behind by " << strsignal(sig);
  }
}

}  // namespace
}  // namespace gs
