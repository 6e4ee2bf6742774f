#include <climits>

#include "scene/saturating.h"
#include "scene/scenes.h"

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

void ComposeFrame(Show& show) {
  if (show.PaceCount == show.settings.TunePC) {
    if (show.ShowBackdrop) {
      show.TegoDDrw1.ClearFrame(Rgb(41, 118, 14));
      show.TegoDDrw1.DrawSprite(show.sprites.hBackground);
      show.TegoDDrw1.DrawSprite(show.sprites.hInside);
      show.TegoDDrw1.DrawSprite(show.sprites.hShack);
    }
    switch (show.Scene) {
      case 1: Scene1(show); break;
      case 2: Scene2(show); break;
      case 3: Scene3(show); break;
      case 4: Scene4(show); break;
      case 5: Scene5(show); break;
      case 6: Scene6(show); break;
      case 7: Scene7(show); break;
      case 8: Scene8(show); break;
      default: break;
    }
    show.PaceCount = 0;
  }
  show.PaceCount = NextPaceCount(show.PaceCount, show.settings.TunePC);
  DrawOverlays(show);
  show.TegoDDrw1.PresentFrame();
}

int64_t FramesToSceneFrame(const Show& show) {
  int16_t pace = show.PaceCount;
  // The counter runs through at most 21 values before it repeats.
  for (int64_t ahead = 0; ahead <= 21; ++ahead) {
    if (pace == show.settings.TunePC) return ahead;
    pace = NextPaceCount(pace, show.settings.TunePC);
  }
  return INT64_MAX;  // a pace out of range never gives a scene frame
}

}  // namespace gs
