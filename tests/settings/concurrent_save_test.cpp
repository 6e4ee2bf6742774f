#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>

#include "settings/ini_settings_store.h"
#include "settings/settings_schema.h"
#include "support/temp_dir.h"

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

// An editor that rewrites the file in place, a line at a time as a shell
// script's redirection does, every 0.1 s: it reads the file, changes its own
// line and writes the whole text back over the old one.
void EditInPlace(const std::string& path, std::chrono::milliseconds howLong) {
  const auto end = std::chrono::steady_clock::now() + howLong;
  for (int edit = 0; std::chrono::steady_clock::now() < end; ++edit) {
    std::string text = testing::ReadText(path);
    const size_t at = text.find("Note=");
    if (at != std::string::npos) text.replace(at, text.find('\n', at) - at, "Note=edit" + std::to_string(edit));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (size_t start = 0, next = 0; start < text.size(); start = next, ::usleep(200)) {
      next = std::min(text.find('\n', start) + 1, text.size());
      out.write(text.data() + start, static_cast<std::streamsize>(next - start)).flush();
    }
    out.close();
    ::usleep(100000);
  }
}

TEST(IniSettingsStoreConcurrency, ASaveWaitsForAFileHalfWrittenInPlaceAndKeepsKeysCutAway) {
  testing::TempDir dir;
  const std::string path = dir.File("settings.ini");
  IniSettingsStore dialog(path);
  ApplyFirstRunRule(dialog);
  const std::string first = "[Startup]\nSetReg=2\n[System]\nClock=1\n";
  const std::string rest = "TunePC=9\nMessage=edited\n";
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t editor = ::fork();
  ASSERT_GE(editor, 0);
  if (editor == 0) {  // writes half, pauses, writes the rest
    int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    bool ok = ::write(fd, first.data(), first.size()) == static_cast<ssize_t>(first.size());
    ok = ::write(ready[1], "x", 1) == 1 && ok;
    ::usleep(150000);
    ok = ::write(fd, rest.data(), rest.size()) == static_cast<ssize_t>(rest.size()) && ok;
    ::_exit(ok && ::close(fd) == 0 ? 0 : 1);
  }
  char c;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  SaveSetting(dialog, Setting::FontSize, "30");
  int status = 0;
  ASSERT_EQ(::waitpid(editor, &status, 0), editor);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  IniSettingsStore reader(path);
  EXPECT_EQ(SettingsSnapshot(reader).Text(Setting::TunePC), "9");  // the editor's whole text was waited for
  EXPECT_EQ(SettingsSnapshot(reader).Text(Setting::Message), "edited");
  EXPECT_EQ(SettingsSnapshot(reader).Text(Setting::FontSize), "30");
  for (const SettingSpec& setting : SettingsSchema())
    EXPECT_NE(reader.Get(kAppName, setting.section, setting.key, "lost"), "lost") << setting.key;

  // Keys cut away by hand come back from the last whole read, and the
  // file's own new values stay.
  testing::WriteText(path, "[System]\nClock=0\n");
  SaveSetting(dialog, Setting::TunePC, "4");
  EXPECT_EQ(SettingsSnapshot(reader).Text(Setting::Clock), "0");
  EXPECT_EQ(SettingsSnapshot(reader).Text(Setting::Message), "edited");
  for (const SettingSpec& setting : SettingsSchema())
    EXPECT_NE(reader.Get(kAppName, setting.section, setting.key, "lost"), "lost") << setting.key;
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST(IniSettingsStoreConcurrency, AnEditorRewritingInPlaceWhileTheDialogSavesLosesNoKey) {
  testing::TempDir dir;
  const std::string path = dir.File("settings.ini");
  IniSettingsStore dialog(path);
  ApplyFirstRunRule(dialog);
  dialog.Save(kAppName, "System", "Note", "by hand");
  SettingsSnapshot opened(dialog);  // the dialog opens

  pid_t editor = ::fork();
  ASSERT_GE(editor, 0);
  if (editor == 0) {
    EditInPlace(path, std::chrono::seconds(3));
    ::_exit(0);
  }
  int status = 0;
  for (int i = 0; ::waitpid(editor, &status, WNOHANG) == 0; ++i) {
    SaveSetting(dialog, Setting::TunePC, std::to_string(i % 21));
    ::usleep(1000);
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  IniSettingsStore reader(path);
  for (const SettingSpec& setting : SettingsSchema())
    EXPECT_NE(reader.Get(kAppName, setting.section, setting.key, "lost"), "lost") << setting.key;
  EXPECT_NE(reader.Get(kAppName, "System", "Note", "lost"), "lost");
}

}  // namespace
}  // namespace gs
