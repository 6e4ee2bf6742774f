// The marks around the pilgrim in front of the shack: stars, muzzle flashes,
// smoke, bursts of strokes, a bowstring's twang, arrows and sweat.
#include <cmath>
#include <vector>

#include "pilgrim_scene4.h"

namespace art::scene4 {

void Star(cairo_t* cr, double cx, double cy, double r, Colour c) {
  std::vector<Point> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, rr = (i % 2) ? r * 0.45 : r;
    pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  Polygon(cr, pts);
  FillOutline(cr, c, 1.3);
}

// Stars and birdies circling a dazed head.
void DazeStars(cairo_t* cr, double cx, double cy, double rx, double phase) {
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1, 0.3);
  cairo_arc(cr, 0, 0, rx, 0, 2 * M_PI);
  cairo_restore(cr);
  Stroke(cr, Lighter(kOutline, 0.4), 1.0);
  for (int i = 0; i < 3; ++i) {
    const double a = phase + i * 2 * M_PI / 3;
    Star(cr, cx + rx * std::cos(a), cy + rx * 0.3 * std::sin(a), 5, i == 1 ? kWhite : kLeafGold);
  }
}

// A spiky muzzle flash pointing along `dir` (radians).
void Flash(cairo_t* cr, Point p, double dir, double size) {
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y);
  cairo_rotate(cr, dir);
  std::vector<Point> outer, inner;
  for (int i = 0; i < 14; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 7;
    const double r = (i % 2) ? size * 0.42 : size * (0.8 + 0.2 * std::cos(a * 3));
    outer.push_back({size * 0.55 + r * std::cos(a), r * std::sin(a) * 0.8});
    inner.push_back({size * 0.5 + r * 0.55 * std::cos(a), r * 0.55 * std::sin(a) * 0.8});
  }
  Polygon(cr, outer);
  FillOutline(cr, kFlashOrange, 1.5);
  Polygon(cr, inner);
  Fill(cr, kFlashYellow);
  cairo_restore(cr);
}

// A cloud of smoke: a few overlapping lumps under one outline.
void Puff(cairo_t* cr, double cx, double cy, double r, double alpha) {
  const double lumps[][3] = {{0, 0, 1}, {-0.7, 0.25, 0.7}, {0.7, 0.2, 0.75}, {-0.3, -0.5, 0.7}, {0.35, -0.45, 0.65}};
  for (const auto& l : lumps) {
    Ellipse(cr, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[2] * r);
  }
  Stroke(cr, Mix(kSmoke, kOutline, 0.55), 2.6);
  for (const auto& l : lumps) {
    Ellipse(cr, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[2] * r);
  }
  SetColour(cr, kSmoke, alpha);
  cairo_fill(cr);
  Ellipse(cr, cx + 0.25 * r, cy + 0.3 * r, 0.6 * r, 0.45 * r);
  Fill(cr, Darker(kSmoke, 0.1));
}

// Short strokes fanning out from (cx, cy) between angles a0 and a1.
void Burst(cairo_t* cr, double cx, double cy, double r0, double r1, double a0, double a1, int n, double width) {
  for (int i = 0; i < n; ++i) {
    const double a = a0 + (a1 - a0) * (n == 1 ? 0.5 : double(i) / (n - 1));
    Line(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + r1 * std::cos(a), cy + r1 * std::sin(a), kOutline, width);
  }
}

// The twang of a loosed bowstring: short arcs beside the string.
void Twang(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 6, y, 8 + i * 4.5, M_PI * 0.72, M_PI * 1.28);
    Stroke(cr, kOutline, 1.3);
  }
}

void Arrow(cairo_t* cr, double x0, double y, double x1) {
  Line(cr, x0, y, x1, y, kOutline, 3.6);
  Line(cr, x0, y, x1, y, kWoodLight, 1.6);
  Polygon(cr, {{x1 + 6, y}, {x1 - 1, y - 3.5}, {x1 - 1, y + 3.5}});
  FillOutline(cr, kSteelLight, 1.1);
  Polygon(cr, {{x0, y}, {x0 + 7, y}, {x0 + 4, y - 4.5}, {x0 - 3, y - 4.5}});
  FillOutline(cr, kLeafRed, 1.0);
}

void SweatDrop(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y - 5);
  cairo_curve_to(cr, x + 3.5, y, x + 3.5, y + 4, x, y + 4);
  cairo_curve_to(cr, x - 3.5, y + 4, x - 3.5, y, x, y - 5);
  cairo_close_path(cr);
  FillOutline(cr, Rgb255(150, 200, 236), 1.2);
}

}  // namespace art::scene4
