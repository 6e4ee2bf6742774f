// Scenes 6 to 8: the walker, the four-bar wipe and the cow on black.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene6(Form1& f) {
  const int16_t s = f.StepTicks;
  Draw(f, f.hPT26);
  Animate(f, f.hPT26);
  Draw(f, f.hTC01);
  if (f.TegoDDrw1.FrameDue(f.hTC01)) {
    f.TegoDDrw1.NextFrame(f.hTC01);
    if (s == 1 || s == 4) Play(f, f.sndGrunt);
  }
  f.TegoDDrw1.MoveSpriteX(f.hTC01, -3);
  if (s == 2 || s == 5) Play(f, f.sndCow);
  f.WalkerX = static_cast<int16_t>(f.TegoDDrw1.GetSpriteX(f.hTC01));
  if (f.WalkerX < 410) {
    f.Scene = 7;
    f.StepTicks = 0;
  }
}

void Scene7(Form1& f) {
  if (f.ShowCowScene) {
    Draw(f, f.hTCP01);
    Animate(f, f.hTCP01);
    Draw(f, f.hCow1);
    Animate(f, f.hCow1);
  }
  if (f.StepTicks < 8) return;
  f.ShowBackdrop = false;
  f.ShowCowScene = false;
  Draw(f, f.hVertBarL);
  Draw(f, f.hVertBarR);
  Draw(f, f.hHorizBarT);
  Draw(f, f.hHorizBarB);
  f.TegoDDrw1.MoveSpriteY(f.hHorizBarT, -2);
  f.TegoDDrw1.MoveSpriteY(f.hHorizBarB, 2);
  f.TegoDDrw1.MoveSpriteX(f.hVertBarL, 2);
  f.TegoDDrw1.MoveSpriteX(f.hVertBarR, -2);
  f.WipeX = static_cast<int16_t>(f.TegoDDrw1.GetSpriteX(f.hVertBarL));
  if (f.WipeX >= 401) {
    f.Scene = 8;
    f.StepTicks = 0;
  }
}

void Scene8(Form1& f) {
  f.TegoDDrw1.ClearFrame(Rgb(0, 0, 0));
  if (f.CowPlaying) {
    Draw(f, f.hCow3);
    Animate(f, f.hCow3);
    f.CowFrame = FrameOf(f, f.hCow3);
    if (f.CowFrame == 5) Play(f, f.sndPlop);
    if (f.CowFrame == 10) {
      f.StepTicks = 0;
      f.CowPlaying = false;
    }
  }
  if (!f.CowPlaying && f.StepTicks < 7) {
    SetFrame(f, f.hCow3, 10);
    Draw(f, f.hCow3);
  }
  if (f.StepTicks > 6) f.ResetVar();
}

}  // namespace gs
