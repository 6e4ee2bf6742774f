// The scene start on settings files as users leave them.
#include <algorithm>
#include <fstream>
#include <tuple>

#include "support/form_fixture.h"
#include "settings/ini_settings_store.h"
#include "settings/saver_settings_store.h"
#include "support/temp_dir.h"

namespace gs::testing {
namespace {

struct FileCase {
  const char* name;
  std::string text;
  int clock, mouseSens, tunePC;
  int complaints;       // lines on stderr
  std::string message;  // in them
};

class FormSettingsFileTest : public FormTest, public ::testing::WithParamInterface<FileCase> {};

// The file is read as it is and never rewritten by the start.
TEST_P(FormSettingsFileTest, RunsTheShowOnTheFileAsTheUserLeftIt) {
  const FileCase& c = GetParam();
  const auto settings = folder / "settings.ini";
  std::ofstream(settings, std::ios::binary) << c.text;
  ::testing::internal::CaptureStderr();
  SaverSettingsStore fileStore(settings.string());
  ShowRig<RecordingDisplay> rig(clock, audio, fileStore, platform, Folder());
  rig.form.Form_Load();
  const std::string err = ::testing::internal::GetCapturedStderr();
  const ShowSettings& s = rig.form.show().settings;
  EXPECT_EQ(std::tuple(s.Clock, s.MouseSens, s.TunePC), std::tuple(c.clock, c.mouseSens, c.tunePC));
  EXPECT_EQ(ReadText(settings), c.text);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.complaints) << err;
  EXPECT_NE(err.find(c.message), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Files, FormSettingsFileTest,
    ::testing::Values(
        // Too large to read: the first-run values, and the file stays.
        FileCase{"TooLarge",
                 "[Startup]\nSetReg=2\n[System]\nClock=1\n" + std::string(IniSettingsStore::kMaxFileBytes, ';'), 0,
                 4, 6, 1, "settings.ini: cannot be read (too large"},
        FileCase{"ByteOrderMark", "\xEF\xBB\xBF[Startup]\r\nSetReg=2\r\n[System]\r\nClock=1\r\nMouseSens=9\r\n", 1, 9,
                 1, 0, ""},
        // Values outside the dialog's range still run the show, each with a word.
        FileCase{"OutOfRange", "[Startup]\nSetReg=2\n[System]\nTunePC=99999999999\nMouseSens=abc\n", 1, 2, 20,
                 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gs::testing
