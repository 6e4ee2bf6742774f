#include "scene/scenes.h"
#include "scene_host/form1.h"
#include "scene_host/saturating.h"

namespace gs {

// One Frame event: the pacing gate, then on a scene frame the backdrop and
// the scene now playing; on every event the overlays and the present.
void Form1::TegoDDrw1_Frame() {
  if (closed_) return;
  if (PaceCount == TunePC) {
    if (ShowBackdrop) {
      TegoDDrw1.ClearFrame(Rgb(41, 118, 14));
      TegoDDrw1.DrawSprite(hBackground);
      TegoDDrw1.DrawSprite(hInside);
      TegoDDrw1.DrawSprite(hShack);
    }
    switch (Scene) {
      case 1: Scene1(*this); break;
      case 2: Scene2(*this); break;
      case 3: Scene3(*this); break;
      case 4: Scene4(*this); break;
      case 5: Scene5(*this); break;
      case 6: Scene6(*this); break;
      case 7: Scene7(*this); break;
      case 8: Scene8(*this); break;
      default: break;
    }
    PaceCount = 0;
  }
  PaceCount = Inc16(PaceCount);
  if (TunePC == 0) PaceCount = 0;
  if (PaceCount > 20) PaceCount = 0;
  DrawOverlays(*this);
  TegoDDrw1.PresentFrame();
}

}  // namespace gs
