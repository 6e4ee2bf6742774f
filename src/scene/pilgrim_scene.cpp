// Scene 4: the pilgrim's act in thirteen steps, timed by StepTicks, one
// function per step. A step change ends the frame's scene work.
#include <array>
#include <cstddef>

#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

namespace {

using Step = void (*)(Show& show, int16_t s, int16_t& step);

// The walk up from the bottom edge; the frame that reads 318 still moves.
void Step1WalkUp(Show& show, int16_t, int16_t& step) {
  show.PilgrimY = static_cast<int16_t>(show.TegoDDrw1.GetSpriteY(show.sprites.hPilgrimA));
  if (show.PilgrimY >= 318) {
    Draw(show, show.sprites.hPilgrimA);
    Animate(show, show.sprites.hPilgrimA);
    show.TegoDDrw1.MoveSpriteY(show.sprites.hPilgrimA, 3);
    if (show.PilgrimY == 318) {
      SetFrame(show, show.sprites.hPilgrimA, 3);
      return StepChange(show, step, 2);
    }
  }
}

// Three seconds standing, then the hop.
void Step2Hop(Show& show, int16_t s, int16_t& step) {
  if (s < 3) Draw(show, show.sprites.hPilgrimA);
  if (s == 3) show.PilgrimHop = true;
  if (show.PilgrimHop) {
    Draw(show, show.sprites.hPilgrim01);
    Animate(show, show.sprites.hPilgrim01);
    show.PilgrimFrame = FrameOf(show, show.sprites.hPilgrim01);
    if (show.PilgrimFrame == 12) show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim01, 300);
    if (show.PilgrimFrame == 13) {
      show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim01, 240);
      return StepChange(show, step, 3);
    }
  }
}

void Step3Pilgrim07(Show& show, int16_t s, int16_t& step) {
  if (s < 7) {
    Draw(show, show.sprites.hPilgrim07);
    if (s >= 2 && s < 4) SetFrame(show, show.sprites.hPilgrim07, 2);
    if (s >= 4 && s < 6) SetFrame(show, show.sprites.hPilgrim07, 3);
    if (s == 6) SetFrame(show, show.sprites.hPilgrim07, 4);
  }
  if (s > 6) return StepChange(show, step, 4);
}

void Step4PilgrimC(Show& show, int16_t s, int16_t& step) {
  if (s < 1) Draw(show, show.sprites.hPilgrimC);
  if (s > 0) return StepChange(show, step, 5);
}

void Step5Pilgrim09(Show& show, int16_t s, int16_t& step) {
  if (s < 3) {
    Draw(show, show.sprites.hPilgrim09);
    if (s == 1) SetFrame(show, show.sprites.hPilgrim09, 2);
    if (s == 2) SetFrame(show, show.sprites.hPilgrim09, 3);
  }
  if (s > 2) return StepChange(show, step, 6);
}

// Turkey, gun and bow pop, one a second; each plays on every frame of its second.
void Step6Pilgrim11(Show& show, int16_t s, int16_t& step) {
  if (s == 0) {
    Draw(show, show.sprites.hPilgrim11);
    Play(show, show.sounds.sndTurkey);
  }
  if (s == 1) {
    Draw(show, show.sprites.hPilgrim11);
    SetFrame(show, show.sprites.hPilgrim11, 2);
    Play(show, show.sounds.sndGun);
  }
  if (s == 2) {
    Draw(show, show.sprites.hPilgrim11);
    SetFrame(show, show.sprites.hPilgrim11, 3);
    Play(show, show.sounds.sndBowPop);
  }
  if (s > 2) return StepChange(show, step, 7);
}

void Step7Pilgrim14(Show& show, int16_t s, int16_t& step) {
  if (s == 0) Draw(show, show.sprites.hPilgrim14);
  if (s >= 1 && s < 3) {
    Draw(show, show.sprites.hPilgrim14);
    SetFrame(show, show.sprites.hPilgrim14, 2);
    if (s == 1) Play(show, show.sounds.sndBowPop);
  }
  if (s > 1) return StepChange(show, step, 8);
}

void Step8Pilgrim16(Show& show, int16_t s, int16_t& step) {
  if (s < 3) {
    Draw(show, show.sprites.hPilgrim16);
    Animate(show, show.sprites.hPilgrim16);
  }
  if (s > 1) return StepChange(show, step, 9);
}

void Step9Pilgrim17(Show& show, int16_t s, int16_t& step) {
  Draw(show, show.sprites.hPilgrim17);
  if (s > 0) SetFrame(show, show.sprites.hPilgrim17, 2);
  if (s > 2) return StepChange(show, step, 10);
}

// The gun on every frame for five seconds.
void Step10Pilgrim19(Show& show, int16_t s, int16_t& step) {
  if (s < 5) {
    Draw(show, show.sprites.hPilgrim19);
    Animate(show, show.sprites.hPilgrim19);
    Play(show, show.sounds.sndGun);
  }
  if (s > 4) return StepChange(show, step, 11);
}

void Step11Pilgrim21(Show& show, int16_t s, int16_t& step) {
  if (s < 5) {
    Draw(show, show.sprites.hPilgrim21);
    Animate(show, show.sprites.hPilgrim21);
  }
  if (s == 5) {
    SetFrame(show, show.sprites.hPilgrim21, 2);
    Draw(show, show.sprites.hPilgrim21);
  }
  if (s > 5) return StepChange(show, step, 12);
}

// The jump: by frame, up to 172, down 40 px a frame, landing at 335. Any
// frame other than 8 ends the scene work here.
void Step12Jump(Show& show, int16_t, int16_t& step) {
  Draw(show, show.sprites.hPilgrim23);
  if (!show.TegoDDrw1.FrameDue(show.sprites.hPilgrim23)) return;
  show.TegoDDrw1.NextFrame(show.sprites.hPilgrim23);
  show.Pilgrim23Frame = FrameOf(show, show.sprites.hPilgrim23);
  switch (show.Pilgrim23Frame) {
    case 4: show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim23, 172); break;
    case 5: show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim23, 212); break;
    case 6: show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim23, 252); break;
    case 7: show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim23, 292); break;
    case 8: show.TegoDDrw1.SetSpriteY(show.sprites.hPilgrim23, 335); break;
    default: break;
  }
  if (show.Pilgrim23Frame != 8) return;
  return StepChange(show, step, 13);
}

// The closing picture, then scene 5.
void Step13Closing(Show& show, int16_t s, int16_t&) {
  if (s < 5) Draw(show, show.sprites.hPilgrim28);
  if (s > 2) {
    show.Scene = 5;
    show.StepTicks = 0;
  }
}

constexpr std::array<Step, 13> kSteps = {
    Step1WalkUp, Step2Hop, Step3Pilgrim07, Step4PilgrimC,
    Step5Pilgrim09, Step6Pilgrim11, Step7Pilgrim14, Step8Pilgrim16,
    Step9Pilgrim17, Step10Pilgrim19, Step11Pilgrim21, Step12Jump, Step13Closing};

}  // namespace

void Scene4(Show& show) {
  int16_t& step = show.Scene4Step;
  // Steps outside 1..13 run nothing.
  if (step < 1 || step > static_cast<int16_t>(kSteps.size())) return;
  kSteps[static_cast<std::size_t>(step - 1)](show, show.StepTicks, step);
}

}  // namespace gs
