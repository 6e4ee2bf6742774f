#pragma once
// The show's turkey, shared by every turkey picture so that the three birds
// look like one family and their frames line up.
//
// At scale 1 the turkey fills a 170 x 180 box from (x, y), facing left, with
// its feet on y + 176 (kTurkeyGround). The full strut fan reaches up to about
// y + 28; a jump lifts the bird up to kTurkeyJump pixels above that. With
// facingRight the picture is mirrored inside the same box, so the feet stay
// on the same line and the box does not move.
//
// Typical use:
//   art::DrawTurkey(cr, 20, 60, 1.3, {.legSwing = 0.6, .beakOpen = 1});
#include <cairo.h>

namespace art {

inline constexpr double kTurkeyW = 170;
inline constexpr double kTurkeyH = 180;
inline constexpr double kTurkeyGround = 176;  // feet, box coordinates
inline constexpr double kTurkeyJump = 30;     // lift at jump = 1

enum class TurkeyEyes {
  Open,     // round, pupils toward the beak (or at the viewer)
  Wide,     // startled: big whites, tiny pupils
  Closed,   // happy or smug arcs
  Half,     // heavy lids: sly or sleepy
  Dazed,    // spirals after a hit
  Crossed,  // X marks, knocked silly
};

struct TurkeyPose {
  bool facingRight = false;
  // Family member 0, 1 or 2: 0 rust tail band and a breast beard, 1 gold
  // band and a curly head tuft, 2 pale tail tips and a little blue bow tie.
  int variant = 0;

  double legSwing = 0;  // -1..1 walking stride (near leg forward at +1)
  double crouch = 0;    // 0..1 knees bent, body sunk
  double jump = 0;      // 0..1 lifted off the ground, legs dangling
  double lean = 0;      // radians, about the hips; < 0 leans forward (toward the beak)

  double neck = 0;      // -1 head pushed forward and low .. 1 raised high
  double lookAtViewer = 0;  // 0 profile; >= 0.5 face turned to the viewer
  double beakOpen = 0;  // 0..1 gobbling
  TurkeyEyes eyes = TurkeyEyes::Open;
  double brow = 0;      // > 0 angry brows, < 0 worried brows, 0 none

  double wingLift = 0;  // -1 flapped down .. 0 folded .. 1 flapped up
  double wingOpen = 0;  // 0 folded .. 1 spread with the long feathers out
  double tailFan = 0;   // 0 closed .. 0.5 half .. 1 full strut fan

  double ruffled = 0;   // 0..1 feathers sticking out every which way
  double plucked = 0;   // 0..1 feathers gone, pink goose skin showing
  double sooty = 0;     // 0..1 blackened by a blast (eyes stay white)
  double tailLost = 0;  // 0..1 tail feathers shot away, body left as it is
};

void DrawTurkey(cairo_t* cr, double x, double y, double scale, const TurkeyPose& pose);

}  // namespace art
