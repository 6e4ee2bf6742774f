// The second turkey and the cannon's second blast: frozen in fear, thrown up
// and back against the shack wall, sliding down it, and sitting dazed at its
// foot.
#include <cmath>

#include "cartoon_marks.h"
#include "picture.h"
#include "turkeys_scene2_bird.h"

namespace art::scene2_turkey {
namespace {

void Pictures(PictureList& out) {
  // The cannon is back: frozen in fear.
  for (auto [name, side] : {std::pair{"T2-22", -1}, {"T2-23", 1}}) {
    Add(out, name, [side](cairo_t* cr) {
      Act a = Standing();
      a.plucked = true;
      a.eyes = Eyes::kWide;
      a.beak = 0.8;
      a.shake = 2 * side;
      a.headBob = -0.9;
      DrawBird(cr, a);
      Exclaim(cr, 150, 40, 1.1);
      SweatDrop(cr, 120, 64 + side * 3);
    });
  }
  // Second blast: thrown up and back toward the shack.
  Add(out, "T2-24", [](cairo_t* cr) {
    Burst(cr, 170, 190, 40, kFlashOrange, kFlashYellow);
    Act a = Standing();
    a.x = kFeet + 20;
    a.y = kGround - 36;
    a.plucked = true;
    a.airborne = true;
    a.tilt = -0.5;
    a.eyes = Eyes::kWide;
    a.beak = 1;
    a.wings = Wings::kSpread;
    DrawBird(cr, a);
    SmokePuff(cr, 176, 214, 14);
    Drifting(cr, 0);
  });
  Add(out, "T2-25", [](cairo_t* cr) {
    Act a = Standing();
    a.x = 150;
    a.y = 170;
    a.scale = 0.75;
    a.plucked = true;
    a.airborne = true;
    a.tilt = -0.95;
    a.eyes = Eyes::kWide;
    a.beak = 1;
    a.wings = Wings::kSpread;
    DrawBird(cr, a);
    // Speed lines trail back down toward the cannon.
    for (int i = 0; i < 3; ++i) Line(cr, 150 + i * 14, 200 + i * 6, 190 + i * 14, 232 + i * 6, kOutline, 2);
  });
  // Slams into the shack wall.
  Add(out, "T2-26", [](cairo_t* cr) {
    // Cracks run out across the boards from the impact.
    for (auto [dx, dy] : {std::pair{-70.0, -30.0}, {-60.0, 40.0}, {56.0, -44.0}, {60.0, 36.0}, {0.0, 70.0}}) {
      Curve(cr, {{168, 78}, {168 + dx * 0.5 + dy * 0.1, 78 + dy * 0.5 - dx * 0.1}, {168 + dx, 78 + dy}});
      Stroke(cr, kOutline, 2.2);
    }
    Burst(cr, 168, 78, 56, kWhite, kFlashYellow);
    Act a = Standing();
    a.x = 168;
    a.y = 160;
    a.scale = 0.72;
    a.squash = 1.25;
    a.plucked = true;
    a.airborne = true;
    a.eyes = Eyes::kShut;
    a.wings = Wings::kSpread;
    a.beak = 0.6;
    DrawBird(cr, a);
    Star(cr, 112, 40, 8, kLeafGold);
    Star(cr, 218, 110, 7, kLeafGold, 0.5);
  });
  // Peels off and slides down.
  Add(out, "T2-27", [](cairo_t* cr) {
    Act a = Standing();
    a.x = 160;
    a.y = 210;
    a.scale = 0.75;
    a.plucked = true;
    a.airborne = true;
    a.tilt = 0.15;
    a.eyes = Eyes::kDazed;
    a.tongue = true;
    a.beak = 0.5;
    a.wings = Wings::kFolded;
    DrawBird(cr, a);
    for (int i = 0; i < 3; ++i) Line(cr, 140 + i * 14, 60, 140 + i * 14, 90, kOutline, 1.8);
  });
}

// Sitting stunned at the foot of the wall, stars round its head.
void Final(PictureList& out) {
  out.push_back({"T2-28", 200, 240, true, [](cairo_t* cr) {
                   Act a;
                   a.x = 96;
                   a.y = kGround - 10;
                   a.plucked = true;
                   a.sitting = true;
                   a.eyes = Eyes::kDazed;
                   a.tongue = true;
                   a.beak = 0.4;
                   a.headTilt = 0.3;
                   a.fan = 0.2;
                   DrawBird(cr, a);
                   for (int i = 0; i < 4; ++i) {
                     const double t = i * M_PI / 2 + 0.4;
                     Star(cr, 110 + std::cos(t) * 38, 70 + std::sin(t) * 12, 8, kLeafGold, t);
                   }
                   LooseFeather(cr, 14, 226, 0.1, 18, kTurkeyBrown);
                   LooseFeather(cr, 160, 230, -0.2, 16, kFeatherRust);
                   // Its slide down the wall, still in the air above it (the
                   // picture of the slide itself is stepped past).
                   for (int i = 0; i < 3; ++i) {
                     const double x = 92 + i * 14, y = 12 + (i % 2) * 6;
                     Line(cr, x, y, x, y + 28, kOutline, 1.8);
                   }
                 }});
}

void AddAll(PictureList& out) {
  Pictures(out);
  Final(out);
}

const PictureGroup kSecondBlast(AddAll);

}  // namespace
}  // namespace art::scene2_turkey
