// The first turkey, on the lawn just right of the shack at (473, 200). It
// struts and gobbles while the gun takes aim; the shot makes it leap and costs
// it half its tail, it turns on the gunner and rants, then an arrow thunks
// into the ground at its toes. It peers at the arrow, taps it, shakes at the
// knees, and faints flat on its back (T1-13 at 433, 282).
#include <cmath>
#include <functional>
#include <utility>

#include "picture.h"
#include "cartoon_marks.h"
#include "style.h"
#include "turkey_figure.h"

namespace {

using namespace art;

constexpr int kW = 256, kH = 262;  // room below the ground line for the toes
constexpr double kScale = 1.2;
constexpr double kGround = 242;  // feet of the standing turkey (screen y 442)
constexpr double kFigX = 18, kFigY = kGround - kTurkeyGround * kScale;

// The fainted turkey's picture sits 40 left and 82 lower than the others;
// everything that stays put on the lawn (the arrow) is shifted by this.
constexpr int kLyingW = 280, kLyingH = 190;
constexpr double kLyingDx = 473 - 433, kLyingDy = 200 - 282;

// Where the arrow sticks in the ground, in the standing pictures' frame.
constexpr double kArrowX = 204, kArrowY = kGround + 2;

void Figure(cairo_t* cr, const TurkeyPose& pose) { DrawTurkey(cr, kFigX, kFigY, kScale, pose); }

// --- Extras drawn over or under the figure. -------------------------------

// Short strokes radiating from (x, y) between angles a0 and a1: a shock or
// a bang.
void Burst(cairo_t* cr, double x, double y, double r0, double r1, double a0, double a1, int n, double w = 2.2) {
  for (int i = 0; i < n; ++i) {
    const double a = a0 + (a1 - a0) * (n == 1 ? 0.5 : i / (n - 1.0));
    Line(cr, x + std::cos(a) * r0, y + std::sin(a) * r0, x + std::cos(a) * r1, y + std::sin(a) * r1, kOutline, w);
  }
}

void SmokeWisp(cairo_t* cr, double x, double y, double s) {
  Blob(cr, {{x - 6 * s, y}, {x - 4 * s, y - 7 * s}, {x + 3 * s, y - 9 * s}, {x + 8 * s, y - 3 * s}, {x + 5 * s, y + 4 * s},
            {x - 3 * s, y + 5 * s}});
  FillShaded(cr, kSmoke, 2, 2, 1.4);
}

// The arrow stuck in the lawn, coming down from the upper right; quiver > 0
// bends its tail sideways and adds twang lines.
void Arrow(cairo_t* cr, double x, double y, double quiver) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, -0.55);  // shaft leaning back toward where it came from
  const double bend = quiver * 5;
  // Torn turf at the point of entry.
  cairo_save(cr);
  cairo_rotate(cr, 0.55);
  Ellipse(cr, 0, 0, 9, 3);
  FillOutline(cr, kBark, 1.4);
  cairo_restore(cr);
  Curve(cr, {{0, 0}, {bend * 0.3, -26}, {bend, -52}});
  Stroke(cr, kOutline, 5.6);
  Curve(cr, {{0, 0}, {bend * 0.3, -26}, {bend, -52}});
  Stroke(cr, kWoodLight, 2.6);
  // Fletching: red and pale vanes.
  cairo_translate(cr, bend, -52);
  Polygon(cr, {{0, 4}, {-8, -4}, {-8, -14}, {0, -8}});
  FillShaded(cr, kLeafRed, 2, 0, 1.4);
  Polygon(cr, {{0, 4}, {8, -4}, {8, -14}, {0, -8}});
  FillShaded(cr, kWhite, 2, 0, 1.4);
  Line(cr, 0, 6, 0, -10, kOutline, 1.6);
  cairo_restore(cr);
  if (quiver > 0) {
    for (int side : {-1, 1}) {
      const double cx = x + 30 + side * 12, cy = y - 48 - side * 4;
      Curve(cr, {{cx, cy - 6}, {cx + side * 4, cy}, {cx, cy + 6}});
      Stroke(cr, kOutline, 2);
    }
  }
}

// Feathers in the air around the turkey; seeded so each frame has its own.
void FeatherShower(cairo_t* cr, unsigned seed, int n, double x0, double y0, double x1, double y1) {
  Random rnd(seed);
  const Colour cs[3] = {kTurkeyBrown, kFeatherTan, kFeatherRust};
  for (int i = 0; i < n; ++i) {
    LooseFeather(cr, rnd.Range(x0, x1), rnd.Range(y0, y1), rnd.Range(-0.8, 0.8), rnd.Range(12, 20), cs[i % 3]);
  }
}

// --- The act. -------------------------------------------------------------

// T1-01 .. T1-03: a proud strut, fan up, head bobbing; the third frame is
// the gobble, so the loop bobs and calls.
void Strut(cairo_t* cr, int frame) {
  TurkeyPose p;
  p.tailFan = 1;
  p.wingLift = -0.45;
  p.wingOpen = 0.25;
  p.ruffled = 0.15;
  const double neck[3] = {0.35, 0.05, -0.45};
  const double swing[3] = {0.35, 0, -0.35};
  p.neck = neck[frame];
  p.legSwing = swing[frame];
  p.lean = frame == 2 ? -0.06 : 0;
  p.eyes = frame == 0 ? TurkeyEyes::Closed : TurkeyEyes::Open;
  p.beakOpen = frame == 2 ? 0.9 : 0;
  Figure(cr, p);
}

// T1-04b: the bang. The turkey leaps, wings flung up, feathers bursting off
// its tail.
void Leap(cairo_t* cr) {
  FeatherShower(cr, 4, 7, 120, 40, 235, 170);
  TurkeyPose p;
  p.jump = 1;
  p.wingLift = 1;
  p.wingOpen = 1;
  p.tailFan = 0.7;
  p.tailLost = 0.4;
  p.ruffled = 1;
  p.neck = 1;
  p.beakOpen = 0.7;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  Figure(cr, p);
  Burst(cr, 150, 150, 40, 56, -0.9, 0.5, 4, 2.6);
  Burst(cr, 50, 28, 8, 20, -2.6, -0.9, 3);
}

// T1-04: landed, turned toward the gunner, staring in disbelief at the gap
// in its tail; a few feathers still coming down, a wisp of smoke.
void Aftermath(cairo_t* cr) {
  TurkeyPose p;
  p.facingRight = true;
  p.lookAtViewer = 1;
  p.tailFan = 0.55;
  p.tailLost = 0.65;
  p.ruffled = 0.7;
  p.wingLift = -0.4;
  p.wingOpen = 0.4;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  p.neck = 0.4;
  Figure(cr, p);
  SmokeWisp(cr, 44, 96, 1.1);
  SmokeWisp(cr, 30, 74, 0.8);
  LooseFeather(cr, 22, 160, 0.5, 16, kTurkeyBrown);
  LooseFeather(cr, 200, 200, -0.4, 14, kFeatherTan);
  LooseFeather(cr, 60, 36, 0.2, 15, kFeatherRust);
  SweatDrop(cr, 176, 42);
}

// T1-05, T1-06: hopping mad at the gunner, stamping and shaking a wing,
// gobbling curses; the two frames alternate.
void Rant(cairo_t* cr, int frame) {
  TurkeyPose p;
  p.facingRight = true;
  p.tailFan = 0.55;
  p.tailLost = 0.65;
  p.ruffled = 0.6;
  p.brow = 1;
  p.eyes = TurkeyEyes::Open;
  p.neck = frame == 0 ? -0.7 : -0.4;
  p.lean = frame == 0 ? -0.14 : -0.08;  // toward the gun
  p.beakOpen = frame == 0 ? 1 : 0.35;
  p.legSwing = frame == 0 ? 0.7 : -0.7;
  p.wingLift = frame == 0 ? 0.9 : 0.45;
  p.wingOpen = 0.5;
  Figure(cr, p);
  if (frame == 0) {
    ShoutLines(cr, 204, 112, 0.25, 18);
  } else {
    // Stamp: dust puffs by the planted foot.
    SmokeWisp(cr, 96, 238, 0.7);
    SmokeWisp(cr, 140, 238, 0.6);
  }
}

// T1-06a: THUNK. An arrow lands at its toes; the turkey jerks back, every
// feather on end.
void ArrowLands(cairo_t* cr) {
  TurkeyPose p;
  p.facingRight = true;
  p.tailFan = 0.8;
  p.tailLost = 0.65;
  p.ruffled = 1;
  p.jump = 0.35;
  p.lean = 0.18;  // rearing back from the arrow
  p.neck = 1;
  p.wingLift = 0.8;
  p.wingOpen = 0.8;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  p.beakOpen = 0.5;
  Figure(cr, p);
  Arrow(cr, kArrowX, kArrowY, 1);
  Burst(cr, kArrowX + 4, kArrowY - 4, 10, 20, -2.6, -0.4, 5, 2);
}

// T1-07 .. T1-09: peering at the arrow, closer, then tapping it with the
// beak (it twangs). The run goes there and back.
void Peer(cairo_t* cr, int stage) {
  TurkeyPose p;
  p.facingRight = true;
  p.tailFan = 0.45;
  p.tailLost = 0.65;
  p.ruffled = 0.35;
  const double neck[3] = {-0.3, -0.75, -1};
  const double lean[3] = {-0.08, -0.2, -0.34};
  p.neck = neck[stage];
  p.lean = lean[stage];
  p.eyes = stage == 2 ? TurkeyEyes::Wide : TurkeyEyes::Open;
  p.brow = -0.6;
  Figure(cr, p);
  Arrow(cr, kArrowX, kArrowY, stage == 2 ? 0.8 : 0);
  if (stage == 2) Burst(cr, 212, 150, 6, 14, -2.4, -1.2, 3, 1.8);
}

// T1-10, T1-11: it turns to us and shakes at the knees; the two frames
// alternate three times.
void Tremble(cairo_t* cr, int frame) {
  const double dx = frame == 0 ? -2 : 2;
  cairo_save(cr);
  cairo_translate(cr, dx, 0);
  TurkeyPose p;
  p.facingRight = true;
  p.lookAtViewer = 1;
  p.tailFan = 0.45;
  p.tailLost = 0.65;
  p.ruffled = frame == 0 ? 0.5 : 0.7;
  p.crouch = frame == 0 ? 0.35 : 0.2;
  p.legSwing = frame == 0 ? 0.25 : -0.25;
  p.wingLift = frame == 0 ? -0.5 : -0.3;
  p.wingOpen = 0.3;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  p.beakOpen = frame == 0 ? 0.2 : 0;
  Figure(cr, p);
  cairo_restore(cr);
  ShakeLines(cr, 46, 120, 30, -1);
  ShakeLines(cr, 196, 120, 30, 1);
  SweatDrop(cr, frame == 0 ? 186 : 190, frame == 0 ? 56 : 48);
  Arrow(cr, kArrowX, kArrowY, 0);
}

// T1-12: eyes roll up and the turkey topples stiffly backward.
void Topple(cairo_t* cr) {
  Arrow(cr, kArrowX, kArrowY, 0);
  cairo_save(cr);
  // Pivot on the heels.
  const double hx = kFigX + (kTurkeyW - 100) * kScale, hy = kGround;
  cairo_translate(cr, hx, hy);
  cairo_rotate(cr, -0.3);
  cairo_translate(cr, -hx, -hy);
  TurkeyPose p;
  p.facingRight = true;
  p.tailFan = 0.45;
  p.tailLost = 0.65;
  p.ruffled = 0.3;
  p.neck = 0.3;
  p.eyes = TurkeyEyes::Crossed;
  p.beakOpen = 0.4;
  p.wingLift = 0.3;
  p.wingOpen = 0.2;
  Figure(cr, p);
  cairo_restore(cr);
  Burst(cr, 40, 40, 6, 16, -2.8, -1.6, 3);
}

// T1-13: out cold on its back, feet in the air, stars circling.
void Fainted(cairo_t* cr) {
  const double ground = kGround + kLyingDy;
  Arrow(cr, kArrowX + kLyingDx, kArrowY + kLyingDy, 0);
  cairo_save(cr);
  // The figure's hips end up a little above the lawn, back on the ground.
  const double bx = 150, by = ground - 52;
  cairo_translate(cr, bx, by);
  cairo_rotate(cr, -1.95);
  TurkeyPose p;
  p.facingRight = true;
  p.jump = 1;  // legs straight and limp
  p.tailFan = 0.3;
  p.tailLost = 0.65;
  p.ruffled = 0.6;
  p.neck = -0.2;
  p.eyes = TurkeyEyes::Dazed;
  p.beakOpen = 0.5;
  p.wingLift = -0.6;
  p.wingOpen = 0.6;
  // Centre the figure's hips on the pivot.
  const double hipBoxX = (kTurkeyW - 92) * 0.95, hipBoxY = 138 - kTurkeyJump;
  DrawTurkey(cr, -hipBoxX, -hipBoxY, 0.95, p);
  cairo_restore(cr);
  Star(cr, 60, 30, 8, kLeafGold, 0.2);
  Star(cr, 92, 18, 6, kLeafGold, 0.5);
  Star(cr, 30, 46, 6, kLeafGold, 0.1);
  LooseFeather(cr, 210, ground - 6, 0.1, 16, kTurkeyBrown);
  LooseFeather(cr, 30, ground - 4, -0.2, 14, kFeatherTan);
}

void AddScene1Turkey(PictureList& out) {
  auto add = [&out](const char* name, std::function<void(cairo_t*)> draw) {
    out.push_back({name, kW, kH, true, std::move(draw)});
  };
  add("T1-01", [](cairo_t* cr) { Strut(cr, 0); });
  add("T1-02", [](cairo_t* cr) { Strut(cr, 1); });
  add("T1-03", [](cairo_t* cr) { Strut(cr, 2); });
  add("T1-04b", Leap);
  add("T1-04", Aftermath);
  add("T1-05", [](cairo_t* cr) { Rant(cr, 0); });
  add("T1-06", [](cairo_t* cr) { Rant(cr, 1); });
  add("T1-06a", ArrowLands);
  add("T1-07", [](cairo_t* cr) { Peer(cr, 0); });
  add("T1-08", [](cairo_t* cr) { Peer(cr, 1); });
  add("T1-09", [](cairo_t* cr) { Peer(cr, 2); });
  add("T1-10", [](cairo_t* cr) { Tremble(cr, 0); });
  add("T1-11", [](cairo_t* cr) { Tremble(cr, 1); });
  add("T1-12", Topple);
  out.push_back({"T1-13", kLyingW, kLyingH, true, Fainted});
}

const PictureGroup kScene1Turkey(AddScene1Turkey);

}  // namespace
