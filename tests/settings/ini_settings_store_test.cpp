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
#include "settings/settings_schema.h"
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

  // Saving the value it holds leaves a hand-spaced line as it is.
  IniSettingsStore spaced(dir.File("spaced.ini"));
  WriteText(spaced.path(), "[System]\nClock = 1\n");
  spaced.Save(kAppName, "System", "Clock", "1");
  EXPECT_EQ(ReadText(spaced.path()), "[System]\nClock = 1\n");
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
}

TEST_F(IniSettingsStoreTest, NamesThatCannotBeWrittenChangeNothing) {
  store.Save(kAppName, "Sys]tem", "Clock", "1");
  store.Save(kAppName, "System", "Clo=ck", "1");
  store.Save(kAppName, "Sys\ntem", "Clock", "1");
  store.Save(kAppName, "System", "", "1");
  store.Save(kAppName, "", "Clock", "1");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(IniSettingsStore, CreatesMissingFoldersAndPrefixesOtherApplicationsSections) {
  TempDir dir;
  IniSettingsStore store(dir.File("a/b/settings.ini"));
  store.Save(kAppName, "System", "Clock", "1");
  store.Save("Other", "System", "Clock", "7");
  EXPECT_EQ(store.Get(kAppName, "System", "Clock", "d"), "1");
  EXPECT_EQ(store.Get("other", "system", "clock", "d"), "7");
  EXPECT_EQ(ReadText(store.path()), "[System]\nClock=1\n\n[Other\\System]\nClock=7\n");
  EXPECT_EQ(store.ReadProblem(), std::nullopt);  // keeps what it read for the next get,
  store.Save(kAppName, "System", "Clock", "2");
  EXPECT_EQ(store.Get(kAppName, "System", "Clock", "d"), "2");  // unless a save came between
}

TEST(DefaultSettingsPath, FollowsXdgConfigHomeElseHomeElseTheUserDatabaseNeverTheWorkingFolder) {
  const std::string suffix = "/.config/gobbleshot1/settings.ini";
  const struct {
    const char *xdg, *home, *userHome;
    std::string expected;
  } cases[] = {{"/x/cfg", "/h/me", "/db", "/x/cfg/gobbleshot1/settings.ini"},
               {"relative/dir", "/h/me", "/db", "/h/me" + suffix},
               {nullptr, "/h/me", "/db", "/h/me" + suffix},
               {nullptr, "relative", "/db", "/db" + suffix},
               {"", "", "/db", "/db" + suffix},
               {nullptr, "/", "", suffix},
               {nullptr, nullptr, "", ""},
               {"", "", "relative", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(ChooseSettingsPath(c.xdg, c.home, c.userHome), c.expected) << (c.home ? c.home : "unset");

  // The environment is read; without a usable HOME the user database is asked.
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  ::setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
  EXPECT_EQ(DefaultSettingsPath(), "/x/cfg/gobbleshot1/settings.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "relative", 1);
  const struct passwd* user = ::getpwuid(::getuid());
  ASSERT_TRUE(user && user->pw_dir && user->pw_dir[0] == '/');
  EXPECT_EQ(DefaultSettingsPath(), user->pw_dir + suffix);
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
  EXPECT_EQ(SettingsSnapshot(overlay).Text(Setting::Clock), "1");
  overlay.Save(kAppName, "System", "Clock", "0");
  EXPECT_EQ(SettingsSnapshot(overlay).Text(Setting::Clock), "0");
  EXPECT_EQ(ReadText(file.path()), before);
}

}  // namespace
}  // namespace gs
