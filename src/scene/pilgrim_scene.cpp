// Scene 4: the pilgrim's act in thirteen steps, timed by StepTicks, one
// function per step. A step change ends the frame's scene work.
#include <array>
#include <cstddef>

#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

namespace {

using Step = void (*)(Form1& f, int16_t s, int16_t& step);

// The walk up from the bottom edge; the frame that reads 318 still moves.
void Step1WalkUp(Form1& f, int16_t, int16_t& step) {
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
}

// Three seconds standing, then the hop.
void Step2Hop(Form1& f, int16_t s, int16_t& step) {
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
}

void Step3Pilgrim07(Form1& f, int16_t s, int16_t& step) {
  if (s < 7) {
    Draw(f, f.hPilgrim07);
    if (s >= 2 && s < 4) SetFrame(f, f.hPilgrim07, 2);
    if (s >= 4 && s < 6) SetFrame(f, f.hPilgrim07, 3);
    if (s == 6) SetFrame(f, f.hPilgrim07, 4);
  }
  if (s > 6) return StepChange(f, step, 4);
}

void Step4PilgrimC(Form1& f, int16_t s, int16_t& step) {
  if (s < 1) Draw(f, f.hPilgrimC);
  if (s > 0) return StepChange(f, step, 5);
}

void Step5Pilgrim09(Form1& f, int16_t s, int16_t& step) {
  if (s < 3) {
    Draw(f, f.hPilgrim09);
    if (s == 1) SetFrame(f, f.hPilgrim09, 2);
    if (s == 2) SetFrame(f, f.hPilgrim09, 3);
  }
  if (s > 2) return StepChange(f, step, 6);
}

// Turkey, gun and bow pop, one a second; each plays on every frame of its second.
void Step6Pilgrim11(Form1& f, int16_t s, int16_t& step) {
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
}

void Step7Pilgrim14(Form1& f, int16_t s, int16_t& step) {
  if (s == 0) Draw(f, f.hPilgrim14);
  if (s >= 1 && s < 3) {
    Draw(f, f.hPilgrim14);
    SetFrame(f, f.hPilgrim14, 2);
    if (s == 1) Play(f, f.sndBowPop);
  }
  if (s > 1) return StepChange(f, step, 8);
}

void Step8Pilgrim16(Form1& f, int16_t s, int16_t& step) {
  if (s < 3) {
    Draw(f, f.hPilgrim16);
    Animate(f, f.hPilgrim16);
  }
  if (s > 1) return StepChange(f, step, 9);
}

void Step9Pilgrim17(Form1& f, int16_t s, int16_t& step) {
  Draw(f, f.hPilgrim17);
  if (s > 0) SetFrame(f, f.hPilgrim17, 2);
  if (s > 2) return StepChange(f, step, 10);
}

// The gun on every frame for five seconds.
void Step10Pilgrim19(Form1& f, int16_t s, int16_t& step) {
  if (s < 5) {
    Draw(f, f.hPilgrim19);
    Animate(f, f.hPilgrim19);
    Play(f, f.sndGun);
  }
  if (s > 4) return StepChange(f, step, 11);
}

void Step11Pilgrim21(Form1& f, int16_t s, int16_t& step) {
  if (s < 5) {
    Draw(f, f.hPilgrim21);
    Animate(f, f.hPilgrim21);
  }
  if (s == 5) {
    SetFrame(f, f.hPilgrim21, 2);
    Draw(f, f.hPilgrim21);
  }
  if (s > 5) return StepChange(f, step, 12);
}

// The jump: by frame, up to 172, down 40 px a frame, landing at 335. Any
// frame other than 8 ends the scene work here.
void Step12Jump(Form1& f, int16_t, int16_t& step) {
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

// The closing picture, then scene 5.
void Step13Closing(Form1& f, int16_t s, int16_t&) {
  if (s < 5) Draw(f, f.hPilgrim28);
  if (s > 2) {
    f.Scene = 5;
    f.StepTicks = 0;
  }
}

constexpr std::array<Step, 13> kSteps = {
    Step1WalkUp, Step2Hop, Step3Pilgrim07, Step4PilgrimC,
    Step5Pilgrim09, Step6Pilgrim11, Step7Pilgrim14, Step8Pilgrim16,
    Step9Pilgrim17, Step10Pilgrim19, Step11Pilgrim21, Step12Jump, Step13Closing};

}  // namespace

void Scene4(Form1& f) {
  int16_t& step = f.Scene4Step;
  // Steps outside 1..13 run nothing.
  if (step < 1 || step > static_cast<int16_t>(kSteps.size())) return;
  kSteps[static_cast<std::size_t>(step - 1)](f, f.StepTicks, step);
}

}  // namespace gs
