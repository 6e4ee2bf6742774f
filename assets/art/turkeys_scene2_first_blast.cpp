// The second turkey and the cannon's first blast: shaking with fright as it
// rolls up, sooty and half plucked after the blast, shaking the soot off,
// then furious and squaring up like a boxer.
#include "cartoon_marks.h"
#include "picture.h"
#include "turkeys_scene2_bird.h"

namespace art::scene2_turkey {
namespace {

void Pictures(PictureList& out) {
  // The cannon rolls up: shaking with fright.
  for (auto [name, side] : {std::pair{"T2-11", -1}, {"T2-12", 1}}) {
    Add(out, name, [side](cairo_t* cr) {
      Act a = Standing();
      a.shake = 3 * side;
      a.crouch = 0.3;
      a.headBob = -0.7;
      a.eyes = Eyes::kWide;
      a.beak = 0.35;
      a.wings = Wings::kSpread;
      DrawBird(cr, a);
      Exclaim(cr, 140, 36, 1.0);
      ShakeLines(cr, 34 - side, 120, 34, -1);
      ShakeLines(cr, 184 - side, 150, 30, 1);
      SweatDrop(cr, 118, 60 + side * 4);
      SweatDrop(cr, 176, 72 - side * 4, 0.8);
    });
  }
  // After the first blast: sooty, plucked, blinking, feathers in the air.
  for (auto [name, fall] : {std::pair{"T2-13", 0.0}, {"T2-14", 40.0}}) {
    Add(out, name, [fall](cairo_t* cr) {
      Act a = Standing();
      a.sooty = true;
      a.plucked = true;
      a.eyes = fall > 0 ? Eyes::kHalf : Eyes::kWide;
      a.beak = 0.3;
      DrawBird(cr, a);
      if (fall == 0) {
        SmokePuff(cr, 40, 200, 14);
        SmokePuff(cr, 186, 190, 12);
      }
      Drifting(cr, fall);
    });
  }
  // Shakes the soot off.
  for (auto [name, side] : {std::pair{"T2-15", -1}, {"T2-16", 1}}) {
    Add(out, name, [side](cairo_t* cr) {
      Act a = Standing();
      a.plucked = true;
      a.sooty = true;
      a.shake = 5 * side;
      a.tilt = 0.06 * side;
      a.eyes = Eyes::kShut;
      a.headTilt = 0.2 * side;
      DrawBird(cr, a);
      Random rnd(side > 0 ? 3 : 4);
      for (int i = 0; i < 12; ++i) {
        Ellipse(cr, rnd.Range(20, 210), rnd.Range(60, 200), 2.2, 2.2);
        Fill(cr, Rgb255(46, 40, 38));
      }
      ShakeLines(cr, 30, 130, 30, -1);
      ShakeLines(cr, 190, 130, 30, 1);
    });
  }
  // Furious, stamping and squawking.
  for (auto [name, beak] : {std::pair{"T2-17", 1.0}, {"T2-18", 0.3}}) {
    Add(out, name, [beak](cairo_t* cr) {
      Act a = Standing();
      a.plucked = true;
      a.eyes = Eyes::kAngry;
      a.wings = Wings::kOnHips;
      a.beak = beak;
      a.headBob = 0.5 + beak * 0.2;
      DrawBird(cr, a);
      SmokePuff(cr, 124, 26 - beak * 6, 8);
      SmokePuff(cr, 146, 16 - beak * 6, 6);
    });
  }
  // Puts up its fists.
  Add(out, "T2-19", [](cairo_t* cr) {
    Act a = Standing();
    a.plucked = true;
    a.eyes = Eyes::kAngry;
    a.wings = Wings::kUp;
    a.crouch = 0.2;
    DrawBird(cr, a);
  });
  // Bobbing like a boxer, come on then.
  for (auto [name, crouch] : {std::pair{"T2-20", 0.1}, {"T2-21", 0.35}}) {
    Add(out, name, [crouch](cairo_t* cr) {
      Act a = Standing();
      a.plucked = true;
      a.eyes = Eyes::kAngry;
      a.wings = crouch > 0.2 ? Wings::kShield : Wings::kUp;
      a.crouch = crouch;
      a.headBob = 0.6;
      a.beak = 0.5;
      DrawBird(cr, a);
    });
  }
}

const PictureGroup kFirstBlast(Pictures);

}  // namespace
}  // namespace art::scene2_turkey
