#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "settings/ini_settings_store.h"
#include "temp_dir.h"

namespace gs {
namespace {

constexpr int kKeysPerWriter = 150;
constexpr int kRounds = 6;

// Each writer process saves its own keys again and again, so that the two
// constantly read-modify-write the same file.
void Hammer(const std::string& path, const std::string& prefix) {
  IniSettingsStore store(path);
  for (int round = 1; round <= kRounds; ++round)
    for (int i = 0; i < kKeysPerWriter; ++i)
      store.Save(kAppName, "System", prefix + std::to_string(i), std::to_string(round * 1000 + i));
}

TEST(IniSettingsStoreConcurrency, TwoProcessesSavingDifferentKeysLoseNothing) {
  testing::TempDir dir;
  const std::string path = dir.File("settings.ini");
  IniSettingsStore(path).Save(kAppName, "Startup", "SetReg", "2");

  pid_t children[2];
  const char* prefixes[2] = {"Alpha", "Beta"};
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      Hammer(path, prefixes[c]);
      ::_exit(0);
    }
  }
  // Meanwhile a reader must always see a whole file: the marker is never lost.
  IniSettingsStore reader(path);
  int done = 0;
  int reads = 0;
  while (done < 2) {
    EXPECT_EQ(reader.Get(kAppName, "Startup", "SetReg", "missing"), "2") << "after " << reads << " reads";
    ++reads;
    int status = 0;
    for (pid_t& child : children) {
      if (child > 0 && ::waitpid(child, &status, WNOHANG) == child) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        child = -1;
        ++done;
      }
    }
  }
  for (const char* prefix : prefixes)
    for (int i = 0; i < kKeysPerWriter; ++i)
      EXPECT_EQ(reader.Get(kAppName, "system", prefix + std::to_string(i), "lost"),
                std::to_string(kRounds * 1000 + i))
          << prefix << i;
}

}  // namespace
}  // namespace gs
