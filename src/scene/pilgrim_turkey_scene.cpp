// Scene 5: the pilgrim and the turkey together, in ten steps.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene5(Show& show) {
  const int16_t s = show.StepTicks;
  int16_t& step = show.Scene5Step;
  switch (step) {
    case 1:
      if (s < 6) {
        Draw(show, show.sprites.hPT01);
        Animate(show, show.sprites.hPT01);
      }
      if (s == 5) StepChange(show, step, 2);
      return;
    case 2:
      if (s < 5) {
        Draw(show, show.sprites.hPT03);
        Animate(show, show.sprites.hPT03);
      }
      if (s == 4) StepChange(show, step, 3);
      return;
    case 3:
      if (s < 2) Draw(show, show.sprites.hPT05);
      if (s == 1) StepChange(show, step, 4);
      return;
    case 4:
      if (s < 2) Draw(show, show.sprites.hPT06);
      if (s == 1) StepChange(show, step, 5);
      return;
    case 5:
      Draw(show, show.sprites.hPT07);
      Animate(show, show.sprites.hPT07);
      show.PTFrame = FrameOf(show, show.sprites.hPT07);
      if (show.PTFrame == 2) Play(show, show.sounds.sndImpact);
      if (show.PTFrame == 13 || show.PTFrame == 16) Play(show, show.sounds.sndPop);
      if (show.PTFrame == 19) StepChange(show, step, 6);
      return;
    case 6:
      if (s < 3) Draw(show, show.sprites.hPT17);
      if (s == 2) StepChange(show, step, 7);
      return;
    case 7:
      show.PT18Frame = FrameOf(show, show.sprites.hPT18);
      if (show.PT18Frame == 1 || show.PT18Frame == 8 || show.PT18Frame == 16) Play(show, show.sounds.sndThump);
      Draw(show, show.sprites.hPT18);
      Animate(show, show.sprites.hPT18);
      if (show.PT18Frame == 23) StepChange(show, step, 8);
      return;
    case 8:
      if (s < 3) Draw(show, show.sprites.hPT23);
      if (s >= 2) Animate(show, show.sprites.hPT23);
      show.PT23Frame = FrameOf(show, show.sprites.hPT23);
      if (show.PT23Frame == 3) StepChange(show, step, 9);
      return;
    case 9:
      if (s >= 5) return;
      Draw(show, show.sprites.hPT26);
      Animate(show, show.sprites.hPT26);
      Draw(show, show.sprites.hSmoke);
      Animate(show, show.sprites.hSmoke);
      show.SmokeFrame = FrameOf(show, show.sprites.hSmoke);
      Play(show, show.sounds.sndWhizz);
      if (show.SmokeFrame == 4) StepChange(show, step, 10);
      return;
    case 10:
      if (s < 6) {
        Draw(show, show.sprites.hPT26);
        Animate(show, show.sprites.hPT26);
      }
      if (s >= 5) {
        show.Scene = 6;
        show.StepTicks = 0;
      }
      return;
    default:
      return;
  }
}

}  // namespace gs
