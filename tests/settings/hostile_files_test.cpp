// Settings files as people and other programs leave them: a byte-order mark,
// links, someone else's lock file, saves killed halfway, files that cannot
// be read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/other_user.h"
#include "settings/ini_settings_store.h"
#include "settings/save_files.h"
#include "settings/saver_settings_store.h"
#include "settings/settings_schema.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;
namespace fs = std::filesystem;

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(HostileSettingsFiles, AByteOrderMarkIsReadPastAndKept) {
  TempDir dir;
  IniSettingsStore store(dir.File("settings.ini"));
  const std::string bom = "\xEF\xBB\xBF";
  WriteText(store.path(), bom + "[Startup]\r\nSetReg=2\r\n[System]\r\nClock=1\r\n");
  EXPECT_EQ(store.Get(kAppName, "Startup", "SetReg", "1"), "2");
  EXPECT_EQ(store.Get(kAppName, "System", "Clock", "0"), "1");
  store.Save(kAppName, "System", "Clock", "0");
  EXPECT_EQ(ReadText(store.path()), bom + "[Startup]\r\nSetReg=2\r\n[System]\r\nClock=0\r\n");

  // An editor's empty file holds the mark alone.
  WriteText(store.path(), bom);
  IniSettingsStore(store.path()).Save(kAppName, "System", "Clock", "1");
  EXPECT_EQ(ReadText(store.path()), bom + "[System]\nClock=1\n");
}

TEST(HostileSettingsFiles, LineEndsOfOtherSystemsAreReadAndUtf16IsLeftAlone) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  for (const std::string eol : {"\r", "\r\n"}) {
    const std::string text = "[Startup]" + eol + "SetReg=2" + eol + "[System]" + eol + "TunePC=9" + eol;
    WriteText(path, text);
    SaverSettingsStore store(path);
    EXPECT_FALSE(ApplyFirstRunRule(store));
    EXPECT_EQ(SettingsSnapshot(store).Text(Setting::TunePC), "9");
    SaveSetting(store, Setting::TunePC, "3");
    SaveSetting(store, Setting::Clock, "1");
    EXPECT_EQ(ReadText(path), "[Startup]" + eol + "SetReg=2" + eol + "[System]" + eol + "TunePC=3" + eol +
                                  "Clock=1" + eol);
  }

  // UTF-16 (either byte order): said once, and the file keeps every byte.
  for (const std::string bom : {"\xFF\xFE", "\xFE\xFF"}) {
    const std::string wide = dir.File(bom[0] == '\xFF' ? "le.ini" : "be.ini");
    std::string text = bom;
    for (char c : std::string("[Startup]\r\nSetReg=2\r\n"))
      text += bom[0] == '\xFF' ? std::string{c, '\0'} : std::string{'\0', c};
    WriteText(wide, text);
    ::testing::internal::CaptureStderr();
    SaverSettingsStore saver(wide);
    ApplyFirstRunRule(saver);
    IniSettingsStore dialog(wide);
    SaveSetting(dialog, Setting::Clock, "1");
    SaveSetting(dialog, Setting::TunePC, "1");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadText(wide), text);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;  // one for each program
    EXPECT_NE(err.find("UTF-16"), std::string::npos) << err;
  }
}

TEST(HostileSettingsFiles, AReadOnlyFileIsReadButNeverReplaced) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  const std::string text = "[Startup]\nSetReg=2\n[System]\nTunePC=9\n";
  WriteText(path, text);
  ::chmod(path.c_str(), 0444);
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);

  ::testing::internal::CaptureStderr();
  SaverSettingsStore saver(path);
  EXPECT_FALSE(ApplyFirstRunRule(saver));
  EXPECT_EQ(SettingsSnapshot(saver).Text(Setting::TunePC), "9");
  saver.Save(kAppName, "System", "TuneScrSvr", "True");  // the notice timer
  EXPECT_EQ(SettingsSnapshot(saver).Text(Setting::TuneScrSvr), "True");
  IniSettingsStore dialog(path);
  SaveSetting(dialog, Setting::TunePC, "3");
  SaveSetting(dialog, Setting::Clock, "1");
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "gobbleshot1: " + path + ": is read-only; running on the settings it holds and saving nothing\n" +
                     "gobbleshot1: " + path + ": is read-only, so nothing is saved to it\n");
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0444u);
  EXPECT_EQ(ReadText(path), text);
}

TEST(HostileSettingsFiles, WithoutASettingsFolderNothingIsSavedAndThatIsSaidOnce) {
  TempDir dir;
  const auto workingFolder = fs::current_path();
  fs::current_path(dir.path());
  ::testing::internal::CaptureStderr();
  SaverSettingsStore saver("");
  EXPECT_TRUE(ApplyFirstRunRule(saver));
  EXPECT_EQ(SettingsSnapshot(saver).Text(Setting::TunePC), "6");
  IniSettingsStore dialog("");
  EXPECT_EQ(SettingsSnapshot(dialog).Text(Setting::TunePC), "1");
  SaveSetting(dialog, Setting::TunePC, "3");
  const std::string err = ::testing::internal::GetCapturedStderr();
  fs::current_path(workingFolder);
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;  // one for each program
  EXPECT_NE(err.find("gobbleshot1: settings: no folder to keep them in"), std::string::npos) << err;
}

TEST(HostileSettingsFiles, ASaveThroughALinkWritesItsTargetAndKeepsTheLink) {
  TempDir dir;
  fs::create_directories(dir.File("dotfiles"));
  fs::create_directories(dir.File("config"));
  WriteText(dir.File("dotfiles/gobbleshot1.ini"), "[System]\nClock=1\n");
  ::chmod(dir.File("dotfiles/gobbleshot1.ini").c_str(), 0640);
  fs::create_symlink("../dotfiles/gobbleshot1.ini", dir.File("config/settings.ini"));

  IniSettingsStore store(dir.File("config/settings.ini"));
  store.Save(kAppName, "System", "Clock", "0");
  EXPECT_TRUE(fs::is_symlink(dir.File("config/settings.ini")));
  EXPECT_EQ(ReadText(dir.File("dotfiles/gobbleshot1.ini")), "[System]\nClock=0\n");
  EXPECT_EQ(fs::status(dir.File("dotfiles/gobbleshot1.ini")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Names(dir.File("dotfiles")), std::vector<std::string>{"gobbleshot1.ini"});
  EXPECT_EQ(Names(dir.File("config")), (std::vector<std::string>{"settings.ini", "settings.ini.lock"}));

  // A link to a file not made yet, through a second link.
  fs::create_symlink(dir.File("dotfiles/later.ini"), dir.File("config/hop.ini"));
  fs::create_symlink("hop.ini", dir.File("config/other.ini"));
  IniSettingsStore(dir.File("config/other.ini")).Save(kAppName, "System", "Clock", "1");
  EXPECT_TRUE(fs::is_symlink(dir.File("config/other.ini")));
  EXPECT_EQ(ReadText(dir.File("dotfiles/later.ini")), "[System]\nClock=1\n");

  // Links in a circle: nothing is written through them, and nothing hangs.
  fs::create_symlink("b.ini", dir.File("config/a.ini"));
  fs::create_symlink("a.ini", dir.File("config/b.ini"));
  IniSettingsStore(dir.File("config/a.ini")).Save(kAppName, "System", "Clock", "1");
  EXPECT_TRUE(fs::is_symlink(dir.File("config/a.ini")));
}

TEST(HostileSettingsFiles, ASaveRemovesTheTemporaryFilesOfKilledSavesAndNothingElse) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  WriteText(path, "[System]\nClock=1\n");
  // A save killed between its temporary file and the rename.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::string tmpl = SaveTemporaryTemplate(path);
    ::_exit(::mkstemp(tmpl.data()) >= 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(Names(dir.path()).size(), 2u);
  const std::string left = Names(dir.path())[1];
  EXPECT_NE(left.find(".saving." + std::to_string(child) + "."), std::string::npos) << left;

  // Names that only look alike, and a save of a process that still runs.
  const std::string others[] = {"settings.ini.saving.notes", "settings.ini.saving.1.abcdef",
                                "settings.ini.backup", "other.ini.saving." + std::to_string(child) + ".abcdef",
                                "settings.ini.saving." + std::to_string(child) + ".toolong"};
  for (const std::string& name : others) WriteText(dir.File(name), "mine");

  IniSettingsStore(path).Save(kAppName, "System", "Clock", "0");
  std::vector<std::string> expected(std::begin(others), std::end(others));
  expected.push_back("settings.ini");
  expected.push_back("settings.ini.lock");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(dir.path()), expected);
  EXPECT_EQ(ReadText(path), "[System]\nClock=0\n");
}

TEST(HostileSettingsFiles, ALockFileOfAnotherUserDoesNotStopSaves) {
  for (mode_t lockMode : {0444, 0000}) {
    if (lockMode == 0 && !testing::RunningAsRoot()) continue;  // its owner could not even read it
    TempDir dir;
    const std::string path = dir.File("settings.ini");
    WriteText(path, "[System]\nClock=1\n");
    ::chmod(path.c_str(), 0640);
    testing::GiveToChild(dir.path());
    // Left by a run as root (sudo), or made read-only: not writable by us.
    const std::string lockPath = path + ".lock";
    WriteText(lockPath, "");
    ::chmod(lockPath.c_str(), lockMode);
    // While that other run saves, ours waits for it when it can read the
    // lock file: the lock is the same one.
    int held = ::open(lockPath.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
      ::close(held);  // the lock belongs to the open file, which fork shares
      ::_exit(testing::InChild([&] {
        IniSettingsStore(path).Save(kAppName, "System", "Clock", "0");
        return true;
      }) ? 0 : 1);
    }
    if (lockMode != 0) {
      ::usleep(300000);
      EXPECT_EQ(ReadText(path), "[System]\nClock=1\n") << "saved while another held the lock";
    }
    ::close(held);
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadText(path), "[System]\nClock=0\n") << "lock mode " << std::oct << lockMode;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
  }
}

TEST(HostileSettingsFiles, AFileThatCannotBeReadGivesDefaultsIsNeverReplacedAndIsSaidOnce) {
  TempDir dir;
  const std::string huge = "[System]\nClock=1\n" + std::string(IniSettingsStore::kMaxFileBytes, ';');
  WriteText(dir.File("huge.ini"), huge);
  fs::create_directory(dir.File("folder.ini"));
  ASSERT_EQ(::mkfifo(dir.File("fifo.ini").c_str(), 0600), 0);  // refused at once, not waited on
  for (const auto& [name, why] : {std::pair{"huge.ini", "too large"}, {"folder.ini", "not a regular file"},
                                  {"fifo.ini", "not a regular file"}}) {
    const std::string path = dir.File(name);
    IniSettingsStore store(path);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.Get(kAppName, "System", "Clock", "d"), "d");
    EXPECT_EQ(store.Get(kAppName, "System", "TunePC", "d"), "d");
    store.Save(kAppName, "System", "Clock", "0");
    store.Save(kAppName, "System", "Clock", "0");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
    EXPECT_NE(err.find("gobbleshot1: " + path + ": cannot be read (" + why), std::string::npos) << err;
    EXPECT_NE(err.find("nothing is saved"), std::string::npos) << err;
  }
  EXPECT_EQ(ReadText(dir.File("huge.ini")), huge);
  EXPECT_TRUE(fs::is_directory(dir.File("folder.ini")));

  // The saver says it once, runs on its own saves and leaves the file alone.
  ::testing::internal::CaptureStderr();
  SaverSettingsStore saver(dir.File("huge.ini"));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "gobbleshot1: " + dir.File("huge.ini") + ": cannot be read (too large (" + std::to_string(huge.size()) +
                " bytes, at most " + std::to_string(IniSettingsStore::kMaxFileBytes) +
                ")); running on the first-run settings and saving nothing\n");
  EXPECT_FALSE(saver.UsesFile());
  EXPECT_TRUE(ApplyFirstRunRule(saver));
  EXPECT_EQ(SettingsSnapshot(saver).Text(Setting::TunePC), "6");
  EXPECT_EQ(ReadText(dir.File("huge.ini")), huge);
}

TEST(HostileSettingsFiles, AFolderThatCannotBeWrittenOrMadeIsNamed) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  WriteText(path, "[System]\nClock=1\n");
  WriteText(path + ".lock", "");
  fs::create_directories(dir.File("config"));
  testing::GiveToChild(dir.path());
  ::chmod(dir.File("config").c_str(), 0555);
  ::chmod(dir.path().c_str(), 0555);
  const std::string err = testing::StderrOfChild([&] {
    IniSettingsStore(path).Save(kAppName, "System", "Clock", "0");
    IniSettingsStore(dir.File("config/gobbleshot1/settings.ini")).Save(kAppName, "System", "Clock", "0");
    return true;
  });
  EXPECT_NE(err.find(path + ": cannot save the settings: Permission denied"), std::string::npos) << err;
  EXPECT_NE(err.find("gobbleshot1: " + dir.File("config/gobbleshot1") +
                     ": cannot make the settings folder (Permission denied), so nothing is saved\n"),
            std::string::npos)
      << err;
  EXPECT_EQ(ReadText(path), "[System]\nClock=1\n");
}

}  // namespace
}  // namespace gs
