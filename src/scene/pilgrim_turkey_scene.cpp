// Scene 5: the pilgrim and the turkey together, in ten steps.
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

void Scene5(Form1& f) {
  const int16_t s = f.StepTicks;
  int16_t& step = f.Scene5Step;
  switch (step) {
    case 1:
      if (s < 6) {
        Draw(f, f.hPT01);
        Animate(f, f.hPT01);
      }
      if (s == 5) StepChange(f, step, 2);
      return;
    case 2:
      if (s < 5) {
        Draw(f, f.hPT03);
        Animate(f, f.hPT03);
      }
      if (s == 4) StepChange(f, step, 3);
      return;
    case 3:
      if (s < 2) Draw(f, f.hPT05);
      if (s == 1) StepChange(f, step, 4);
      return;
    case 4:
      if (s < 2) Draw(f, f.hPT06);
      if (s == 1) StepChange(f, step, 5);
      return;
    case 5:
      Draw(f, f.hPT07);
      Animate(f, f.hPT07);
      f.PTFrame = FrameOf(f, f.hPT07);
      if (f.PTFrame == 2) Play(f, f.sndImpact);
      if (f.PTFrame == 13 || f.PTFrame == 16) Play(f, f.sndPop);
      if (f.PTFrame == 19) StepChange(f, step, 6);
      return;
    case 6:
      if (s < 3) Draw(f, f.hPT17);
      if (s == 2) StepChange(f, step, 7);
      return;
    case 7:
      f.PT18Frame = FrameOf(f, f.hPT18);
      if (f.PT18Frame == 1 || f.PT18Frame == 8 || f.PT18Frame == 16) Play(f, f.sndThump);
      Draw(f, f.hPT18);
      Animate(f, f.hPT18);
      if (f.PT18Frame == 23) StepChange(f, step, 8);
      return;
    case 8:
      if (s < 3) Draw(f, f.hPT23);
      if (s >= 2) Animate(f, f.hPT23);
      f.PT23Frame = FrameOf(f, f.hPT23);
      if (f.PT23Frame == 3) StepChange(f, step, 9);
      return;
    case 9:
      if (s >= 5) return;
      Draw(f, f.hPT26);
      Animate(f, f.hPT26);
      Draw(f, f.hSmoke);
      Animate(f, f.hSmoke);
      f.SmokeFrame = FrameOf(f, f.hSmoke);
      Play(f, f.sndWhizz);
      if (f.SmokeFrame == 4) StepChange(f, step, 10);
      return;
    case 10:
      if (s < 6) {
        Draw(f, f.hPT26);
        Animate(f, f.hPT26);
      }
      if (s >= 5) {
        f.Scene = 6;
        f.StepTicks = 0;
      }
      return;
    default:
      return;
  }
}

}  // namespace gs
