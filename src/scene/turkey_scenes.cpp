// Scenes 1 to 3: the gun and the cannon fire at three turkeys.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene1(Show& show) {
  if (show.Scene1Step == 1) {
    const int16_t t = show.Scene1Ticks;
    Draw(show, show.sprites.hGun);
    if (t >= 4 && t < 6) Play(show, show.sounds.sndTurkey);
    if (t < 10) Draw(show, show.sprites.hT1_01);
    Animate(show, show.sprites.hT1_01);
    if (t == 10) {
      Draw(show, show.sprites.hT1_04b);
      Play(show, show.sounds.sndGun);
      Animate(show, show.sprites.hGun);
    }
    if (t >= 11 && t < 13) {
      Draw(show, show.sprites.hT1_04);
      SetFrame(show, show.sprites.hGun, 1);
    }
    if (t >= 13 && t < 16) Draw(show, show.sprites.hT1_05);
    if (t == 16) Play(show, show.sounds.sndBow);
    Animate(show, show.sprites.hT1_05);
    if (t == 16) Draw(show, show.sprites.hT1_06a);
    if (t < 17) return;
    Draw(show, show.sprites.hT1_07);
    Animate(show, show.sprites.hT1_07);
    show.Turkey1Frame = FrameOf(show, show.sprites.hT1_07);
    if (show.Turkey1Frame == 17) return StepChange(show, show.Scene1Step, 2);
  } else if (show.Scene1Step == 2) {
    Draw(show, show.sprites.hT1_13);
    if (show.StepTicks == 3) {
      show.Scene = 2;
      show.Scene2Ticks = 0;
    }
  }
}

namespace {
// One shot of the cannon per scene frame while it is armed: frames 1 to 4,
// then disarmed and back at frame 1.
void CannonShot(Show& show) {
  if (!show.CannonArmed) return;
  Play(show, show.sounds.sndGunBig);
  show.TegoDDrw1.NextFrame(show.sprites.hCannon);
  show.CannonFrame = FrameOf(show, show.sprites.hCannon);
  if (show.CannonFrame == 4) {
    show.CannonArmed = false;
    SetFrame(show, show.sprites.hCannon, 1);
  }
}
}  // namespace

void Scene2(Show& show) {
  if (show.Scene2Step == 1) {
    const int16_t t = show.Scene2Ticks;
    if (show.GunShown) {
      Draw(show, show.sprites.hGun);
      show.TegoDDrw1.SetSpriteX(show.sprites.hGun, 200);
    }
    if (t < 10) Draw(show, show.sprites.hT2_01);
    Animate(show, show.sprites.hT2_01);
    if (t >= 10 && t < 14) {
      Draw(show, show.sprites.hT2_04);
      Animate(show, show.sprites.hT2_04);
      show.Turkey2Frame = FrameOf(show, show.sprites.hT2_04);
      if (t == 10) {
        Play(show, show.sounds.sndGun);
        Animate(show, show.sprites.hGun);
      }
      if (show.Turkey2Frame == 4) {
        Play(show, show.sounds.sndGun);
        Animate(show, show.sprites.hGun);
      }
      if (show.Turkey2Frame == 9) {
        Play(show, show.sounds.sndGun);
        Animate(show, show.sprites.hGun);
      }
      if (show.Turkey2Frame == 11) {
        SetFrame(show, show.sprites.hGun, 1);
        show.GunShown = false;
      }
      if (show.Turkey2Frame == 14) show.Scene2Ticks = 12;
    }
    if (t >= 14 && t < 16) Draw(show, show.sprites.hT2_08);
    Animate(show, show.sprites.hT2_08);
    if (t == 14) Play(show, show.sounds.sndTurkey);
    if (t >= 16 && t < 18) Draw(show, show.sprites.hT2_10);
    if (t >= 18 && t < 25) Draw(show, show.sprites.hCannon);
    if (t >= 18 && t < 24) {
      Draw(show, show.sprites.hT2_11);
      Animate(show, show.sprites.hT2_11);
    }
    if (t == 24) CannonShot(show);
    if (t >= 24 && t < 26) Draw(show, show.sprites.hT2_13);
    Animate(show, show.sprites.hT2_13);
    if (t == 26) {
      show.CannonArmed = true;
      Draw(show, show.sprites.hT2_15);
      Animate(show, show.sprites.hT2_15);
    }
    if (t == 27) Draw(show, show.sprites.hT2_17);
    Animate(show, show.sprites.hT2_17);
    if (t == 28) Draw(show, show.sprites.hT2_19);
    if (t >= 29 && t < 31) Draw(show, show.sprites.hT2_20);
    Animate(show, show.sprites.hT2_20);
    if (t >= 31 && t < 33) Draw(show, show.sprites.hCannon);
    if (t == 32) CannonShot(show);
    if (t >= 31 && t < 33) Draw(show, show.sprites.hT2_22);
    Animate(show, show.sprites.hT2_22);
    if (t < 33) return;
    Draw(show, show.sprites.hT2_24);
    Animate(show, show.sprites.hT2_24);
    show.T2_24Frame = FrameOf(show, show.sprites.hT2_24);
    if (show.T2_24Frame == 5) Play(show, show.sounds.sndCrash);
    if (show.T2_24Frame == 6) return StepChange(show, show.Scene2Step, 2);
  } else if (show.Scene2Step == 2) {
    Draw(show, show.sprites.hT2_28);
    if (show.StepTicks == 3) {
      show.Scene = 3;
      show.Scene3Ticks = 0;
      show.HoleTicks = 0;
    }
  }
}

namespace {
void GunShot(Show& show) {
  Play(show, show.sounds.sndGun);
  Animate(show, show.sprites.hGun);
}
void DrawGlass(Show& show) {
  Draw(show, show.sprites.hGlass1);
  Draw(show, show.sprites.hGlass2);
  Draw(show, show.sprites.hGlass3);
}
}  // namespace

void Scene3(Show& show) {
  if (show.Scene3Step == 1) {
    const int16_t t = show.Scene3Ticks;
    const int16_t h = show.HoleTicks;
    Draw(show, show.sprites.hGun);
    show.TegoDDrw1.SetSpriteX(show.sprites.hGun, 380);
    if (t < 5) Draw(show, show.sprites.hT3_01);
    if (t == 2) Play(show, show.sounds.sndTurkey);
    Animate(show, show.sprites.hT3_01);
    if (t >= 5 && t < 14) Draw(show, show.sprites.hT3_06);
    Animate(show, show.sprites.hT3_06);
    if (t >= 14 && t < 21) {
      Draw(show, show.sprites.hT3_14);
      Animate(show, show.sprites.hT3_14);
      show.T3_14Frame = FrameOf(show, show.sprites.hT3_14);
      if (show.T3_14Frame == 2) Play(show, show.sounds.sndTurkey);
      if (show.T3_14Frame == 11) GunShot(show);
      if (show.T3_14Frame == 15) SetFrame(show, show.sprites.hGun, 1);
      if (show.T3_14Frame == 16) show.Scene3Ticks = 20;
    }
    if (t >= 21 && t < 23) Draw(show, show.sprites.hT3_18);
    Animate(show, show.sprites.hT3_18);
    if (t >= 23 && t < 26) Draw(show, show.sprites.hT3_20);
    if (t == 23) Play(show, show.sounds.sndTurkey);
    if (t >= 26 && t < 28) {
      Draw(show, show.sprites.hT3_21);
      Animate(show, show.sprites.hT3_21);
      show.T3_21Frame = FrameOf(show, show.sprites.hT3_21);
      if (show.T3_21Frame == 7) show.Scene3Ticks = 28;
      if (show.T3_21Frame == 3) Play(show, show.sounds.sndGun);
      Animate(show, show.sprites.hGun);
      if (show.T3_21Frame > 2) Draw(show, show.sprites.hGlass1);
    }
    if (t >= 28 && t < 30) {
      Draw(show, show.sprites.hT3_24);
      if (t == 28) GunShot(show);
      Draw(show, show.sprites.hGlass1);
      Draw(show, show.sprites.hGlass2);
      if (t == 29) SetFrame(show, show.sprites.hGun, 1);
    }
    if (h > 55) Draw(show, show.sprites.hGunHole1);
    if (h > 56) Draw(show, show.sprites.hGunHole2);
    if (h > 57) Draw(show, show.sprites.hGunHole3);
    if (t == 30) {
      Draw(show, show.sprites.hT3_25);
      GunShot(show);
      DrawGlass(show);
      SetFrame(show, show.sprites.hGun, 1);
    }
    if (t > 33) Draw(show, show.sprites.hGunHole3);
    if (t == 31) {
      Draw(show, show.sprites.hT3_26);
      GunShot(show);
      DrawGlass(show);
      SetFrame(show, show.sprites.hGun, 1);
    }
    if (t < 32 || t >= 34) return;
    DrawGlass(show);
    Draw(show, show.sprites.hT3_27);
    Animate(show, show.sprites.hT3_27);
    show.Turkey3Frame = FrameOf(show, show.sprites.hT3_27);
    if (show.Turkey3Frame == 10) return StepChange(show, show.Scene3Step, 2);
  } else if (show.Scene3Step == 2) {
    SetFrame(show, show.sprites.hT3_27, 10);
    Draw(show, show.sprites.hT3_27);
    DrawGlass(show);
    Draw(show, show.sprites.hGunHole1);
    Draw(show, show.sprites.hGunHole2);
    Draw(show, show.sprites.hGunHole3);
    if (show.StepTicks == 3) {
      show.Scene = 4;
      show.StepTicks = 0;
    }
  }
}

}  // namespace gs
