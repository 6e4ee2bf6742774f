#pragma once
#include <cstdint>

namespace gs {

// The audio layer's id of every sound of the show (0: no sound). The bank
// names its rows by these members.
struct SoundSlots {
  int32_t sndTurkey = 0, sndCrash = 0, sndThump = 0, sndWhizz = 0, sndImpact = 0, sndPop = 0;
  int32_t sndGun = 0, sndGunBig = 0, sndBow = 0, sndBowPop = 0;
  int32_t sndGrunt = 0, sndCow = 0, sndPlop = 0;
};

}  // namespace gs
