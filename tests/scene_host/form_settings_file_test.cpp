// The scene start on settings files as users leave them.
#include <algorithm>
#include <fstream>

#include "support/form_fixture.h"
#include "settings/ini_settings_store.h"
#include "settings/saver_settings_store.h"
#include "support/temp_dir.h"

namespace gs::testing {
namespace {

class FormSettingsFileTest : public FormTest {
 protected:
  Form1& LoadFrom(const std::filesystem::path& settings) {
    fileStore = std::make_unique<SaverSettingsStore>(settings.string());
    fileShow = std::make_unique<ShowRig<RecordingDisplay>>(clock, audio, *fileStore, platform, Folder());
    fileShow->form.Form_Load();
    return fileShow->form;
  }
  std::unique_ptr<SaverSettingsStore> fileStore;
  std::unique_ptr<ShowRig<RecordingDisplay>> fileShow;
};

TEST_F(FormSettingsFileTest, AFileTooLargeToReadGivesTheFirstRunValuesAndIsNotWritten) {
  const auto settings = folder / "settings.ini";
  const std::string huge = "[Startup]\nSetReg=2\n[System]\nClock=1\n" + std::string(IniSettingsStore::kMaxFileBytes, ';');
  std::ofstream(settings, std::ios::binary) << huge;
  ::testing::internal::CaptureStderr();
  Form1& f = LoadFrom(settings);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(f.show().settings.MouseSens, 4);
  EXPECT_EQ(f.show().settings.TunePC, 6);
  EXPECT_EQ(f.show().settings.Clock, 0);
  EXPECT_EQ(f.show().settings.ShowMessage, 0);
  EXPECT_EQ(f.show().settings.FontSize, "24");
  EXPECT_EQ(f.show().settings.Message, "Place a message here or turn off");
  EXPECT_EQ(ReadText(settings), huge);
  EXPECT_NE(err.find(settings.string() + ": cannot be read (too large"), std::string::npos) << err;
}

TEST_F(FormSettingsFileTest, AByteOrderMarkKeepsTheUsersSettings) {
  const auto settings = folder / "settings.ini";
  const std::string text = "\xEF\xBB\xBF[Startup]\r\nSetReg=2\r\n[System]\r\nClock=1\r\nMouseSens=9\r\n";
  std::ofstream(settings, std::ios::binary) << text;
  Form1& f = LoadFrom(settings);
  EXPECT_EQ(f.show().settings.Clock, 1);
  EXPECT_EQ(f.show().settings.MouseSens, 9);
  EXPECT_EQ(ReadText(settings), text);
}

TEST_F(FormSettingsFileTest, HandEditedValuesOutsideTheDialogsRangeStillRunTheShow) {
  const auto settings = folder / "settings.ini";
  const std::string text = "[Startup]\nSetReg=2\n[System]\nTunePC=99999999999\nMouseSens=abc\n";
  std::ofstream(settings, std::ios::binary) << text;
  ::testing::internal::CaptureStderr();
  Form1& f = LoadFrom(settings);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(f.show().settings.TunePC, 20);
  EXPECT_EQ(f.show().settings.MouseSens, 2);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  EXPECT_EQ(ReadText(settings), text);
}

}  // namespace
}  // namespace gs::testing
