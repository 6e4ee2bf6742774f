#include <climits>

#include "scene/scenes.h"
#include "scene_host/form1.h"
#include "scene_host/saturating.h"

namespace gs {

namespace {

// The pace counter after a Frame event that was not a scene frame.
int16_t NextPaceCount(int16_t paceCount, int16_t tunePC) {
  paceCount = Inc16(paceCount);
  if (tunePC == 0) paceCount = 0;
  if (paceCount > 20) paceCount = 0;
  return paceCount;
}

}  // namespace

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
  PaceCount = NextPaceCount(PaceCount, TunePC);
  DrawOverlays(*this);
  TegoDDrw1.PresentFrame();
  overlaysChanged_ = false;
}

// Between scene frames a Frame event draws only the overlays, and they come
// out the same as on the event before unless a timer changed what they show.
int64_t Form1::QuietFramesAhead() const {
  if (closed_) return INT64_MAX;
  if (overlaysChanged_) return 0;
  int16_t pace = PaceCount;
  // The counter runs through at most 21 values before it repeats.
  for (int64_t ahead = 0; ahead <= 21; ++ahead) {
    if (pace == TunePC) return ahead;
    pace = NextPaceCount(pace, TunePC);
  }
  return INT64_MAX;  // a pace out of range never gives a scene frame
}

}  // namespace gs
