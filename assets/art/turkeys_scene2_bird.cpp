// The second turkey itself, drawn to what a picture asks of it (Act): legs,
// tail fan, wings, head and face, soot and plucking.
#include <cmath>

#include "cartoon_marks.h"
#include "turkeys_scene2_bird.h"

namespace art::scene2_turkey {
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

}  // namespace

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

Act Standing() {
  Act a;
  a.x = kFeet;
  return a;
}

}  // namespace art::scene2_turkey
