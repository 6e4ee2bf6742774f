#include "scene_host/form1.h"

#include <cmath>

#include "display/sprite_catalogue.h"
#include "scene/saturating.h"
#include "scene/scenes.h"
#include "settings/settings_schema.h"
#include "sound/sound_bank.h"

namespace gs {
namespace {

constexpr const char* kErrorTitle = "Error opening Direct Draw!";
constexpr const char* kErrorText =
    "The screensaver having a problem with your color setting\r\n\r\n"
    "It should be able to run no matter what color setting you use.\r\n\r\n"
    "Try changing the color setting to 16-bit and test the screensaver\r\n";

}  // namespace

Form1::Form1(Display& display, Audio& audio, SettingsStore& store, EventLoop& loop, FormPlatform& platform,
             std::string installFolder)
    : Store(store),
      Loop(loop),
      platform_(platform),
      audio_(audio),
      show_(display, audio_),
      installFolder_(std::move(installFolder)) {
  timer1_ = Loop.AddTimer(1000000, [this] { Timer1_Timer(); });
  timer2_ = Loop.AddTimer(500000, [this] { Timer2_Timer(); });
  timer3_ = Loop.AddTimer(1000000, [this] { Timer3_Timer(); });
  show_.TegoDDrw1.Attach(Loop, *this);
  show_.TegoDS1.Attach(*this);
}

Form1::~Form1() {
  // A window that goes away without CloseDown still gives the pointer back.
  if (loaded_ && !closed_) {
    int16_t cancel = 0;
    Form_Unload(cancel);
  }
}

void Form1::Form_Load() {
  // One read of the store gives every setting; the first run's writes are
  // remembered on the way.
  SettingsSnapshot read(Store);
  ApplyFirstRunRule(Store, read);

  show_.Scene = 1;
  show_.Scene1Step = show_.Scene2Step = show_.Scene3Step = show_.Scene4Step = 1;
  show_.Scene5Step = 1;
  show_.ShowBackdrop = show_.ShowCowScene = show_.CowPlaying = show_.GunShown = true;
  show_.CannonArmed = true;
  show_.PilgrimHop = false;

  ShowSettings& settings = show_.settings;
  settings.MouseSens = read.Integer(Setting::MouseSens);
  settings.ShowMessage = read.Integer(Setting::ShowMessage);
  settings.TunePC = read.Integer(Setting::TunePC);
  settings.Message = read.Text(Setting::Message);
  settings.FontSizeMsg = read.Text(Setting::FontSizeMsg);
  settings.Clock = read.Integer(Setting::Clock);
  settings.FontSize = read.Text(Setting::FontSize);
  settings.VolumeTurkey = read.Integer(Setting::VolumeTurkey);
  settings.VolumeGuns = read.Integer(Setting::VolumeGuns);
  settings.VolumeCow = read.Integer(Setting::VolumeCow);
  settings.SoundTurkey = read.Integer(Setting::SoundTurkey);
  settings.SoundGuns = read.Integer(Setting::SoundGuns);
  settings.SoundCow = read.Integer(Setting::SoundCow);
  settings.PwrSave = read.Integer(Setting::PwrSave);
  // The display session skips the notices already shown.
  show_.MonitorNoticeDone = read.Boolean(Setting::RunMonitor);
  show_.TuneNoticeDone = read.Boolean(Setting::TuneScrSvr);

  platform_.ShowPointer(false);
  pointerHidden_ = true;
  loaded_ = true;

  show_.PaceCount = 0;
  show_.NoticeTicks = 0;

  OpenDirectDrawSession();
  if (closed_) return;
  OpenDirectSoundSession();
}

void Form1::Form_Unload(int16_t& /*cancel*/) {
  show_.TegoDS1.StopSound(show_.sounds.sndTurkey);
  show_.TegoDS1.StopSound(show_.sounds.sndGun);
  show_.TegoDS1.StopSound(show_.sounds.sndCow);
  show_.TegoDS1.StopAllSounds();
  if (pointerHidden_) {
    platform_.ShowPointer(true);
    pointerHidden_ = false;
  }
  closed_ = true;
  for (auto id : {timer1_, timer2_, timer3_}) Loop.SetTimerEnabled(id, false);
}

void Form1::CloseDown() {
  if (closed_) return;
  platform_.SetSaverRunning(false);
  platform_.DestroyOtherWindows();
  int16_t cancel = 0;
  Form_Unload(cancel);
  Loop.Quit(exitStatus_);
}

void Form1::OpenDirectDrawSession() {
  folderIndex_ = DataFolderIndex(installFolder_);

  if (!show_.TegoDDrw1.OpenDisplay(800, 600, 16, "")) {
    platform_.ShowErrorBox(kErrorTitle, kErrorText);
    // A failed start is not a success: the program ends with a non-zero status.
    exitStatus_ = 1;
    int16_t cancel = 0;
    Form_Unload(cancel);
    Loop.Quit(exitStatus_);
    return;
  }

  for (const CatalogueRow& row : SpriteCatalogue()) {
    if (row.holder == &SpriteHolders::hMonitorNotice && show_.MonitorNoticeDone) continue;
    if (row.holder == &SpriteHolders::hTuneNotice && show_.TuneNoticeDone) continue;
    int32_t id = show_.TegoDDrw1.CreateSprite();
    show_.sprites.*row.holder = id;
    for (const CatalogueFrame& f : ExpandFrames(row)) {
      show_.TegoDDrw1.LoadSpriteFrame(id, f.frame, folderIndex_.Resolve(f.file), row.keyMode);
    }
    if (row.periodMs > 0) {
      show_.TegoDDrw1.SetSpriteFrame(id, 1);
      show_.TegoDDrw1.SetFrameInterval(id, row.periodMs);
    }
    show_.TegoDDrw1.SetSpriteY(id, row.y);
    show_.TegoDDrw1.SetSpriteX(id, row.x);
  }
}

void Form1::OpenDirectSoundSession() {
  for (const SoundBankRow& row : SoundBank()) show_.TegoDS1.StopSound(show_.sounds.*row.slot);

  struct Group {
    SoundGroup group;
    int16_t enabled;
    int16_t volume;
  };
  const ShowSettings& s = show_.settings;
  for (const Group g :
       {Group{SoundGroup::Turkey, s.SoundTurkey, s.VolumeTurkey}, Group{SoundGroup::Guns, s.SoundGuns, s.VolumeGuns},
        Group{SoundGroup::Cow, s.SoundCow, s.VolumeCow}}) {
    if (g.enabled != 1) continue;
    for (const SoundBankRow& row : SoundBank()) {
      if (row.group == g.group) show_.sounds.*row.slot = show_.TegoDS1.LoadSound(folderIndex_.Resolve(row.file));
    }
    for (const SoundBankRow& row : SoundBank()) {
      if (row.group == g.group) show_.TegoDS1.SetSoundVolume(show_.sounds.*row.slot, g.volume);
    }
  }
}

void Form1::Timer1_Timer() {
  if (closed_) return;
  show_.ClockTime = Loop.clock().TimeOfDay();
  overlaysChanged_ = true;
  show_.StepTicks = Inc16(show_.StepTicks);
  show_.Scene1Ticks = Inc16(show_.Scene1Ticks);
  show_.Scene2Ticks = Inc16(show_.Scene2Ticks);
  show_.Scene3Ticks = Inc16(show_.Scene3Ticks);
}

void Form1::Timer2_Timer() {
  if (closed_) return;
  show_.HoleTicks = Inc16(show_.HoleTicks);
}

void Form1::Timer3_Timer() {
  if (closed_) return;
  show_.NoticeTicks = Inc16(show_.NoticeTicks);
  overlaysChanged_ = true;
  if (!show_.TuneNoticeDone) {
    show_.NoticeSecondsLeft = static_cast<int16_t>(30 - show_.NoticeTicks);
    if (show_.NoticeTicks == 30) {
      show_.TuneNoticeDone = true;
      SaveSetting(Store, Setting::TuneScrSvr, "True");
    }
  }
  if (show_.TuneNoticeDone && !show_.MonitorNoticeDone) {
    show_.NoticeSecondsLeft = static_cast<int16_t>(60 - show_.NoticeTicks);
    if (show_.NoticeTicks == 60) {
      show_.MonitorNoticeDone = true;
      SaveSetting(Store, Setting::RunMonitor, "True");
    }
  }
  if (show_.NoticeTicks > 500) {
    show_.NoticeTicks = 0;
    Loop.SetTimerEnabled(timer3_, false);
  }
}

bool Form1::Timer3Enabled() const { return Loop.TimerEnabled(timer3_); }

void Form1::StopSounds() {
  show_.TegoDS1.StopAllSounds();
  show_.TegoDS1.StopSound(show_.sounds.sndTurkey);
  show_.TegoDS1.StopSound(show_.sounds.sndGun);
  show_.TegoDS1.StopSound(show_.sounds.sndCow);
}

void Form1::ExitSaver() {
  StopSounds();
  CloseDown();
}

void Form1::TegoDDrw1_KeyDown(int16_t, int16_t) {
  if (!closed_) ExitSaver();
}

void Form1::TegoDDrw1_MouseDown(int16_t, int16_t, int32_t, int32_t) {
  if (!closed_) ExitSaver();
}

void Form1::TegoDDrw1_MouseMove(int16_t, int16_t, int32_t, int32_t) {
  if (closed_) return;
  MoveCount = Inc16(MoveCount);
  if (MoveCount == show_.settings.MouseSens) {
    ExitSaver();
    return;
  }
  const double now = Loop.clock().TimeOfDay();
  const int64_t nowUs = Loop.clock().MonotonicUs();
  if (!moveWindowOpen_) {
    // Rounded to the whole second, halves to even, so a window lasts 9.5 to 10.5 s.
    MoveWindowStart = static_cast<int32_t>(std::nearbyint(now));
    moveWindowOpen_ = true;
    moveWindowOpenedUs_ = nowUs;
    moveWindowOpenedTod_ = now;
  } else {
    // Elapsed since the rounded start, measured on the monotonic clock so that
    // midnight does not hold the window open.
    double elapsed = (moveWindowOpenedTod_ - MoveWindowStart) + (nowUs - moveWindowOpenedUs_) / 1e6;
    if (elapsed > 10.0) {
      MoveWindowStart = 0;
      MoveCount = 0;
      moveWindowOpen_ = false;
    }
  }
}

void Form1::TegoDS1_SoundNotify() {
  if (!closed_) StopSounds();
}

void Form1::TegoDDrw1_Frame() {
  if (closed_) return;
  if (show_.PaceCount == show_.settings.TunePC) audio_.BeginSceneFrame();
  ComposeFrame(show_);
  overlaysChanged_ = false;
}

void Form1::SeenChanged(bool seen) {
  if (closed_) return;
  // The show's time stops first: closing the sound output takes a while.
  Loop.SetResting(!seen);
  if (!seen) StopSounds();
  audio_.SetResting(!seen);
}

// Between scene frames a Frame event draws only the overlays, and they come
// out the same as on the event before unless a timer changed what they show.
int64_t Form1::QuietFramesAhead() const {
  if (closed_) return INT64_MAX;
  if (overlaysChanged_) return 0;
  return FramesToSceneFrame(show_);
}

}  // namespace gs
