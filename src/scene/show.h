#pragma once
#include <cstdint>
#include <optional>

#include "display/display.h"
#include "display/sprite_holders.h"
#include "scene/show_settings.h"
#include "sound/audio.h"
#include "sound/sound_slots.h"

namespace gs {

// Everything the scene scripts read and write: the display and the audio
// layer they draw and play on, the ids of the sprites and sounds, the
// settings, and the show's counters, flags and read-backs. The scene window
// builds it at load and drives it with its timers and frame events.
struct Show {
  Show(Display& display, Audio& audio) : TegoDDrw1(display), TegoDS1(audio) {}
  Show(const Show&) = delete;
  Show& operator=(const Show&) = delete;

  Display& TegoDDrw1;
  Audio& TegoDS1;
  SpriteHolders sprites;
  SoundSlots sounds;
  ShowSettings settings;

  // ---- Scene selection ----------------------------------------------------
  int16_t Scene = 0;
  int16_t Scene1Step = 0, Scene2Step = 0, Scene3Step = 0, Scene4Step = 0, Scene5Step = 0;

  // ---- Clocks (16-bit; the timers saturate them at 32767) -------------------
  int16_t StepTicks = 0, Scene1Ticks = 0, Scene2Ticks = 0, Scene3Ticks = 0;
  int16_t HoleTicks = 0;
  int16_t PaceCount = 0;
  // Time of day stored by the clock timer, in seconds since local midnight.
  double ClockTime = 0;

  // ---- Flags ----------------------------------------------------------------
  bool ShowBackdrop = false, ShowCowScene = false, GunShown = false, CannonArmed = false, PilgrimHop = false,
       CowPlaying = false;

  // ---- Read-backs (written and tested by the scenes on the same frame) --------
  int16_t Turkey1Frame = 0, Turkey2Frame = 0, Turkey3Frame = 0, CannonFrame = 0, PilgrimFrame = 0, Pilgrim23Frame = 0,
          PTFrame = 0, PT18Frame = 0, PT23Frame = 0, SmokeFrame = 0, CowFrame = 0;
  int16_t T2_24Frame = 0, T3_14Frame = 0, T3_21Frame = 0;
  int16_t PilgrimY = 0, WalkerX = 0, WipeX = 0;

  // ---- One-time notices -------------------------------------------------------
  bool TuneNoticeDone = false, MonitorNoticeDone = false;
  int16_t NoticeTicks = 0;
  int16_t NoticeSecondsLeft = 0;
};

// The step variable of the scene now playing; nullopt for scenes 6 to 8,
// which have none.
inline std::optional<int16_t> CurrentStep(const Show& show) {
  switch (show.Scene) {
    case 1: return show.Scene1Step;
    case 2: return show.Scene2Step;
    case 3: return show.Scene3Step;
    case 4: return show.Scene4Step;
    case 5: return show.Scene5Step;
    default: return std::nullopt;
  }
}

}  // namespace gs
