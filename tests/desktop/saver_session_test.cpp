#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "desktop/host_geometry.h"
#include "desktop/reset_signal.h"
#include "desktop/sound_owner_lock.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

// A host's reset request ends the saver with status 0, through whoever
// handles SIGTERM once there is one.
TEST(ResetSignal, EndsWithStatusZeroOrAsSigtermWouldEnd) {
  static volatile sig_atomic_t terminated = 0;
  for (bool termHandled : {false, true}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGTERM, SIG_DFL);  // other tests here arm the running flag's handlers
      EndCleanlyOnResetSignal();
      if (termHandled) std::signal(SIGTERM, [](int) { terminated = 1; });
      ::raise(SIGUSR1);
      ::_exit(terminated ? 3 : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), termHandled ? 3 : 0);
  }
}

// One monitor's window of two side by side is no preview.
TEST(PreviewPane, SmallerThanHalfTheScreenBothWays) {
  for (auto [g, preview] : {std::pair<HostGeometry, bool>{{300, 200, 1920, 1080}, true}, {{959, 539, 1920, 1080}, true},
                            {{960, 539, 1920, 1080}, false}, {{959, 540, 1920, 1080}, false},
                            {{1920, 1080, 3840, 1080}, false}, {{1920, 1080, 1920, 1080}, false}})
    EXPECT_EQ(IsPreviewPane(g), preview) << g.width << " x " << g.height << " on " << g.screenWidth;
}

// One owner at a time; the next after a release, also one that waits for a
// saver that is ending. (The lock file itself opens as the instance lock's
// does: never through a link, never in the working folder.)
TEST(SoundOwnerLock, OneOwnerAtATimeAndTheNextAfterRelease) {
  testing::TempDir dir;
  const std::string path = dir.File("gobbleshot1.sound");
  SoundOwnerLock first(path, 0);
  SoundOwnerLock second(path, 0);
  EXPECT_TRUE(first.Owned());
  EXPECT_FALSE(second.Owned());
  first.Release();
  EXPECT_FALSE(first.Owned());
  SoundOwnerLock third(path, 0);
  ASSERT_TRUE(third.Owned());
  std::thread releaser([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    third.Release();
  });
  SoundOwnerLock next(path, 5000);
  releaser.join();
  EXPECT_TRUE(next.Owned());
  // Where no lock file can be had (no runtime folder) it plays, as the only saver.
  EXPECT_TRUE(SoundOwnerLock("gobbleshot1.sound", 0).Owned());
}

}  // namespace
}  // namespace gs
