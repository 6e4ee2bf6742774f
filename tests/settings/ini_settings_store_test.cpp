#include "settings/ini_settings_store.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "settings/overlay_settings_store.h"
#include "support/temp_dir.h"

namespace gs {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

class IniSettingsStoreTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("settings.ini");
  IniSettingsStore store{path};
};

TEST_F(IniSettingsStoreTest, AnyTextValueRoundTrips) {
  const std::string values[] = {
      "",           " leading",        "trailing ",     "  both  ",        "two\nlines",
      "crlf\r\nend", "back\\slash", "C:\\temp\\file",    "\\n not a newline", "tab\there",   "\t",
      " ",          std::string("nul\0byte", 8), "\x01\x7f",  "caf\xc3\xa9 \xe2\x9c\x93", "a=b=c",
      "[NotASection]", "; not a comment", "# neither",  "\\x41 stays",     "\\",
      "ends in backslash\\",
  };
  int i = 0;
  for (const std::string& v : values) store.Save(kAppName, "System", "Key" + std::to_string(i++), v);
  i = 0;
  for (const std::string& v : values)
    EXPECT_EQ(store.Get(kAppName, "System", "Key" + std::to_string(i++), "default"), v) << "value #" << i - 1;
  // Each value occupies exactly one line: header plus one line per key.
  std::string text = ReadText(path);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + static_cast<long>(std::size(values)));
}

TEST_F(IniSettingsStoreTest, NamesCompareWithoutCaseAndKeepTheFirstSpelling) {
  store.Save(kAppName, "System", "Clock", "0");
  store.Save(kAppName, "system", "CLOCK", "1");
  store.Save("gobbleshot1", "SYSTEM", "clock", "1");
  EXPECT_EQ(store.Get(kAppName, "sYsTeM", "cLoCk", "x"), "1");
  EXPECT_EQ(ReadText(path), "[System]\nClock=1\n");
}

TEST_F(IniSettingsStoreTest, HandEditsAndGarbageSurviveARewriteByteForByte) {
  using namespace std::string_literals;
  const std::string withNul =
      "; my settings\r\n"
      "[System]\r\n"
      "  Clock = 1  \r\n"
      "this line is not a setting\n"
      "[broken\n"
      "=no key\n"
      "\xff\xfe\x00\x01 binary\n"
      "Message=C:\\path\\to\\file\n"
      "\n"
      "[Sound]\n"
      "SoundCow=1\n"
      "# trailing comment without newline"s;
  ASSERT_NE(withNul.find('\0'), std::string::npos);
  WriteText(path, withNul);

  EXPECT_EQ(store.Get(kAppName, "system", "clock", "x"), "1");
  EXPECT_EQ(store.Get(kAppName, "System", "Message", "x"), "C:\\path\\to\\file");

  store.Save(kAppName, "Sound", "SoundGuns", "0");
  std::string expected = withNul;
  expected.replace(expected.find("SoundCow=1\n") + 11, 0, "SoundGuns=0\n");
  EXPECT_EQ(ReadText(path), expected);

  store.Save(kAppName, "System", "Clock", "0");
  expected.replace(expected.find("  Clock = 1  \r"), 13, "Clock=0");  // its line end stays
  EXPECT_EQ(ReadText(path), expected);
}

TEST_F(IniSettingsStoreTest, SavingTheStoredValueAgainLeavesTheFileUntouched) {
  const std::string text = "[System]\nClock = 1\n";
  WriteText(path, text);
  store.Save(kAppName, "System", "Clock", "1");
  EXPECT_EQ(ReadText(path), text);
}

TEST_F(IniSettingsStoreTest, UnreadableOrCorruptFilesGiveDefaultsAndNeverCrash) {
  std::mt19937 rng(7);
  std::string garbage(5000, '\0');
  for (char& c : garbage) c = static_cast<char>(rng());
  const std::string contents[] = {"", garbage, "[System\nClock=1\n", "Clock=1\n", "\n\n\n", "[]\n=\n[=]\n"};
  for (const std::string& c : contents) {
    WriteText(path, c);
    EXPECT_EQ(store.Get(kAppName, "System", "Clock", "dflt"), "dflt");
  }
  // Garbage is kept when a value is added.
  WriteText(path, garbage);
  store.Save(kAppName, "System", "Clock", "1");
  EXPECT_EQ(store.Get(kAppName, "System", "Clock", "dflt"), "1");
  EXPECT_EQ(ReadText(path).substr(0, garbage.size()), garbage);
}

TEST_F(IniSettingsStoreTest, AFileThatCannotBeReadIsNeverReplaced) {
  std::filesystem::create_directory(path);  // a directory where the file should be
  EXPECT_EQ(store.Get(kAppName, "System", "Clock", "d"), "d");
  store.Save(kAppName, "System", "Clock", "1");
  EXPECT_TRUE(std::filesystem::is_directory(path));

  IniSettingsStore big(dir.File("big.ini"));
  std::string huge = "[System]\nClock=1\n" + std::string(IniSettingsStore::kMaxFileBytes, ';');
  WriteText(big.path(), huge);
  EXPECT_EQ(big.Get(kAppName, "System", "Clock", "d"), "d");
  big.Save(kAppName, "System", "Clock", "0");
  EXPECT_EQ(ReadText(big.path()).size(), huge.size());

  if (::geteuid() != 0) {  // root reads anything
    IniSettingsStore locked(dir.File("locked.ini"));
    WriteText(locked.path(), "[System]\nClock=1\n");
    ::chmod(locked.path().c_str(), 0);
    EXPECT_EQ(locked.Get(kAppName, "System", "Clock", "d"), "d");
    locked.Save(kAppName, "System", "Clock", "0");
    ::chmod(locked.path().c_str(), 0600);
    EXPECT_EQ(ReadText(locked.path()), "[System]\nClock=1\n");
  }
}

TEST_F(IniSettingsStoreTest, NamesThatCannotBeWrittenChangeNothing) {
  store.Save(kAppName, "Sys]tem", "Clock", "1");
  store.Save(kAppName, "System", "Clo=ck", "1");
  store.Save(kAppName, "Sys\ntem", "Clock", "1");
  store.Save(kAppName, "System", "", "1");
  store.Save(kAppName, "", "Clock", "1");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(IniSettingsStoreTest, OtherApplicationsGetPrefixedSections) {
  store.Save(kAppName, "System", "Clock", "1");
  store.Save("Other", "System", "Clock", "7");
  EXPECT_EQ(store.Get(kAppName, "System", "Clock", "d"), "1");
  EXPECT_EQ(store.Get("other", "system", "clock", "d"), "7");
  EXPECT_NE(ReadText(path).find("[Other\\System]\nClock=7\n"), std::string::npos);
}

TEST(IniSettingsStore, CreatesMissingFoldersAndKeepsNoTemporaryFiles) {
  TempDir dir;
  IniSettingsStore store(dir.File("a/b/settings.ini"));
  store.Save(kAppName, "Startup", "SetReg", "2");
  EXPECT_EQ(store.Get(kAppName, "Startup", "SetReg", "1"), "2");
  std::vector<std::string> names;
  for (auto& entry : std::filesystem::directory_iterator(dir.File("a/b")))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"settings.ini", "settings.ini.lock"}));
}

TEST(DefaultSettingsPath, FollowsXdgConfigHomeElseHomeElseTheUserDatabaseNeverTheWorkingFolder) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";
  const std::string suffix = "/.config/gobbleshot1/settings.ini";
  ::setenv("HOME", "/h/me", 1);
  ::setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
  EXPECT_EQ(DefaultSettingsPath(), "/x/cfg/gobbleshot1/settings.ini");
  ::setenv("XDG_CONFIG_HOME", "relative/dir", 1);  // not absolute: ignored
  EXPECT_EQ(DefaultSettingsPath(), "/h/me" + suffix);
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(DefaultSettingsPath(), "/h/me" + suffix);
  // No usable HOME: the home folder the user database gives.
  const struct passwd* user = ::getpwuid(::getuid());
  ASSERT_TRUE(user && user->pw_dir && user->pw_dir[0] == '/');
  for (const char* home : {static_cast<const char*>(nullptr), "", "relative"}) {
    if (home) ::setenv("HOME", home, 1);
    else ::unsetenv("HOME");
    EXPECT_EQ(DefaultSettingsPath(), user->pw_dir + suffix) << (home ? home : "unset");
  }
  EXPECT_EQ(ChooseSettingsPath(nullptr, "x", "/db/home"), "/db/home" + suffix);
  EXPECT_EQ(ChooseSettingsPath(nullptr, "/", ""), "/.config/gobbleshot1/settings.ini");
  EXPECT_EQ(ChooseSettingsPath(nullptr, nullptr, ""), "");
  EXPECT_EQ(ChooseSettingsPath("", "", "relative"), "");
  if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
  else ::unsetenv("HOME");
}

TEST(OverlaySettingsStore, ReadsThroughAndNeverWritesTheUnderlyingStore) {
  TempDir dir;
  IniSettingsStore file(dir.File("settings.ini"));
  file.Save(kAppName, "System", "Clock", "1");
  const std::string before = ReadText(file.path());

  OverlaySettingsStore overlay(file);
  EXPECT_EQ(overlay.Get(kAppName, "system", "clock", "d"), "1");
  EXPECT_EQ(overlay.Get(kAppName, "System", "TunePC", "d"), "d");
  overlay.Save(kAppName, "System", "Clock", "0");
  overlay.Save(kAppName, "System", "TuneScrSvr", "True");
  EXPECT_EQ(overlay.Get(kAppName, "SYSTEM", "CLOCK", "d"), "0");
  EXPECT_EQ(overlay.Get(kAppName, "System", "TuneScrSvr", ""), "True");
  EXPECT_EQ(ReadText(file.path()), before);
}

}  // namespace
}  // namespace gs
