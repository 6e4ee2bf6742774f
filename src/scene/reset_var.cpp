#include "scene/scenes.h"

namespace gs {

// Puts the show back to its start at the end of scene 8. The wipe bars and
// the gun's x are left where the show put them, and so is PaceCount.
void ResetVar(Show& show) {
  const SpriteHolders& h = show.sprites;
  show.Scene = 1;
  show.ShowBackdrop = true;
  show.StepTicks = show.Scene1Ticks = show.Scene2Ticks = show.Scene3Ticks = show.HoleTicks = 0;
  show.Scene1Step = show.Scene2Step = show.Scene3Step = show.Scene4Step = 1;
  show.Scene5Step = 1;
  show.ShowCowScene = true;
  show.CowPlaying = true;
  show.GunShown = true;
  show.CannonArmed = true;
  show.PilgrimHop = false;

  for (int32_t id :
       {h.hTC01,      h.hTCP01,     h.hCow1,      h.hCow3,      h.hGun,       h.hCannon,    h.hT1_01,     h.hT1_05,
        h.hT1_07,     h.hT2_01,     h.hT2_04,     h.hT2_08,     h.hT2_11,     h.hT2_13,     h.hT2_15,     h.hT2_17,
        h.hT2_20,     h.hT2_22,     h.hT2_24,     h.hT3_01,     h.hT3_06,     h.hT3_14,     h.hT3_18,     h.hT3_21,
        h.hT3_27,     h.hPilgrimA,  h.hPilgrim01, h.hPilgrim07, h.hPilgrim09, h.hPilgrim11, h.hPilgrim14, h.hPilgrim16,
        h.hPilgrim17, h.hPilgrim19, h.hPilgrim21, h.hPilgrim23, h.hPT01,      h.hPT03,      h.hPT05,      h.hPT07,
        h.hPT18,      h.hPT23,      h.hPT26,      h.hSmoke}) {
    show.TegoDDrw1.SetSpriteFrame(id, 1);
  }

  struct Place {
    int32_t id, x, y;
  };
  for (const Place p :
       {Place{h.hPilgrimA, 330, 600}, Place{h.hCow3, 350, 250}, Place{h.hCow1, 610, 450}, Place{h.hPilgrimA, 330, 600},
        Place{h.hPilgrim01, 330, 320}, Place{h.hPilgrim23, 338, 178}, Place{h.hTC01, 800, 420}}) {
    show.TegoDDrw1.SetSpriteY(p.id, p.y);
    show.TegoDDrw1.SetSpriteX(p.id, p.x);
  }
}

}  // namespace gs
