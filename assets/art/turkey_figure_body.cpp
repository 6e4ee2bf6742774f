// The turkey's body: legs and feet, the feathered (or plucked) trunk with its
// neck ruff and beard, and ruffled feathers sticking out of it.
#include <algorithm>
#include <cmath>

#include "turkey_figure_parts.h"

namespace art::turkey_parts {

void Limb(cairo_t* cr, const std::vector<Point>& pts, Colour c, double w) {
  Curve(cr, pts);
  Stroke(cr, kOutline, w + 2 * kOutlineWidth);
  Curve(cr, pts);
  Stroke(cr, c, w);
}

void Leg(cairo_t* cr, const Look& k, double hipX, double hipY, double footX, double footY, double crouch,
         bool dangling, bool far) {
  const Colour c = far ? Darker(k.legs, 0.18) : k.legs;
  // Bird knees (really ankles) bend backward, away from the beak.
  const double kx = (hipX + footX) / 2 + 3 + 9 * crouch, ky = (hipY + footY) / 2;
  Limb(cr, {{hipX, hipY}, {kx, ky}, {footX, footY}}, c, 4);
  if (dangling) {
    // Toes hanging down and a little forward.
    for (double dx : {-6.0, -2.0, 2.0}) Limb(cr, {{footX, footY}, {footX + dx, footY + 9}}, c, 2.6);
  } else {
    Limb(cr, {{footX, footY}, {footX - 13, footY + 1}}, c, 2.6);
    Limb(cr, {{footX, footY}, {footX - 9, footY + 3}}, c, 2.6);
    Limb(cr, {{footX, footY}, {footX + 7, footY + 1}}, c, 2.6);
  }
}

namespace {

void BodyShape(cairo_t* cr) {
  Blob(cr, {{50, 100}, {60, 78}, {84, 68}, {112, 72}, {130, 94}, {128, 124}, {108, 144}, {78, 146}, {56, 130}});
}

}  // namespace

void Body(cairo_t* cr, const Look& k, const TurkeyPose& p) {
  BodyShape(cr);
  FillShaded(cr, k.body, 6, 6);
  cairo_save(cr);
  BodyShape(cr);
  cairo_clip(cr);
  const double pl = std::clamp(p.plucked, 0.0, 1.0);
  if (pl < 0.6) {
    // Scalloped feather rows with bronze edges.
    for (int row = 0; row < 8; ++row) {
      const double y = 80 + row * 9;
      for (int col = 0; col < 9; ++col) {
        const double x = 48 + col * 11 + (row % 2) * 5.5;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 5.5, 0.15, M_PI - 0.15);
        Stroke(cr, Mix(k.dark, k.body, pl), 1.3);
        if ((row + col) % 3 == 0) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, x, y + 1.2, 4, 0.5, M_PI - 0.5);
          Stroke(cr, Mix(k.rust, k.body, 0.3 + pl), 1.0);
        }
      }
    }
  } else {
    // Goose bumps and a few stubborn feathers.
    Random rnd(77);
    for (int i = 0; i < 26; ++i) {
      Ellipse(cr, rnd.Range(54, 126), rnd.Range(74, 142), 1.2, 1.2);
      Fill(cr, Darker(k.body, 0.2));
    }
  }
  cairo_restore(cr);
  BodyShape(cr);
  Stroke(cr, kOutline, kOutlineWidth);
  // Dark neck ruff where the bare neck meets the feathers.
  if (pl < 0.8) {
    Blob(cr, {{52, 88}, {58, 74}, {70, 70}, {76, 80}, {70, 94}, {58, 98}});
    FillShaded(cr, k.dark, 3, 3, 1.6);
  }
  if (p.variant == 0 && pl < 0.5) {
    // The breast beard of an old tom.
    for (double dx : {-2.0, 0.0, 2.0}) Line(cr, 58, 100, 56 + dx * 1.5, 118 + std::abs(dx), kBlack, 2.2);
  }
}

void Ruffles(cairo_t* cr, const Look& k, double amount) {
  if (amount <= 0.02) return;
  Random rnd(31);
  const int n = 5 + static_cast<int>(amount * 9);
  for (int i = 0; i < n; ++i) {
    const double a = -2.6 + i * (4.6 / n) + rnd.Range(-0.12, 0.12);
    const double bx = 90 + std::cos(a) * 38, by = 108 + std::sin(a) * 34;
    const double len = (9 + rnd.Range(0, 8)) * (0.5 + 0.5 * amount);
    const double wob = rnd.Range(-0.5, 0.5);
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_rotate(cr, a + wob);
    Polygon(cr, {{-3, -4}, {len, -1}, {len * 0.7, 1}, {len + 2, 3}, {-3, 4}});
    FillOutline(cr, i % 3 == 0 ? k.rust : k.dark, 1.3);
    cairo_restore(cr);
  }
}

}  // namespace art::turkey_parts
