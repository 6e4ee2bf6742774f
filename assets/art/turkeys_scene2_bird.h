#pragma once
// The second turkey, in front of the shack door at (173, 200). It struts
// while the gun takes aim, ducks and taunts through three shots, gobbles,
// goes smug, then trembles at the cannon; the first blast leaves it sooty and
// half plucked, it shakes itself and squares up, and the second blast throws
// it against the shack, where it ends up sitting dazed (at 215, 210).
//
// What the pictures of this turkey share: the bird drawn to a picture's
// wishes, and the marks around it.
#include <cairo.h>

#include <functional>
#include <utility>

#include "picture.h"
#include "style.h"

namespace art::scene2_turkey {

inline constexpr int kW = 240, kH = 262;  // room below the ground line for the toes
inline constexpr double kGround = 245;  // feet of the standing turkey (screen y 445)
inline constexpr double kFeet = 112;  // x of the standing turkey's feet

// A keyed picture of the usual size.
inline void Add(PictureList& out, const char* name, std::function<void(cairo_t*)> draw) {
  out.push_back({name, kW, kH, true, std::move(draw)});
}

// What a picture asks of the bird. The feet stand on (x, y); the bird faces
// right, toward the gun and the cannon at the bottom of the screen.
enum class Eyes { kOpen, kWide, kShut, kHalf, kDazed, kAngry };
enum class Wings { kFolded, kOverHead, kOnHips, kUp, kShield, kThumb, kSpread };

struct Act {
  double x = 100, y = kGround, scale = 1.0;
  double tilt = 0;       // radians, whole bird about its feet
  double crouch = 0;     // 0..1
  double headBob = 0;    // -1..1: head pulled back..thrust forward
  double headTilt = 0;   // radians
  double beak = 0;       // 0..1 open
  double fan = 1;        // 0..1 tail spread
  double shake = 0;      // px: body shudders sideways
  Eyes eyes = Eyes::kOpen;
  Wings wings = Wings::kFolded;
  bool tongue = false;
  bool sooty = false;
  bool plucked = false;  // most feathers blown off
  bool airborne = false; // legs dangling
  bool smile = false;
  bool sitting = false;  // slumped on the ground, legs stuck out in front
  double squash = 1;     // > 1: flattened wide, < 1: stretched tall
};

void DrawBird(cairo_t* cr, const Act& a);
// The bird standing on its feet in the doorway.
Act Standing();

// --- Extras drawn over or under the figure. -------------------------------

// A jagged burst, for hits and crashes.
void Burst(cairo_t* cr, double x, double y, double r, Colour outer, Colour inner);
// A small cloud of three overlapping puffs.
void SmokePuff(cairo_t* cr, double x, double y, double r);
// A pellet zipping past toward the upper left, with speed lines behind it.
void Pellet(cairo_t* cr, double x, double y);
// Feathers and soot flakes still drifting after a blast; `fall` moves them down.
void Drifting(cairo_t* cr, double fall);

}  // namespace art::scene2_turkey
