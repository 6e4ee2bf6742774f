// The second turkey, in front of the shack door at (173, 200). It struts
// while the gun takes aim, ducks and taunts through three shots, gobbles,
// goes smug, then trembles at the cannon; the first blast leaves it sooty and
// half plucked, it shakes itself and squares up, and the second blast throws
// it against the shack, where it ends up sitting dazed (at 215, 210).
#include <cmath>

#include "picture.h"
#include "cartoon_marks.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 240, kH = 262;  // room below the ground line for the toes
constexpr double kGround = 245;  // feet of the standing turkey (screen y 445)

// --- Extras drawn over or under the figure. -------------------------------

// A jagged burst, for hits and crashes.
void Burst(cairo_t* cr, double x, double y, double r, Colour outer, Colour inner) {
  std::vector<Point> p;
  Random rnd(static_cast<unsigned>(x * 13 + y * 7));
  for (int i = 0; i < 16; ++i) {
    const double a = i * M_PI / 8;
    const double rr = i % 2 ? r * rnd.Range(0.45, 0.6) : r * rnd.Range(0.85, 1.05);
    p.push_back({x + std::cos(a) * rr, y + std::sin(a) * rr});
  }
  Polygon(cr, p);
  FillOutline(cr, outer, 1.8);
  Ellipse(cr, x, y, r * 0.35, r * 0.3);
  Fill(cr, inner);
}

// A small cloud of three overlapping puffs.
void SmokePuff(cairo_t* cr, double x, double y, double r) {
  const Point at[] = {{-0.7, 0.2}, {0.7, 0.25}, {0, -0.35}};
  for (const Point& p : at) {
    Ellipse(cr, x + p.x * r, y + p.y * r, r * 0.85, r * 0.75);
    FillShaded(cr, kSmoke, 2, 3, 1.5);
  }
}

// A pellet zipping past toward the upper left, with speed lines behind it.
void Pellet(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) Line(cr, x + 6, y + 2 + i * 2 - 2, x + 24 - i * 4, y + 6 + i * 2 - 2, kOutline, 1.2);
  Ellipse(cr, x, y, 3, 3);
  FillOutline(cr, kSteel, 1.2);
}

}  // namespace

namespace {

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

}  // namespace

namespace {

const Colour kHeadSkin = Rgb255(156, 196, 214);  // the pale blue of a turkey's bare head

// Soot covers only what is already drawn in the group on the stack.
void Soot(cairo_t* cr, double amount) {
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  SetColour(cr, Rgb255(46, 40, 38), amount);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void Leg(cairo_t* cr, double hipX, double hipY, double footX, double footY) {
  const double kneeX = (hipX + footX) / 2 + 5, kneeY = (hipY + footY) / 2;
  Curve(cr, {{hipX, hipY}, {kneeX, kneeY}, {footX, footY - 2}});
  Stroke(cr, kOutline, 7);
  Curve(cr, {{hipX, hipY}, {kneeX, kneeY}, {footX, footY - 2}});
  Stroke(cr, kLegs, 4);
  for (double a : {-0.5, 0.0, 0.5}) {
    const double tx = footX + std::cos(a) * 13, ty = footY - 2 + std::sin(a) * 3 + 2;
    Line(cr, footX, footY - 2, tx, ty, kOutline, 6);
    Line(cr, footX, footY - 2, tx, ty, kLegs, 3);
  }
}

void TailFan(cairo_t* cr, double cx, double cy, double r, double spread, bool plucked) {
  const int n = plucked ? 3 : 9;
  const double span = 0.6 + 1.9 * spread;  // radians of the fan
  for (int i = 0; i < n; ++i) {
    const double t = n == 1 ? 0.5 : static_cast<double>(i) / (n - 1);
    const double a = -M_PI / 2 - 0.35 + (t - 0.5) * span;
    const double len = plucked ? r * 0.8 : r;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    Blob(cr, {{0, -7}, {len * 0.6, -13}, {len, -9}, {len + 4, 0}, {len, 9}, {len * 0.6, 13}, {0, 7}});
    FillShaded(cr, i % 2 ? kFeatherRust : kTurkeyBrown, 0, 4);
    Blob(cr, {{len * 0.78, -10}, {len, -8}, {len + 4, 0}, {len, 8}, {len * 0.78, 10}, {len * 0.82, 0}});
    FillOutline(cr, kFeatherTan, 1.4);
    Line(cr, len * 0.7, -9, len * 0.7, 9, kTurkeyDark, 2);
    cairo_restore(cr);
  }
}

// A wing as a teardrop from the shoulder (sx, sy) toward angle a.
void Wing(cairo_t* cr, double sx, double sy, double a, double len) {
  cairo_save(cr);
  cairo_translate(cr, sx, sy);
  cairo_rotate(cr, a);
  Blob(cr, {{-4, -12}, {len * 0.5, -15}, {len, -6}, {len + 6, 4}, {len * 0.6, 12}, {0, 12}});
  FillShaded(cr, kTurkeyDark, 2, 4);
  for (int i = 1; i <= 3; ++i) {
    const double fx = len * (0.45 + 0.17 * i);
    Curve(cr, {{fx - 6, -8}, {fx, 0}, {fx - 4, 9}});
    Stroke(cr, kFeatherTan, 1.6);
  }
  cairo_restore(cr);
}

void Eye(cairo_t* cr, double x, double y, Eyes e) {
  switch (e) {
    case Eyes::kShut:
      Curve(cr, {{x - 5, y - 2}, {x, y + 2}, {x + 5, y - 2}});
      Stroke(cr, kOutline, 2);
      Line(cr, x - 5, y - 6, x + 4, y - 3, kOutline, 1.8);  // squeezed brow
      return;
    case Eyes::kHalf:
      Ellipse(cr, x, y, 5, 5);
      FillOutline(cr, kWhite, 1.6);
      Ellipse(cr, x + 1, y + 1.5, 2.2, 2.2);
      Fill(cr, kOutline);
      Polygon(cr, {{x - 6, y - 6}, {x + 6, y - 6}, {x + 6, y}, {x - 6, y}});
      FillOutline(cr, kHeadSkin, 1.6);
      return;
    case Eyes::kDazed:
      Ellipse(cr, x, y, 6, 6);
      FillOutline(cr, kWhite, 1.6);
      cairo_new_sub_path(cr);
      for (int i = 0; i < 28; ++i) {
        const double a = i * 0.45, r = 0.5 + i * 0.17;
        cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
      }
      Stroke(cr, kOutline, 1.2);
      return;
    case Eyes::kWide:
      Ellipse(cr, x, y - 1, 7.5, 8.5);
      FillOutline(cr, kWhite, 1.8);
      Ellipse(cr, x + 1, y - 1, 1.8, 1.8);
      Fill(cr, kOutline);
      return;
    case Eyes::kAngry:
      Ellipse(cr, x, y, 5, 5.5);
      FillOutline(cr, kWhite, 1.6);
      Ellipse(cr, x + 1.5, y + 1, 2.5, 2.8);
      Fill(cr, kOutline);
      Line(cr, x - 7, y - 9, x + 6, y - 4, kOutline, 2.6);
      return;
    case Eyes::kOpen:
      Ellipse(cr, x, y, 5, 6);
      FillOutline(cr, kWhite, 1.6);
      Ellipse(cr, x + 1.5, y, 2.5, 3);
      Fill(cr, kOutline);
      return;
  }
}

void Head(cairo_t* cr, const Act& a, double hx, double hy, Point* eyeAt) {
  cairo_save(cr);
  cairo_translate(cr, hx, hy);
  cairo_rotate(cr, a.headTilt);
  // Wattle hangs under the beak and swings with the head.
  Blob(cr, {{6, 6}, {14, 10}, {13, 26}, {6, 30}, {1, 20}});
  FillShaded(cr, kWattle, 2, 3, 1.6);
  // Beak: upper and lower halves part as it opens.
  const double open = a.beak * 0.5;
  cairo_save(cr);
  cairo_translate(cr, 13, 0);
  cairo_rotate(cr, open * 0.5);
  Polygon(cr, {{0, 2}, {16, 5}, {0, 8}});
  FillOutline(cr, Darker(kBeak, 0.1), 1.5);
  cairo_restore(cr);
  if (a.tongue) {
    Blob(cr, {{24, 4}, {34, 8}, {34, 14}, {26, 12}});
    FillOutline(cr, kCheek, 1.4);
  }
  cairo_save(cr);
  cairo_translate(cr, 13, 0);
  cairo_rotate(cr, -open);
  Polygon(cr, {{0, -5}, {19, 3}, {0, 3}});
  FillShaded(cr, kBeak, 0, 2, 1.5);
  cairo_restore(cr);
  // Bare head.
  Blob(cr, {{-12, -4}, {-6, -15}, {6, -15}, {15, -5}, {14, 6}, {2, 11}, {-11, 7}});
  FillShaded(cr, a.plucked ? kSkin : kHeadSkin, 3, 3);
  // Snood draped over the beak.
  Curve(cr, {{10, -10}, {18, -8}, {20, 2}});
  Stroke(cr, kOutline, 5);
  Curve(cr, {{10, -10}, {18, -8}, {20, 2}});
  Stroke(cr, kWattle, 2.8);
  Eye(cr, 3, -4, a.eyes);
  if (eyeAt) {
    *eyeAt = {3, -4};
    cairo_user_to_device(cr, &eyeAt->x, &eyeAt->y);
  }
  if (a.smile) {
    Curve(cr, {{10, 8}, {16, 10}, {22, 7}});
    Stroke(cr, kOutline, 1.6);
  }
  cairo_restore(cr);
}

void DrawBird(cairo_t* cr, const Act& a) {
  cairo_push_group(cr);
  cairo_matrix_t outside;
  cairo_get_matrix(cr, &outside);
  cairo_translate(cr, a.x + a.shake, a.y);
  cairo_rotate(cr, a.tilt);
  cairo_scale(cr, a.scale * a.squash, a.scale / a.squash);
  const double sink = a.sitting ? 40 : 26 * a.crouch;
  const double bodyY = -76 + sink, bodyX = -4;
  // Legs (tucked or dangling when off the ground).
  if (a.sitting) {
    Leg(cr, bodyX - 4, bodyY + 26, bodyX + 40, -4);
    Leg(cr, bodyX + 12, bodyY + 24, bodyX + 58, -8);
  } else if (a.airborne) {
    Leg(cr, bodyX - 12, bodyY + 26, bodyX - 22, bodyY + 66);
    Leg(cr, bodyX + 10, bodyY + 26, bodyX + 8, bodyY + 70);
  } else {
    Leg(cr, bodyX - 12, bodyY + 26, -16, 0);
    Leg(cr, bodyX + 10, bodyY + 26, 14, 0);
  }
  TailFan(cr, bodyX - 22, bodyY - 10, 78 - 10 * a.crouch, a.fan, a.plucked);
  // Far wing when spread or raised.
  const double shX = bodyX + 8, shY = bodyY - 14;
  if (a.wings == Wings::kOverHead) Wing(cr, shX - 10, shY - 4, -2.3, 46);
  if (a.wings == Wings::kUp || a.wings == Wings::kSpread) Wing(cr, shX - 14, shY, a.wings == Wings::kUp ? -2.4 : -2.9, 52);
  // Body.
  Blob(cr, {{bodyX - 38, bodyY - 8}, {bodyX - 18, bodyY - 34}, {bodyX + 20, bodyY - 36}, {bodyX + 40, bodyY - 8},
            {bodyX + 34, bodyY + 24}, {bodyX, bodyY + 36}, {bodyX - 32, bodyY + 22}});
  FillShaded(cr, a.plucked ? kSkin : kTurkeyBrown, 5, 6);
  if (a.plucked) {
    // Goose bumps and a last few feathers.
    Random rnd(7);
    for (int i = 0; i < 9; ++i) {
      Ellipse(cr, bodyX + rnd.Range(-26, 28), bodyY + rnd.Range(-24, 24), 1.6, 1.6);
      Fill(cr, kCheek);
    }
    LooseFeather(cr, bodyX + 20, bodyY - 24, -1.2, 16, kTurkeyBrown);
  } else {
    // Breast scallops.
    for (int row = 0; row < 3; ++row) {
      for (int i = 0; i < 3; ++i) {
        const double fx = bodyX + 6 + i * 11 - row * 3, fy = bodyY - 14 + row * 12;
        cairo_new_sub_path(cr);
        cairo_arc(cr, fx, fy, 5, 0.2, M_PI - 0.2);
        Stroke(cr, kTurkeyDark, 1.5);
      }
    }
  }
  // Neck and head.
  const double hx = bodyX + 34 + 12 * a.headBob, hy = bodyY - 58 + sink * 0.3 - 4 * std::abs(a.headBob);
  Curve(cr, {{bodyX + 20, bodyY - 24}, {bodyX + 28 + 6 * a.headBob, bodyY - 40}, {hx - 2, hy + 6}});
  Stroke(cr, kOutline, 15);
  Curve(cr, {{bodyX + 20, bodyY - 24}, {bodyX + 28 + 6 * a.headBob, bodyY - 40}, {hx - 2, hy + 6}});
  Stroke(cr, a.plucked ? kSkin : kHeadSkin, 11);
  Point eye{0, 0};
  Head(cr, a, hx, hy, &eye);
  // Near wing.
  switch (a.wings) {
    case Wings::kFolded: Wing(cr, shX - 4, shY + 6, 0.5, 44); break;
    case Wings::kOverHead: Wing(cr, shX + 4, shY - 6, -1.5, 50); break;
    case Wings::kOnHips: Wing(cr, shX + 6, shY + 2, 1.9, 36); break;
    case Wings::kUp: Wing(cr, shX + 2, shY, -1.3, 52); break;
    case Wings::kShield: Wing(cr, shX + 10, shY + 2, -0.35, 48); break;
    case Wings::kThumb: Wing(cr, shX + 10, shY - 4, -0.9, 44); break;
    case Wings::kSpread: Wing(cr, shX + 8, shY, -0.2, 54); break;
  }
  cairo_identity_matrix(cr);
  if (a.sooty) {
    Soot(cr, 0.6);
    // Eyes blink white out of the soot.
    cairo_device_to_user(cr, &eye.x, &eye.y);
    Eye(cr, eye.x, eye.y, a.eyes);
  }
  cairo_set_matrix(cr, &outside);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

}  // namespace

namespace {

constexpr double kFeet = 112;  // x of the standing turkey's feet

Act Standing() {
  Act a;
  a.x = kFeet;
  return a;
}

// Feathers and soot flakes still drifting after a blast; `fall` moves them down.
void Drifting(cairo_t* cr, double fall) {
  LooseFeather(cr, 40, 40 + fall, 0.5, 20, kTurkeyBrown);
  LooseFeather(cr, 176, 30 + fall * 0.8, 2.4, 18, kFeatherRust);
  LooseFeather(cr, 150, 70 + fall * 1.2, -0.3, 16, kFeatherTan);
  LooseFeather(cr, 22, 100 + fall, 2.0, 18, kFeatherRust);
  LooseFeather(cr, 196, 112 + fall * 0.9, 0.9, 15, kTurkeyBrown);
}

void Pictures(PictureList& out) {
  auto add = [&out](const char* name, std::function<void(cairo_t*)> draw) {
    out.push_back({name, kW, kH, true, std::move(draw)});
  };

  // Strutting in the doorway while the gun takes aim: head bob back and forth.
  for (auto [name, bob] : {std::pair{"T2-01", -0.9}, {"T2-02", 0.0}, {"T2-03", 0.9}}) {
    add(name, [bob](cairo_t* cr) {
      Act a = Standing();
      a.headBob = bob;
      a.headTilt = 0.12 * bob;
      a.tilt = 0.015 * bob;
      a.smile = true;
      DrawBird(cr, a);
    });
  }
  // First two shots: flat down, wings over the head, pellets zip over.
  add("T2-04", [](cairo_t* cr) {
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
  add("T2-05", [](cairo_t* cr) {
    Act a = Standing();
    a.eyes = Eyes::kHalf;
    a.wings = Wings::kThumb;
    a.tongue = true;
    a.beak = 0.6;
    a.headTilt = -0.15;
    DrawBird(cr, a);
  });
  // Third shot: the wing held up as a shield, pellets pinging off it.
  add("T2-06", [](cairo_t* cr) {
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
  add("T2-07", [](cairo_t* cr) {
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
    add(name, [tilt](cairo_t* cr) {
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
  add("T2-10", [](cairo_t* cr) {
    Act a = Standing();
    a.eyes = Eyes::kHalf;
    a.wings = Wings::kOnHips;
    a.headBob = -0.5;
    a.headTilt = -0.2;
    a.smile = true;
    DrawBird(cr, a);
  });
  // The cannon rolls up: shaking with fright.
  for (auto [name, side] : {std::pair{"T2-11", -1}, {"T2-12", 1}}) {
    add(name, [side](cairo_t* cr) {
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
    add(name, [fall](cairo_t* cr) {
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
    add(name, [side](cairo_t* cr) {
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
    add(name, [beak](cairo_t* cr) {
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
  add("T2-19", [](cairo_t* cr) {
    Act a = Standing();
    a.plucked = true;
    a.eyes = Eyes::kAngry;
    a.wings = Wings::kUp;
    a.crouch = 0.2;
    DrawBird(cr, a);
  });
  // Bobbing like a boxer, come on then.
  for (auto [name, crouch] : {std::pair{"T2-20", 0.1}, {"T2-21", 0.35}}) {
    add(name, [crouch](cairo_t* cr) {
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
  // The cannon is back: frozen in fear.
  for (auto [name, side] : {std::pair{"T2-22", -1}, {"T2-23", 1}}) {
    add(name, [side](cairo_t* cr) {
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
  add("T2-24", [](cairo_t* cr) {
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
  add("T2-25", [](cairo_t* cr) {
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
  add("T2-26", [](cairo_t* cr) {
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
  add("T2-27", [](cairo_t* cr) {
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

const PictureGroup kSceneTwoTurkey(AddAll);

}  // namespace
