// The turkey of the pilgrim-and-turkey scene, a head shorter than the
// pilgrim, and the same bird in his hat for the pictures that follow.
#include <cmath>

#include "pilgrim_turkey_scene5.h"

namespace art::scene5 {
namespace {

const Colour kTurkeyHead = Rgb255(232, 206, 190);
constexpr double kTurkeyScale = 1.1;  // as tall as the pilgrim

// Facing right around its own foot point (0, 0), about 96 px tall. Returns
// nothing; the head's place for extras comes from TurkeyHead.
Point TurkeyHeadLocal(const TurkeyLook& t) {
  const double sink = 10 * t.crouch;
  const double back = t.laughing ? -8 : 0;
  return {24 + back + std::sin(t.lean) * 40, -84 + sink + (1 - std::cos(t.lean)) * 30 - (t.laughing ? 2 : 0)};
}

void TurkeyLeg(cairo_t* cr, Point hip, Point foot, bool far) {
  const Colour c = far ? Darker(kLegs, 0.15) : kLegs;
  Line(cr, hip.x, hip.y, foot.x, foot.y, kOutline, 6);
  Line(cr, hip.x, hip.y, foot.x, foot.y, c, 3.4);
  for (double a : {-0.5, 0.0, 0.5}) {
    const double tx = foot.x + std::cos(a) * 9, ty = foot.y + std::sin(a) * 3 + 1;
    Line(cr, foot.x, foot.y, tx, ty, kOutline, 5);
    Line(cr, foot.x, foot.y, tx, ty, c, 2.6);
  }
}

void TurkeyLocal(cairo_t* cr, const TurkeyLook& t) {
  const double sink = 10 * t.crouch;
  const double by = -44 + sink;
  // Legs: a whirl when running, else two jointed legs.
  if (t.running) {
    for (int i = 0; i < 3; ++i) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, 2, -12, 11 + i * 2, i * 1.4, i * 1.4 + 3.6);
      Stroke(cr, kOutline, 2);
    }
    TurkeyLeg(cr, {-2, by + 16}, {-14, -4}, true);
    TurkeyLeg(cr, {6, by + 16}, {18, -6}, false);
  } else {
    TurkeyLeg(cr, {-4, by + 16}, {-6 - 8 * t.stride, 0}, true);
  }
  cairo_save(cr);
  cairo_translate(cr, 0, by);
  cairo_rotate(cr, t.lean * 0.8);
  // Tail fan behind, striped feathers.
  const Colour fan[] = {kFeatherRust, kTurkeyBrown, kFeatherTan, kTurkeyBrown, kFeatherRust};
  for (int i = 0; i < 9; ++i) {
    const double a = -M_PI * 0.95 + i * (M_PI * 0.62) / 8;
    const double ex = -14 + std::cos(a) * 46, ey = -6 + std::sin(a) * 44;
    const double px = -std::sin(a) * 8, py = std::cos(a) * 8;
    Blob(cr, {{-14 + px * 0.4, -6 + py * 0.4}, {ex + px, ey + py}, {ex + std::cos(a) * 6, ey + std::sin(a) * 6},
              {ex - px, ey - py}, {-14 - px * 0.4, -6 - py * 0.4}});
    FillShaded(cr, fan[i % 5], std::cos(a) > 0 ? 2 : -2, 2, 1.6);
    Curve(cr, {{-14 + (ex + 14) * 0.72 - px * 0.8, -6 + (ey + 6) * 0.72 - py * 0.8},
               {-14 + (ex + 14) * 0.74, -6 + (ey + 6) * 0.74 + 1},
               {-14 + (ex + 14) * 0.72 + px * 0.8, -6 + (ey + 6) * 0.72 + py * 0.8}});
    Stroke(cr, kWhite, 1.6);
  }
  // Body.
  Blob(cr, {{-28, -4}, {-18, -22}, {6, -24}, {26, -12}, {30, 6}, {18, 22}, {-8, 24}, {-26, 14}});
  FillShaded(cr, kTurkeyBrown, 4, 5);
  // Breast scallops.
  for (int r = 0; r < 2; ++r)
    for (int i = 0; i < 3; ++i) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, 10 + i * 6 - r * 3, -4 + r * 9 + i * 2, 4, 0.2, M_PI - 0.2);
      Stroke(cr, kTurkeyDark, 1.4);
    }
  cairo_restore(cr);
  if (!t.running) TurkeyLeg(cr, {6, by + 16}, {8 + 8 * t.stride, 0}, false);
  // Neck and head.
  const Point h = TurkeyHeadLocal(t);
  const double nx = std::sin(t.lean) * 20 + 14, ny = by - 14 + (1 - std::cos(t.lean)) * 10;
  Curve(cr, {{nx, ny}, {(nx + h.x) / 2 + 2, (ny + h.y) / 2}, {h.x, h.y + 4}});
  Stroke(cr, kOutline, 13);
  Curve(cr, {{nx, ny}, {(nx + h.x) / 2 + 2, (ny + h.y) / 2}, {h.x, h.y + 4}});
  Stroke(cr, kTurkeyHead, 9);
  // Beak, upper and lower.
  const double open = t.laughing ? 0.55 : t.beakOpen ? 0.35 : 0;
  const double tip = t.laughing ? -0.35 : 0;
  cairo_save(cr);
  cairo_translate(cr, h.x + 8, h.y);
  cairo_rotate(cr, tip);
  Polygon(cr, {{-2, -4}, {12, -1 - open * 6}, {0, 2}});
  FillOutline(cr, kBeak, 1.5);
  Polygon(cr, {{-2, 1}, {11, 3 + open * 12}, {0, 5}});
  FillOutline(cr, Darker(kBeak, 0.12), 1.5);
  cairo_restore(cr);
  // Head, snood over the beak, wattle under it.
  Ellipse(cr, h.x, h.y, 11, 10);
  FillShaded(cr, kTurkeyHead, 2, 2.5);
  Curve(cr, {{h.x + 5, h.y - 7}, {h.x + 10, h.y - 2}, {h.x + 9, h.y + 8}});
  Stroke(cr, kOutline, 5.5);
  Curve(cr, {{h.x + 5, h.y - 7}, {h.x + 10, h.y - 2}, {h.x + 9, h.y + 8}});
  Stroke(cr, kWattle, 3);
  Blob(cr, {{h.x + 1, h.y + 6}, {h.x + 8, h.y + 6}, {h.x + 7, h.y + 17}, {h.x + 2, h.y + 20}, {h.x - 2, h.y + 12}});
  FillShaded(cr, kWattle, 1.5, 2, 1.5);
  // Eye.
  const double ex = h.x + 3, ey = h.y - 3;
  switch (t.eyes) {
    case Eyes::kOpen:
    case Eyes::kWide: {
      const double r = t.eyes == Eyes::kWide ? 5 : 3.8;
      Ellipse(cr, ex, ey, r, r * 1.15);
      FillOutline(cr, kWhite, 1.3);
      Ellipse(cr, ex + 1, ey, t.eyes == Eyes::kWide ? 1.6 : 2, t.eyes == Eyes::kWide ? 1.6 : 2.4);
      Fill(cr, kOutline);
      break;
    }
    case Eyes::kClosed:
      cairo_new_sub_path(cr);
      cairo_arc(cr, ex, ey + 1, 3.5, M_PI + 0.3, 2 * M_PI - 0.3);
      Stroke(cr, kOutline, 1.8);
      break;
    case Eyes::kDazed:
      Line(cr, ex - 3, ey - 3, ex + 3, ey + 3, kOutline, 1.6);
      Line(cr, ex - 3, ey + 3, ex + 3, ey - 3, kOutline, 1.6);
      break;
  }
  if (t.hat) DrawPilgrimHat(cr, h.x - 1, h.y - 6, 0.78, -0.12);
  // Near wing over the body.
  cairo_save(cr);
  cairo_translate(cr, -4, by - 8);
  cairo_rotate(cr, -t.wings * 1.6 + t.lean * 0.8);
  Blob(cr, {{-4, -6}, {14, -4}, {22, 6}, {10, 18}, {-14, 22}, {-22, 14}, {-16, 2}});
  FillShaded(cr, kTurkeyDark, 3, 4);
  Line(cr, -12, 12, 8, 8, Lighter(kTurkeyDark, 0.3), 1.4);
  Line(cr, -16, 17, 2, 14, Lighter(kTurkeyDark, 0.3), 1.4);
  cairo_restore(cr);
}
}  // namespace

// The turkey with its feet at (cx, footY).
void Turkey(cairo_t* cr, double cx, double footY, const TurkeyLook& t) {
  cairo_save(cr);
  cairo_translate(cr, cx, footY - t.lift);
  cairo_scale(cr, t.facingRight ? kTurkeyScale : -kTurkeyScale, kTurkeyScale);
  TurkeyLocal(cr, t);
  cairo_restore(cr);
}

// Where the turkey's head is, in screen coordinates.
Point TurkeyHead(double cx, double footY, const TurkeyLook& t) {
  const Point h = TurkeyHeadLocal(t);
  return {cx + (t.facingRight ? h.x : -h.x) * kTurkeyScale, footY - t.lift + h.y * kTurkeyScale};
}

}  // namespace art::scene5

namespace art {

// The same turkey, wearing the pilgrim's hat, for the walk back with the cow
// and the closing picture (walker_and_final.cpp).
void DrawHatTurkey(cairo_t* cr, double cx, double footY, bool facingRight, double stride, double lean, double wings,
                   bool beakOpen) {
  scene5::Turkey(
      cr, cx, footY,
      {.facingRight = facingRight, .lean = lean, .wings = wings, .stride = stride, .beakOpen = beakOpen, .hat = true});
}

}  // namespace art
