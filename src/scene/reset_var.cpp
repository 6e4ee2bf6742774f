#include "scene_host/form1.h"

namespace gs {

// Puts the show back to its start at the end of scene 8. The wipe bars and
// the gun's x are left where the show put them, and so is PaceCount.
void Form1::ResetVar() {
  Scene = 1;
  ShowBackdrop = true;
  StepTicks = Scene1Ticks = Scene2Ticks = Scene3Ticks = HoleTicks = 0;
  Scene1Step = Scene2Step = Scene3Step = Scene4Step = 1;
  Scene5Step = 1;
  ShowCowScene = true;
  CowPlaying = true;
  GunShown = true;
  CannonArmed = true;
  PilgrimHop = false;

  for (int32_t id : {hTC01,      hTCP01,     hCow1,      hCow3,      hGun,       hCannon,    hT1_01,     hT1_05,
                     hT1_07,     hT2_01,     hT2_04,     hT2_08,     hT2_11,     hT2_13,     hT2_15,     hT2_17,
                     hT2_20,     hT2_22,     hT2_24,     hT3_01,     hT3_06,     hT3_14,     hT3_18,     hT3_21,
                     hT3_27,     hPilgrimA,  hPilgrim01, hPilgrim07, hPilgrim09, hPilgrim11, hPilgrim14, hPilgrim16,
                     hPilgrim17, hPilgrim19, hPilgrim21, hPilgrim23, hPT01,      hPT03,      hPT05,      hPT07,
                     hPT18,      hPT23,      hPT26,      hSmoke}) {
    TegoDDrw1.SetSpriteFrame(id, 1);
  }

  struct Place {
    int32_t id, x, y;
  };
  for (const Place p : {Place{hPilgrimA, 330, 600}, Place{hCow3, 350, 250}, Place{hCow1, 610, 450},
                        Place{hPilgrimA, 330, 600}, Place{hPilgrim01, 330, 320}, Place{hPilgrim23, 338, 178},
                        Place{hTC01, 800, 420}}) {
    TegoDDrw1.SetSpriteY(p.id, p.y);
    TegoDDrw1.SetSpriteX(p.id, p.x);
  }
}

}  // namespace gs
