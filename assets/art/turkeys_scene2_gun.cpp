// The second turkey while the gun fires at it: strutting in the doorway,
// ducking the first shots, taunting, shielding itself from the third, then
// laughing, gobbling and smug when the gun gives up.
#include "cartoon_marks.h"
#include "picture.h"
#include "turkeys_scene2_bird.h"

namespace art::scene2_turkey {
namespace {

void Pictures(PictureList& out) {
  // Strutting in the doorway while the gun takes aim: head bob back and forth.
  for (auto [name, bob] : {std::pair{"T2-01", -0.9}, {"T2-02", 0.0}, {"T2-03", 0.9}}) {
    Add(out, name, [bob](cairo_t* cr) {
      Act a = Standing();
      a.headBob = bob;
      a.headTilt = 0.12 * bob;
      a.tilt = 0.015 * bob;
      a.smile = true;
      DrawBird(cr, a);
    });
  }
  // First two shots: flat down, wings over the head, pellets zip over.
  Add(out, "T2-04", [](cairo_t* cr) {
    Act a = Standing();
    a.crouch = 1;
    a.headBob = -1;
    a.eyes = Eyes::kShut;
    a.wings = Wings::kOverHead;
    a.fan = 0.3;
    DrawBird(cr, a);
    Pellet(cr, 60, 48);
    Pellet(cr, 120, 30);
    Pellet(cr, 170, 56);
  });
  // Pops back up unhurt and blows a raspberry.
  Add(out, "T2-05", [](cairo_t* cr) {
    Act a = Standing();
    a.eyes = Eyes::kHalf;
    a.wings = Wings::kThumb;
    a.tongue = true;
    a.beak = 0.6;
    a.headTilt = -0.15;
    DrawBird(cr, a);
  });
  // Third shot: the wing held up as a shield, pellets pinging off it.
  Add(out, "T2-06", [](cairo_t* cr) {
    Act a = Standing();
    a.crouch = 0.4;
    a.headBob = -0.8;
    a.eyes = Eyes::kShut;
    a.wings = Wings::kShield;
    DrawBird(cr, a);
    Star(cr, 190, 96, 9, kFlashYellow);
    Star(cr, 176, 128, 7, kFlashYellow, 0.4);
    Ellipse(cr, 200, 150, 3, 3);
    FillOutline(cr, kSteel, 1.2);
    Ellipse(cr, 188, 176, 3, 3);
    FillOutline(cr, kSteel, 1.2);
  });
  // The gun gives up: head thrown back, laughing.
  Add(out, "T2-07", [](cairo_t* cr) {
    Act a = Standing();
    a.eyes = Eyes::kShut;
    a.wings = Wings::kOnHips;
    a.beak = 1;
    a.headBob = -0.3;
    a.headTilt = -0.4;
    DrawBird(cr, a);
  });
  // Gobbling at full voice, the wattle swinging.
  for (auto [name, tilt] : {std::pair{"T2-08", 0.18}, {"T2-09", -0.12}}) {
    Add(out, name, [tilt](cairo_t* cr) {
      Act a = Standing();
      a.headBob = 0.9;
      a.headTilt = tilt;
      a.beak = 1;
      a.wings = Wings::kSpread;
      DrawBird(cr, a);
      ShoutLines(cr, 176, 98 + tilt * 30, -0.2, 30);
    });
  }
  // Smug: chest out, wings on hips, eyes half shut.
  Add(out, "T2-10", [](cairo_t* cr) {
    Act a = Standing();
    a.eyes = Eyes::kHalf;
    a.wings = Wings::kOnHips;
    a.headBob = -0.5;
    a.headTilt = -0.2;
    a.smile = true;
    DrawBird(cr, a);
  });
}

const PictureGroup kUnderFire(Pictures);

}  // namespace
}  // namespace art::scene2_turkey
