// Scene 4: the pilgrim's act in thirteen steps, timed by StepTicks.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene4(Form1& f) {
  const int16_t s = f.StepTicks;
  int16_t& step = f.Scene4Step;
  switch (step) {
    case 1:
      f.PilgrimY = static_cast<int16_t>(f.TegoDDrw1.GetSpriteY(f.hPilgrimA));
      if (f.PilgrimY >= 318) {
        Draw(f, f.hPilgrimA);
        Animate(f, f.hPilgrimA);
        f.TegoDDrw1.MoveSpriteY(f.hPilgrimA, 3);
        if (f.PilgrimY == 318) {
          SetFrame(f, f.hPilgrimA, 3);
          return StepChange(f, step, 2);
        }
      }
      return;
    case 2:
      if (s < 3) Draw(f, f.hPilgrimA);
      if (s == 3) f.PilgrimHop = true;
      if (f.PilgrimHop) {
        Draw(f, f.hPilgrim01);
        Animate(f, f.hPilgrim01);
        f.PilgrimFrame = FrameOf(f, f.hPilgrim01);
        if (f.PilgrimFrame == 12) f.TegoDDrw1.SetSpriteY(f.hPilgrim01, 300);
        if (f.PilgrimFrame == 13) {
          f.TegoDDrw1.SetSpriteY(f.hPilgrim01, 240);
          return StepChange(f, step, 3);
        }
      }
      return;
    case 3:
      if (s < 7) {
        Draw(f, f.hPilgrim07);
        if (s >= 2 && s < 4) SetFrame(f, f.hPilgrim07, 2);
        if (s >= 4 && s < 6) SetFrame(f, f.hPilgrim07, 3);
        if (s == 6) SetFrame(f, f.hPilgrim07, 4);
      }
      if (s > 6) return StepChange(f, step, 4);
      return;
    case 4:
      if (s < 1) Draw(f, f.hPilgrimC);
      if (s > 0) return StepChange(f, step, 5);
      return;
    case 5:
      if (s < 3) {
        Draw(f, f.hPilgrim09);
        if (s == 1) SetFrame(f, f.hPilgrim09, 2);
        if (s == 2) SetFrame(f, f.hPilgrim09, 3);
      }
      if (s > 2) return StepChange(f, step, 6);
      return;
    case 6:
      if (s == 0) {
        Draw(f, f.hPilgrim11);
        Play(f, f.sndTurkey);
      }
      if (s == 1) {
        Draw(f, f.hPilgrim11);
        SetFrame(f, f.hPilgrim11, 2);
        Play(f, f.sndGun);
      }
      if (s == 2) {
        Draw(f, f.hPilgrim11);
        SetFrame(f, f.hPilgrim11, 3);
        Play(f, f.sndBowPop);
      }
      if (s > 2) return StepChange(f, step, 7);
      return;
    case 7:
      if (s == 0) Draw(f, f.hPilgrim14);
      if (s >= 1 && s < 3) {
        Draw(f, f.hPilgrim14);
        SetFrame(f, f.hPilgrim14, 2);
        if (s == 1) Play(f, f.sndBowPop);
      }
      if (s > 1) return StepChange(f, step, 8);
      return;
    case 8:
      if (s < 3) {
        Draw(f, f.hPilgrim16);
        Animate(f, f.hPilgrim16);
      }
      if (s > 1) return StepChange(f, step, 9);
      return;
    case 9:
      Draw(f, f.hPilgrim17);
      if (s > 0) SetFrame(f, f.hPilgrim17, 2);
      if (s > 2) return StepChange(f, step, 10);
      return;
    case 10:
      if (s < 5) {
        Draw(f, f.hPilgrim19);
        Animate(f, f.hPilgrim19);
        Play(f, f.sndGun);
      }
      if (s > 4) return StepChange(f, step, 11);
      return;
    case 11:
      if (s < 5) {
        Draw(f, f.hPilgrim21);
        Animate(f, f.hPilgrim21);
      }
      if (s == 5) {
        SetFrame(f, f.hPilgrim21, 2);
        Draw(f, f.hPilgrim21);
      }
      if (s > 5) return StepChange(f, step, 12);
      return;
    case 12: {
      Draw(f, f.hPilgrim23);
      if (!f.TegoDDrw1.FrameDue(f.hPilgrim23)) return;
      f.TegoDDrw1.NextFrame(f.hPilgrim23);
      f.Pilgrim23Frame = FrameOf(f, f.hPilgrim23);
      switch (f.Pilgrim23Frame) {
        case 4: f.TegoDDrw1.SetSpriteY(f.hPilgrim23, 172); break;
        case 5: f.TegoDDrw1.SetSpriteY(f.hPilgrim23, 212); break;
        case 6: f.TegoDDrw1.SetSpriteY(f.hPilgrim23, 252); break;
        case 7: f.TegoDDrw1.SetSpriteY(f.hPilgrim23, 292); break;
        case 8: f.TegoDDrw1.SetSpriteY(f.hPilgrim23, 335); break;
        default: break;
      }
      if (f.Pilgrim23Frame != 8) return;
      return StepChange(f, step, 13);
    }
    case 13:
      if (s < 5) Draw(f, f.hPilgrim28);
      if (s > 2) {
        f.Scene = 5;
        f.StepTicks = 0;
      }
      return;
    default:
      return;
  }
}

}  // namespace gs
