// Scenes 6 to 8: the walker, the four-bar wipe and the cow on black.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene6(Show& show) {
  const int16_t s = show.StepTicks;
  Draw(show, show.sprites.hPT26);
  Animate(show, show.sprites.hPT26);
  Draw(show, show.sprites.hTC01);
  if (show.TegoDDrw1.FrameDue(show.sprites.hTC01)) {
    show.TegoDDrw1.NextFrame(show.sprites.hTC01);
    if (s == 1 || s == 4) Play(show, show.sounds.sndGrunt);
  }
  show.TegoDDrw1.MoveSpriteX(show.sprites.hTC01, -3);
  if (s == 2 || s == 5) Play(show, show.sounds.sndCow);
  show.WalkerX = static_cast<int16_t>(show.TegoDDrw1.GetSpriteX(show.sprites.hTC01));
  if (show.WalkerX < 410) {
    show.Scene = 7;
    show.StepTicks = 0;
  }
}

void Scene7(Show& show) {
  if (show.ShowCowScene) {
    Draw(show, show.sprites.hTCP01);
    Animate(show, show.sprites.hTCP01);
    Draw(show, show.sprites.hCow1);
    Animate(show, show.sprites.hCow1);
  }
  if (show.StepTicks < 8) return;
  show.ShowBackdrop = false;
  show.ShowCowScene = false;
  Draw(show, show.sprites.hVertBarL);
  Draw(show, show.sprites.hVertBarR);
  Draw(show, show.sprites.hHorizBarT);
  Draw(show, show.sprites.hHorizBarB);
  show.TegoDDrw1.MoveSpriteY(show.sprites.hHorizBarT, -2);
  show.TegoDDrw1.MoveSpriteY(show.sprites.hHorizBarB, 2);
  show.TegoDDrw1.MoveSpriteX(show.sprites.hVertBarL, 2);
  show.TegoDDrw1.MoveSpriteX(show.sprites.hVertBarR, -2);
  show.WipeX = static_cast<int16_t>(show.TegoDDrw1.GetSpriteX(show.sprites.hVertBarL));
  if (show.WipeX >= 401) {
    show.Scene = 8;
    show.StepTicks = 0;
  }
}

void Scene8(Show& show) {
  show.TegoDDrw1.ClearFrame(Rgb(0, 0, 0));
  if (show.CowPlaying) {
    Draw(show, show.sprites.hCow3);
    Animate(show, show.sprites.hCow3);
    show.CowFrame = FrameOf(show, show.sprites.hCow3);
    if (show.CowFrame == 5) Play(show, show.sounds.sndPlop);
    if (show.CowFrame == 10) {
      show.StepTicks = 0;
      show.CowPlaying = false;
    }
  }
  if (!show.CowPlaying && show.StepTicks < 7) {
    SetFrame(show, show.sprites.hCow3, 10);
    Draw(show, show.sprites.hCow3);
  }
  if (show.StepTicks > 6) ResetVar(show);
}

}  // namespace gs
