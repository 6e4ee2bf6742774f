#include "scene_host/form1.h"

#include <cmath>

#include "display/sprite_catalogue.h"
#include "scene_host/saturating.h"
#include "settings/conversions.h"
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
    : TegoDDrw1(display),
      TegoDS1(audio),
      Store(store),
      Loop(loop),
      platform_(platform),
      installFolder_(std::move(installFolder)) {
  timer1_ = Loop.AddTimer(1000000, [this] { Timer1_Timer(); });
  timer2_ = Loop.AddTimer(500000, [this] { Timer2_Timer(); });
  timer3_ = Loop.AddTimer(1000000, [this] { Timer3_Timer(); });
  TegoDDrw1.Attach(Loop, *this);
  TegoDS1.Attach(*this);
}

Form1::~Form1() {
  // A window that goes away without CloseDown still gives the pointer back.
  if (loaded_ && !closed_) {
    int16_t cancel = 0;
    Form_Unload(cancel);
  }
}

void Form1::Form_Load() {
  ApplyFirstRunRule(Store);

  Scene = 1;
  Scene1Step = Scene2Step = Scene3Step = Scene4Step = 1;
  Scene5Step = 1;
  ShowBackdrop = ShowCowScene = CowPlaying = GunShown = true;
  CannonArmed = true;
  PilgrimHop = false;

  auto integer = [this](std::string_view key) { return ToInteger(GetSetting(Store, key)); };
  MouseSens = integer("MouseSens");
  ShowMessage = integer("ShowMessage");
  TunePC = integer("TunePC");
  Message = GetSetting(Store, "Message");
  FontSizeMsg = GetSetting(Store, "FontSizeMsg");
  Clock = integer("Clock");
  FontSize = GetSetting(Store, "FontSize");
  VolumeTurkey = integer("VolumeTurkey");
  VolumeGuns = integer("VolumeGuns");
  VolumeCow = integer("VolumeCow");
  SoundTurkey = integer("SoundTurkey");
  SoundGuns = integer("SoundGuns");
  SoundCow = integer("SoundCow");
  PwrSave = integer("PwrSave");

  platform_.ShowPointer(false);
  pointerHidden_ = true;
  loaded_ = true;

  PaceCount = 0;
  NoticeTicks = 0;

  OpenDirectDrawSession();
  if (closed_) return;
  OpenDirectSoundSession();
}

void Form1::Form_Unload(int16_t& /*cancel*/) {
  TegoDS1.StopSound(sndTurkey);
  TegoDS1.StopSound(sndGun);
  TegoDS1.StopSound(sndCow);
  TegoDS1.StopAllSounds();
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
  InstallFolder = installFolder_;
  folderIndex_ = DataFolderIndex(InstallFolder);

  if (!TegoDDrw1.OpenDisplay(800, 600, 16, "")) {
    platform_.ShowErrorBox(kErrorTitle, kErrorText);
    // A failed start is not a success: the program ends with a non-zero status.
    exitStatus_ = 1;
    int16_t cancel = 0;
    Form_Unload(cancel);
    Loop.Quit(exitStatus_);
    return;
  }

  MonitorNoticeDone = ToBoolean(GetSetting(Store, "RunMonitor"));
  TuneNoticeDone = ToBoolean(GetSetting(Store, "TuneScrSvr"));

  for (const CatalogueRow& row : SpriteCatalogue()) {
    if (row.holder == &Form1::hMonitorNotice && MonitorNoticeDone) continue;
    if (row.holder == &Form1::hTuneNotice && TuneNoticeDone) continue;
    int32_t id = TegoDDrw1.CreateSprite();
    this->*row.holder = id;
    for (const CatalogueFrame& f : ExpandFrames(row)) {
      TegoDDrw1.LoadSpriteFrame(id, f.frame, folderIndex_.Resolve(f.file), row.keyMode);
    }
    if (row.periodMs > 0) {
      TegoDDrw1.SetSpriteFrame(id, 1);
      TegoDDrw1.SetFrameInterval(id, row.periodMs);
    }
    TegoDDrw1.SetSpriteY(id, row.y);
    TegoDDrw1.SetSpriteX(id, row.x);
  }
}

void Form1::OpenDirectSoundSession() {
  for (const SoundBankRow& row : SoundBank()) TegoDS1.StopSound(this->*row.slot);

  struct Group {
    SoundGroup group;
    int16_t enabled;
    int16_t volume;
  };
  for (const Group g : {Group{SoundGroup::Turkey, SoundTurkey, VolumeTurkey},
                        Group{SoundGroup::Guns, SoundGuns, VolumeGuns}, Group{SoundGroup::Cow, SoundCow, VolumeCow}}) {
    if (g.enabled != 1) continue;
    for (const SoundBankRow& row : SoundBank()) {
      if (row.group == g.group) this->*row.slot = TegoDS1.LoadSound(folderIndex_.Resolve(row.file));
    }
    for (const SoundBankRow& row : SoundBank()) {
      if (row.group == g.group) TegoDS1.SetSoundVolume(this->*row.slot, g.volume);
    }
  }
}

void Form1::Timer1_Timer() {
  if (closed_) return;
  ClockTime = Loop.clock().TimeOfDay();
  overlaysChanged_ = true;
  StepTicks = Inc16(StepTicks);
  Scene1Ticks = Inc16(Scene1Ticks);
  Scene2Ticks = Inc16(Scene2Ticks);
  Scene3Ticks = Inc16(Scene3Ticks);
}

void Form1::Timer2_Timer() {
  if (closed_) return;
  HoleTicks = Inc16(HoleTicks);
}

void Form1::Timer3_Timer() {
  if (closed_) return;
  NoticeTicks = Inc16(NoticeTicks);
  overlaysChanged_ = true;
  if (!TuneNoticeDone) {
    NoticeSecondsLeft = static_cast<int16_t>(30 - NoticeTicks);
    if (NoticeTicks == 30) {
      TuneNoticeDone = true;
      SaveSetting(Store, "TuneScrSvr", "True");
    }
  }
  if (TuneNoticeDone && !MonitorNoticeDone) {
    NoticeSecondsLeft = static_cast<int16_t>(60 - NoticeTicks);
    if (NoticeTicks == 60) {
      MonitorNoticeDone = true;
      SaveSetting(Store, "RunMonitor", "True");
    }
  }
  if (NoticeTicks > 500) {
    NoticeTicks = 0;
    Loop.SetTimerEnabled(timer3_, false);
  }
}

bool Form1::Timer3Enabled() const { return Loop.TimerEnabled(timer3_); }

void Form1::StopSounds() {
  TegoDS1.StopAllSounds();
  TegoDS1.StopSound(sndTurkey);
  TegoDS1.StopSound(sndGun);
  TegoDS1.StopSound(sndCow);
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
  if (MoveCount == MouseSens) {
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

}  // namespace gs
