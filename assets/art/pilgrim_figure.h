#pragma once
// The show's pilgrim, shared by every pilgrim picture so that they all line
// up. At scale 1, standing straight with his hat on, he fills an 84 x 122 box
// from (x, y): his body is centred on x + 42, the soles of his shoes rest on
// the foot line y + 120 and the top of his hat is at y + 2. Raised arms stay
// inside the box; a bow reaches about 10 px and an aimed blunderbuss about
// 40 px beyond the front edge, and a knocked-off hat goes where hatDx/hatDy
// put it. `lift` moves the whole figure up off the foot line, `crouch` sinks
// it.
#include <cairo.h>

#include "style.h"

namespace art {

enum class PilgrimArm {
  kDown,     // hanging at his side
  kRaised,   // straight up over his head
  kGrip,     // up at hat height, elbows out: hanging on, pulling himself up
  kForward,  // held out in front (front view: out to the side)
  kAim,      // out in front at shoulder height, pointing
  kWave,     // forearm up beside the head
  kHip,      // fist on the hip
  kPush,     // hands pressing down at the waist, elbows up: pushing up off a ledge
  kShade,    // hand at the brim, shading his eyes to look far
  kChin,     // hand under the chin, thinking
};

// What he holds; anything but kNothing takes over both arms (profile only).
enum class PilgrimHolds {
  kNothing,
  kBow,              // bow held out in front, string slack
  kBowDrawn,         // string pulled back to the cheek (arrow if `arrow`)
  kBlunderbuss,      // carried across the chest, muzzle up and forward
  kBlunderbussAimed  // at the shoulder, level, muzzle forward
};

enum class PilgrimFace { kPlain, kSurprised, kCross, kDazed, kSmiling, kEyesClosed };

struct PilgrimPose {
  bool facingRight = false;
  bool front = false;      // whole figure seen from the front (else profile)
  bool back = false;       // with front: seen from behind instead, walking away
  bool headFront = false;  // profile body with the face turned to the viewer
  double stride = 0;       // -1..1 walking stride (front view: which foot is lifted)
  double kneeUp = 0;       // 0..1 the near knee drawn up (climbing, stepping up)
  double tuck = 0;         // 0..1 both legs drawn up (in a jump)
  double crouch = 0;       // 0..1 knees bent, the body sinks up to 12 px
  double lift = 0;         // px at scale 1 the figure floats above the foot line
  double lean = 0;         // radians; > 0 leans the upper body forward
  double headTilt = 0;     // radians; > 0 tips the head forward
  PilgrimArm nearArm = PilgrimArm::kDown;
  PilgrimArm farArm = PilgrimArm::kDown;
  PilgrimHolds holds = PilgrimHolds::kNothing;
  bool arrow = true;  // an arrow on the string of a drawn bow
  PilgrimFace face = PilgrimFace::kPlain;
  bool hatOn = true;
  // The hat moved off his head (hat units, figure's own frame: +x forward,
  // +y down) and turned by hatTilt radians; all 0 = sitting on his head.
  double hatDx = 0, hatDy = 0, hatTilt = 0;
  bool sooty = false;  // face blackened by a backfiring gun
};

void DrawPilgrim(cairo_t* cr, double x, double y, double scale, const PilgrimPose& pose);

// Where, in the same coordinates as DrawPilgrim's x and y, the muzzle of the
// blunderbuss or the tip of the arrow ends (for flashes and smoke). For other
// poses: his hand in front.
Point PilgrimMuzzle(double x, double y, double scale, const PilgrimPose& pose);

// His hat on its own, e.g. lying on the ground: brim centred on (cx, brimY),
// turned by tilt radians.
void DrawPilgrimHat(cairo_t* cr, double cx, double brimY, double scale, double tilt);

}  // namespace art
