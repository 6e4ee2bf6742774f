#pragma once
#include <cstdint>
#include <string>

#include "display/display.h"
#include "display/sprite_holders.h"
#include "platform/event_loop.h"
#include "scene_host/data_folder_index.h"
#include "scene_host/form_platform.h"
#include "settings/settings_store.h"
#include "sound/audio.h"
#include "sound/sound_slots.h"

namespace gs {

// The scene window: it owns every sprite holder, sound slot and scene
// variable of the running show, the three timers and the handlers of the
// display's and the audio layer's events. The scene scripts (src/scene/) read
// and write the public members directly, as form code would.
class Form1 : public DisplayEvents, public AudioEvents, public SpriteHolders, public SoundSlots {
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
  void ResetVar();

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

  // The sound shutdown sequence shared by the input handlers and SoundNotify.
  void StopSounds();
  // StopSounds, then CloseDown.
  void ExitSaver();

  // ---- Controls ------------------------------------------------------------
  Display& TegoDDrw1;
  Audio& TegoDS1;
  SettingsStore& Store;
  EventLoop& Loop;

  // ---- Display session -------------------------------------------------------
  std::string InstallFolder;  // ends with '/'; a file's path is folder + name

  // The sprite holders and sound slots are the bases SpriteHolders and
  // SoundSlots, so the scripts name them as members of the form.

  // ---- Settings copied at start ----------------------------------------------------
  int16_t MouseSens = 0, ShowMessage = 0, TunePC = 0, Clock = 0;
  std::string Message, FontSizeMsg, FontSize;
  int16_t VolumeTurkey = 0, VolumeGuns = 0, VolumeCow = 0;
  int16_t SoundTurkey = 0, SoundGuns = 0, SoundCow = 0;
  int16_t PwrSave = 0;  // read for completeness; nothing consults it

  // ---- Scene selection -------------------------------------------------------------
  int16_t Scene = 0;
  int16_t Scene1Step = 0, Scene2Step = 0, Scene3Step = 0, Scene4Step = 0, Scene5Step = 0;

  // ---- Clocks (16-bit; the timers saturate them at 32767) ----------------------------
  int16_t StepTicks = 0, Scene1Ticks = 0, Scene2Ticks = 0, Scene3Ticks = 0;
  int16_t HoleTicks = 0;
  int16_t PaceCount = 0;
  // Time of day stored by Timer1, in seconds since local midnight (0 = midnight).
  double ClockTime = 0;

  // ---- Flags ---------------------------------------------------------------------------
  bool ShowBackdrop = false, ShowCowScene = false, GunShown = false, CannonArmed = false, PilgrimHop = false,
       CowPlaying = false;

  // ---- Read-backs (written and tested by the scenes on the same frame) -------------------
  int16_t Turkey1Frame = 0, Turkey2Frame = 0, Turkey3Frame = 0, CannonFrame = 0, PilgrimFrame = 0,
          Pilgrim23Frame = 0, PTFrame = 0, PT18Frame = 0, PT23Frame = 0, SmokeFrame = 0, CowFrame = 0;
  int16_t T2_24Frame = 0, T3_14Frame = 0, T3_21Frame = 0;
  int16_t PilgrimY = 0, WalkerX = 0, WipeX = 0;

  // ---- One-time notices ---------------------------------------------------------------------
  bool TuneNoticeDone = false, MonitorNoticeDone = false;
  int16_t NoticeTicks = 0;
  int16_t NoticeSecondsLeft = 0;

  // ---- Mouse movement -------------------------------------------------------------------------
  int16_t MoveCount = 0;
  // Whole seconds since midnight at which the counting window opened; 0: none open.
  int32_t MoveWindowStart = 0;

 private:
  FormPlatform& platform_;
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
