// Scenes 1 to 3: the gun and the cannon fire at three turkeys.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene1(Form1& f) {
  if (f.Scene1Step == 1) {
    const int16_t t = f.Scene1Ticks;
    Draw(f, f.hGun);
    if (t >= 4 && t < 6) Play(f, f.sndTurkey);
    if (t < 10) Draw(f, f.hT1_01);
    Animate(f, f.hT1_01);
    if (t == 10) {
      Draw(f, f.hT1_04b);
      Play(f, f.sndGun);
      Animate(f, f.hGun);
    }
    if (t >= 11 && t < 13) {
      Draw(f, f.hT1_04);
      SetFrame(f, f.hGun, 1);
    }
    if (t >= 13 && t < 16) Draw(f, f.hT1_05);
    if (t == 16) Play(f, f.sndBow);
    Animate(f, f.hT1_05);
    if (t == 16) Draw(f, f.hT1_06a);
    if (t < 17) return;
    Draw(f, f.hT1_07);
    Animate(f, f.hT1_07);
    f.Turkey1Frame = FrameOf(f, f.hT1_07);
    if (f.Turkey1Frame == 17) return StepChange(f, f.Scene1Step, 2);
  } else if (f.Scene1Step == 2) {
    Draw(f, f.hT1_13);
    if (f.StepTicks == 3) {
      f.Scene = 2;
      f.Scene2Ticks = 0;
    }
  }
}

namespace {
// One shot of the cannon per scene frame while it is armed: frames 1 to 4,
// then disarmed and back at frame 1.
void CannonShot(Form1& f) {
  if (!f.CannonArmed) return;
  Play(f, f.sndGunBig);
  f.TegoDDrw1.NextFrame(f.hCannon);
  f.CannonFrame = FrameOf(f, f.hCannon);
  if (f.CannonFrame == 4) {
    f.CannonArmed = false;
    SetFrame(f, f.hCannon, 1);
  }
}
}  // namespace

void Scene2(Form1& f) {
  if (f.Scene2Step == 1) {
    const int16_t t = f.Scene2Ticks;
    if (f.GunShown) {
      Draw(f, f.hGun);
      f.TegoDDrw1.SetSpriteX(f.hGun, 200);
    }
    if (t < 10) Draw(f, f.hT2_01);
    Animate(f, f.hT2_01);
    if (t >= 10 && t < 14) {
      Draw(f, f.hT2_04);
      Animate(f, f.hT2_04);
      f.Turkey2Frame = FrameOf(f, f.hT2_04);
      if (t == 10) {
        Play(f, f.sndGun);
        Animate(f, f.hGun);
      }
      if (f.Turkey2Frame == 4) {
        Play(f, f.sndGun);
        Animate(f, f.hGun);
      }
      if (f.Turkey2Frame == 9) {
        Play(f, f.sndGun);
        Animate(f, f.hGun);
      }
      if (f.Turkey2Frame == 11) {
        SetFrame(f, f.hGun, 1);
        f.GunShown = false;
      }
      if (f.Turkey2Frame == 14) f.Scene2Ticks = 12;
    }
    if (t >= 14 && t < 16) Draw(f, f.hT2_08);
    Animate(f, f.hT2_08);
    if (t == 14) Play(f, f.sndTurkey);
    if (t >= 16 && t < 18) Draw(f, f.hT2_10);
    if (t >= 18 && t < 25) Draw(f, f.hCannon);
    if (t >= 18 && t < 24) {
      Draw(f, f.hT2_11);
      Animate(f, f.hT2_11);
    }
    if (t == 24) CannonShot(f);
    if (t >= 24 && t < 26) Draw(f, f.hT2_13);
    Animate(f, f.hT2_13);
    if (t == 26) {
      f.CannonArmed = true;
      Draw(f, f.hT2_15);
      Animate(f, f.hT2_15);
    }
    if (t == 27) Draw(f, f.hT2_17);
    Animate(f, f.hT2_17);
    if (t == 28) Draw(f, f.hT2_19);
    if (t >= 29 && t < 31) Draw(f, f.hT2_20);
    Animate(f, f.hT2_20);
    if (t >= 31 && t < 33) Draw(f, f.hCannon);
    if (t == 32) CannonShot(f);
    if (t >= 31 && t < 33) Draw(f, f.hT2_22);
    Animate(f, f.hT2_22);
    if (t < 33) return;
    Draw(f, f.hT2_24);
    Animate(f, f.hT2_24);
    f.T2_24Frame = FrameOf(f, f.hT2_24);
    if (f.T2_24Frame == 5) Play(f, f.sndCrash);
    if (f.T2_24Frame == 6) return StepChange(f, f.Scene2Step, 2);
  } else if (f.Scene2Step == 2) {
    Draw(f, f.hT2_28);
    if (f.StepTicks == 3) {
      f.Scene = 3;
      f.Scene3Ticks = 0;
      f.HoleTicks = 0;
    }
  }
}

namespace {
void GunShot(Form1& f) {
  Play(f, f.sndGun);
  Animate(f, f.hGun);
}
void DrawGlass(Form1& f) {
  Draw(f, f.hGlass1);
  Draw(f, f.hGlass2);
  Draw(f, f.hGlass3);
}
}  // namespace

void Scene3(Form1& f) {
  if (f.Scene3Step == 1) {
    const int16_t t = f.Scene3Ticks;
    const int16_t h = f.HoleTicks;
    Draw(f, f.hGun);
    f.TegoDDrw1.SetSpriteX(f.hGun, 380);
    if (t < 5) Draw(f, f.hT3_01);
    if (t == 2) Play(f, f.sndTurkey);
    Animate(f, f.hT3_01);
    if (t >= 5 && t < 14) Draw(f, f.hT3_06);
    Animate(f, f.hT3_06);
    if (t >= 14 && t < 21) {
      Draw(f, f.hT3_14);
      Animate(f, f.hT3_14);
      f.T3_14Frame = FrameOf(f, f.hT3_14);
      if (f.T3_14Frame == 2) Play(f, f.sndTurkey);
      if (f.T3_14Frame == 11) GunShot(f);
      if (f.T3_14Frame == 15) SetFrame(f, f.hGun, 1);
      if (f.T3_14Frame == 16) f.Scene3Ticks = 20;
    }
    if (t >= 21 && t < 23) Draw(f, f.hT3_18);
    Animate(f, f.hT3_18);
    if (t >= 23 && t < 26) Draw(f, f.hT3_20);
    if (t == 23) Play(f, f.sndTurkey);
    if (t >= 26 && t < 28) {
      Draw(f, f.hT3_21);
      Animate(f, f.hT3_21);
      f.T3_21Frame = FrameOf(f, f.hT3_21);
      if (f.T3_21Frame == 7) f.Scene3Ticks = 28;
      if (f.T3_21Frame == 3) Play(f, f.sndGun);
      Animate(f, f.hGun);
      if (f.T3_21Frame > 2) Draw(f, f.hGlass1);
    }
    if (t >= 28 && t < 30) {
      Draw(f, f.hT3_24);
      if (t == 28) GunShot(f);
      Draw(f, f.hGlass1);
      Draw(f, f.hGlass2);
      if (t == 29) SetFrame(f, f.hGun, 1);
    }
    if (h > 55) Draw(f, f.hGunHole1);
    if (h > 56) Draw(f, f.hGunHole2);
    if (h > 57) Draw(f, f.hGunHole3);
    if (t == 30) {
      Draw(f, f.hT3_25);
      GunShot(f);
      DrawGlass(f);
      SetFrame(f, f.hGun, 1);
    }
    if (t > 33) Draw(f, f.hGunHole3);
    if (t == 31) {
      Draw(f, f.hT3_26);
      GunShot(f);
      DrawGlass(f);
      SetFrame(f, f.hGun, 1);
    }
    if (t < 32 || t >= 34) return;
    DrawGlass(f);
    Draw(f, f.hT3_27);
    Animate(f, f.hT3_27);
    f.Turkey3Frame = FrameOf(f, f.hT3_27);
    if (f.Turkey3Frame == 10) return StepChange(f, f.Scene3Step, 2);
  } else if (f.Scene3Step == 2) {
    SetFrame(f, f.hT3_27, 10);
    Draw(f, f.hT3_27);
    DrawGlass(f);
    Draw(f, f.hGunHole1);
    Draw(f, f.hGunHole2);
    Draw(f, f.hGunHole3);
    if (f.StepTicks == 3) {
      f.Scene = 4;
      f.StepTicks = 0;
    }
  }
}

}  // namespace gs
