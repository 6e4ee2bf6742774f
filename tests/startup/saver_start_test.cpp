#include "startup/saver_start.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <thread>

#include "desktop/host_geometry.h"
#include "desktop/reset_signal.h"
#include "desktop/sound_owner_lock.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

SaverTarget Target(std::initializer_list<const char*> args, const char* env) {
  std::vector<const char*> argv{"gobbleshot1"};
  argv.insert(argv.end(), args);
  return ReadSaverTarget(static_cast<int>(argv.size()), argv.data(), env);
}

TEST(SaverTarget, TakesTheWindowIdSwitchBeforeTheHostsVariable) {
  SaverTarget t = Target({"/s", "--window-id", "0x2a00003"}, "0x1e00001");
  EXPECT_EQ(t.window, 0x2a00003u);
  EXPECT_TRUE(t.windowIdSwitch);
  t = Target({"/s", "-window-id", "123"}, nullptr);
  EXPECT_EQ(t.window, 123u);
  t = Target({"/s"}, "0x1e00001");
  EXPECT_EQ(t.window, 0x1e00001u);
  EXPECT_FALSE(t.windowIdSwitch);
}

TEST(SaverTarget, NoUsableWindowMeansOurOwnWindows) {
  EXPECT_EQ(Target({"/s"}, nullptr).window, 0u);
  EXPECT_EQ(Target({"/s"}, "").window, 0u);
  EXPECT_EQ(Target({"/s"}, "0x12zz").window, 0u);
  EXPECT_EQ(Target({"/s"}, "0").window, 0u);
  // A switch without its value asks for a window it does not name.
  SaverTarget t = Target({"/s", "--window-id"}, nullptr);
  EXPECT_EQ(t.window, 0u);
  EXPECT_TRUE(t.windowIdSwitch);
  // A broken value falls back to the host's variable.
  t = Target({"/s", "--window-id", "junk"}, "77");
  EXPECT_EQ(t.window, 77u);
  EXPECT_TRUE(t.windowIdSwitch);
}

// Xlib would send only the low 32 bits: 2^32 + 0x2a3 would name window 0x2a3.
TEST(SaverTarget, WindowIdsBeyondThirtyTwoBitsOrWithASignNameNoWindow) {
  for (const char* id : {"0x1000002a3", "4294967296", "99999999999999999999999", "-4294967295", "+5", " 5"}) {
    SaverTarget t = Target({"/s"}, id);
    EXPECT_EQ(t.window, 0u) << id;
    EXPECT_TRUE(t.hostVariableUnusable) << id;
    t = Target({"/s", "--window-id", id}, nullptr);
    EXPECT_EQ(t.window, 0u) << id;
    EXPECT_TRUE(t.windowIdSwitch) << id;
  }
  EXPECT_EQ(Target({"/s"}, "0xffffffff").window, 0xffffffffu);
  EXPECT_FALSE(Target({"/s"}, "0x2a3").hostVariableUnusable);
  EXPECT_FALSE(Target({"/s"}, "").hostVariableUnusable);
}

TEST(SingleInstanceRule, GuardsOnlySlashSOnItsOwnWindows) {
  const SaverTarget own{}, host{0x1e00001, false};
  EXPECT_TRUE(SingleInstanceRuleApplies(ParseCommandLine("/s"), own));
  EXPECT_TRUE(SingleInstanceRuleApplies(ParseCommandLine(" /SCR "), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine(""), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine("   "), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine("-root"), own));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine("/s"), host));
  EXPECT_FALSE(SingleInstanceRuleApplies(ParseCommandLine(""), host));
}

// Of the savers a host numbers, one for each monitor, number 0 plays; a
// host that numbers none leaves it to the sound lock.
TEST(SoundClaim, NumberZeroOrAnUnnumberedSaverTriesForTheSound) {
  for (const char* index : {static_cast<const char*>(nullptr), "", "0", "00", "x", "-1", " 1", "1x"})
    EXPECT_TRUE(MayClaimSound(index)) << (index ? index : "unset");
  for (const char* index : {"1", "10", "99999999999999999999999"}) EXPECT_FALSE(MayClaimSound(index)) << index;
}

// A host's reset request ends the saver with status 0, through whoever
// handles SIGTERM once there is one.
TEST(ResetSignal, EndsWithStatusZeroOrAsSigtermWouldEnd) {
  static volatile sig_atomic_t terminated = 0;
  for (bool termHandled : {false, true}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
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

TEST(PreviewPane, SmallerThanHalfTheScreenBothWays) {
  EXPECT_TRUE(IsPreviewPane({300, 200, 1920, 1080}));
  EXPECT_TRUE(IsPreviewPane({959, 539, 1920, 1080}));
  EXPECT_FALSE(IsPreviewPane({960, 539, 1920, 1080}));
  EXPECT_FALSE(IsPreviewPane({959, 540, 1920, 1080}));
  // One monitor's window of two side by side is no preview.
  EXPECT_FALSE(IsPreviewPane({1920, 1080, 3840, 1080}));
  EXPECT_FALSE(IsPreviewPane({1920, 1080, 1920, 1080}));
}

TEST(ProgramTexts, VersionUsageAndHint) {
  EXPECT_EQ(VersionText(), "gobbleshot1 2.99\n");
  const std::string usage = UsageText();
  for (const char* part : {"/s", "/p WINDOW", "/c", "/a", "--window-id", "XSCREENSAVER_WINDOW", "settings.ini",
                           "xscreensaver", "mate-screensaver", "xfce4-screensaver", "/usr/libexec/xscreensaver",
                           "-root", "XSECURELOCK_SAVER="})
    EXPECT_NE(usage.find(part), std::string::npos) << part;
  const std::string hint = UnknownSwitchHint(ParseCommandLine("-S"));
  EXPECT_EQ(hint.find('\n'), hint.size() - 1) << "one line";
  EXPECT_NE(hint.find("\"-s\""), std::string::npos);
  EXPECT_NE(hint.find("--help"), std::string::npos);
  // What the user typed reaches the terminal as text, never as its commands.
  const std::string hostile = UnknownSwitchHint(ParseCommandLine("-\x1b]0;owned\x07\x1b[2J\nsecond line\xc2\x9b"));
  EXPECT_EQ(hostile.find('\n'), hostile.size() - 1) << "one line";
  for (char c : hostile.substr(0, hostile.size() - 1))
    EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << "control character " << int(c);
  EXPECT_EQ(hostile.find("\xc2\x9b"), std::string::npos);
  EXPECT_NE(hostile.find("second line"), std::string::npos);
}

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
  EXPECT_TRUE(third.Owned());
}

TEST(SoundOwnerLock, WaitsForASaverThatIsEnding) {
  testing::TempDir dir;
  const std::string path = dir.File("gobbleshot1.sound");
  SoundOwnerLock ending(path, 0);
  ASSERT_TRUE(ending.Owned());
  std::thread releaser([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ending.Release();
  });
  SoundOwnerLock next(path, 5000);
  releaser.join();
  EXPECT_TRUE(next.Owned());
}

TEST(SoundOwnerLock, NeverFollowsALinkInTheRuntimeFolder) {
  testing::TempDir dir;
  const std::string elsewhere = dir.File("someone-elses-file");
  std::filesystem::create_symlink(elsewhere, dir.File("gobbleshot1.sound"));
  SoundOwnerLock lock(dir.File("gobbleshot1.sound"), 0);
  EXPECT_FALSE(std::filesystem::exists(elsewhere));
}

TEST(SoundOwnerLock, WithoutARuntimeFolderPlaysAndLeavesNoFileInTheWorkingFolder) {
  testing::TempDir dir;
  const auto was = std::filesystem::current_path();
  std::filesystem::current_path(dir.File(""));
  {
    SoundOwnerLock lock("gobbleshot1.sound", 0);
    EXPECT_TRUE(lock.Owned());
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("gobbleshot1.sound")));
  std::filesystem::current_path(was);
}

}  // namespace
}  // namespace gs
