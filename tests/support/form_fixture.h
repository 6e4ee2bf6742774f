#pragma once
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/recording_audio.h"
#include "support/recording_display.h"
#include "support/temp_dir.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "scene_host/form1.h"
#include "scene_host/show_rig.h"
#include "settings/memory_settings_store.h"
#include "settings/settings_schema.h"

namespace gs::testing {

// Logs the desktop calls of the scene window.
class RecordingPlatform : public FormPlatform {
 public:
  std::vector<std::string> calls;
  void ShowPointer(bool show) override { calls.push_back(show ? "ShowPointer" : "HidePointer"); }
  void SetSaverRunning(bool running) override { calls.push_back(running ? "SaverRunning" : "SaverStopped"); }
  void ShowErrorBox(const std::string& title, const std::string& text) override {
    calls.push_back("ErrorBox");
    std::tie(boxTitle, boxText) = std::tie(title, text);
  }
  void DestroyOtherWindows() override { calls.push_back("DestroyOtherWindows"); }
  std::string boxTitle, boxText;
};

// A scene window on a recording display (DisplayT) and the other doubles in
// simulated time, not yet loaded, with a data folder holding a few files
// whose names differ in case from the catalogue.
template <class DisplayT>
class FormTestOn : public ::testing::Test {
 protected:
  explicit FormTestOn(double startTimeOfDay = 12 * 3600.0)
      : clock(startTimeOfDay), folder(WithFiles(dir)), show(clock, audio, store, platform, Folder()) {
    display.logQueries = false;
  }

  std::string Folder() const { return folder.string() + "/"; }
  Form1& Load() {
    show.form.Form_Load();
    return show.form;
  }
  // Stores the settings of a user who has been through the first run.
  void SeedStore(std::initializer_list<std::pair<Setting, const char*>> values) {
    SaveSetting(store, Setting::SetReg, "2");
    for (auto [k, v] : values) SaveSetting(store, k, v);
    store.ClearSaves();
  }
  void RunFor(double seconds) { loop.RunUntil(clock, clock.MonotonicUs() + static_cast<int64_t>(seconds * 1e6)); }

  SimClock clock;
  RecordingAudio audio;
  MemorySettingsStore store;
  RecordingPlatform platform;
  TempDir dir;
  std::filesystem::path folder;
  ShowRig<DisplayT> show;
  EventLoop& loop = show.loop;
  DisplayT& display = show.display;

 private:
  static std::filesystem::path WithFiles(const TempDir& dir) {
    for (const char* name : {"bg.BMP", "pilgrimc.bmp", "Gun.WAV"}) WriteText(dir.File(name), "x");
    return dir.path();
  }
};
using FormTest = FormTestOn<RecordingDisplay>;

}  // namespace gs::testing
