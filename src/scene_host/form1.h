#pragma once
#include <cstdint>
#include <string>

#include "display/display.h"
#include "platform/event_loop.h"
#include "scene/show.h"
#include "scene_host/data_folder_index.h"
#include "scene_host/form_platform.h"
#include "scene_host/resuming_audio.h"
#include "settings/settings_store.h"
#include "sound/audio.h"

namespace gs {

// The scene window: it loads the show's sprites, sounds and settings, runs
// its three timers and handles the display's and the audio layer's events;
// the scene scripts play the show on its frame events.
class Form1 : public DisplayEvents, public AudioEvents {
 public:
  // The timers are added to the loop and the display and audio layer attached
  // here, as the window is created; nothing reaches the handlers before the
  // loop runs, so Form_Load always comes first. installFolder ends with '/'.
  Form1(Display& display, Audio& audio, SettingsStore& store, EventLoop& loop, FormPlatform& platform,
        std::string installFolder);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- Lifecycle -------------------------------------------------------
  void Form_Load();
  void Form_Unload(int16_t& cancel);
  // Clears the running-saver flag, closes the other windows, unloads the form
  // and ends the loop with status 0. Callers return at once afterwards.
  void CloseDown();
  // True once the form is unloaded (CloseDown, or the display failed to open
  // inside Form_Load): no further event may be handled.
  bool Closed() const { return closed_; }
  // The exit status the program should end with (non-zero after a display failure).
  int ExitStatus() const { return exitStatus_; }

  void OpenDirectDrawSession();
  void OpenDirectSoundSession();

  // ---- Timers -----------------------------------------------------------
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  bool Timer3Enabled() const;

  // ---- Events of the display and the audio layer -------------------------
  void TegoDDrw1_Frame();
  void TegoDDrw1_KeyDown(int16_t keyCode, int16_t shift);
  void TegoDDrw1_MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y);
  void TegoDDrw1_MouseMove(int16_t button, int16_t shift, int32_t x, int32_t y);
  void TegoDS1_SoundNotify();

  // DisplayEvents / AudioEvents: forward to the handlers above.
  void Frame() override { TegoDDrw1_Frame(); }
  void KeyDown(int16_t keyCode, int16_t shift) override { TegoDDrw1_KeyDown(keyCode, shift); }
  void MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) override {
    TegoDDrw1_MouseDown(button, shift, x, y);
  }
  void MouseMove(int16_t button, int16_t shift, int32_t x, int32_t y) override {
    TegoDDrw1_MouseMove(button, shift, x, y);
  }
  void SoundNotify() override { TegoDS1_SoundNotify(); }
  int64_t QuietFramesAhead() const override;
  // While nobody can see the show it holds still and silent: its timers and
  // sprites stop where they are, its sounds stop, and nothing is composed.
  void SeenChanged(bool seen) override;

  // The sound shutdown sequence shared by the input handlers and SoundNotify.
  void StopSounds();
  // StopSounds, then CloseDown.
  void ExitSaver();

  // The show this window plays.
  Show& show() { return show_; }
  const Show& show() const { return show_; }
  // The data folder, ending with '/'; a file's path is folder + name.
  const std::string& InstallFolder() const { return installFolder_; }

  // ---- Mouse movement ---------------------------------------------------------
  int16_t MoveCount = 0;
  // Whole seconds since midnight at which the counting window opened; 0: none open.
  int32_t MoveWindowStart = 0;

 private:
  SettingsStore& Store;
  EventLoop& Loop;
  FormPlatform& platform_;
  ResumingAudio audio_;
  Show show_;
  std::string installFolder_;
  DataFolderIndex folderIndex_;
  EventLoop::TimerId timer1_ = 0, timer2_ = 0, timer3_ = 0;
  // Monotonic time and exact time of day at which the movement window
  // opened, so elapsed time stays right across midnight.
  int64_t moveWindowOpenedUs_ = 0;
  double moveWindowOpenedTod_ = 0;
  bool moveWindowOpen_ = false;
  bool loaded_ = false;
  bool pointerHidden_ = false;
  bool closed_ = false;
  int exitStatus_ = 0;
  // A timer changed what the overlays show since the last Frame event.
  bool overlaysChanged_ = true;
};

}  // namespace gs
