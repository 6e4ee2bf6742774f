// Marks around the pilgrim and the turkey: stars, bursts, feathers, motion
// streaks and pop lines.
#include <algorithm>
#include <cmath>
#include <vector>

#include "pilgrim_turkey_scene5.h"

namespace art::scene5 {

void ShadedStar(cairo_t* cr, double cx, double cy, double r, Colour fill, double turn) {
  std::vector<Point> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = turn - M_PI / 2 + i * M_PI / 5;
    const double rr = i % 2 ? r * 0.45 : r;
    pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
  }
  Polygon(cr, pts);
  FillShaded(cr, fill, r * 0.15, r * 0.15, 1.5);
}

// Little stars circling a dizzy head; phase 0 or 1 turns the ring.
void DizzyStars(cairo_t* cr, double cx, double cy, int phase) {
  Ellipse(cr, cx, cy, 24, 7);
  Stroke(cr, Mix(kOutline, kWhite, 0.4), 1.2);
  for (int i = 0; i < 3; ++i) {
    const double a = phase * 1.05 + i * 2 * M_PI / 3;
    const double x = cx + std::cos(a) * 24, y = cy + std::sin(a) * 7;
    ShadedStar(cr, x, y, std::sin(a) > 0 ? 6.5 : 5, kFlashYellow, a);
  }
}

// A spiky burst: the moment of a hit.
void Burst(cairo_t* cr, double cx, double cy, double r, Colour outer, Colour inner, unsigned seed) {
  Random rnd(seed);
  std::vector<Point> pts;
  const int n = 22;
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * M_PI / n;
    const double rr = i % 2 ? r * rnd.Range(0.5, 0.6) : r * rnd.Range(0.85, 1.05);
    pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr * 0.8});
  }
  Polygon(cr, pts);
  FillOutline(cr, outer, 2.2);
  std::vector<Point> in;
  for (const Point& p : pts) in.push_back({cx + (p.x - cx) * 0.55, cy + (p.y - cy) * 0.55});
  Polygon(cr, in);
  FillOutline(cr, inner, 1.5);
}

void Feather(cairo_t* cr, double x, double y, double angle, Colour fill) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Blob(cr, {{-10, 0}, {-3, -4.5}, {9, -3}, {11, 0}, {8, 3.5}, {-3, 4.5}});
  FillShaded(cr, fill, 1, 2, 1.4);
  Line(cr, -12, 0, 9, 0, kOutline, 1.0);
  cairo_restore(cr);
}

// Motion streaks: horizontal lines from x0 to x1 at the given heights.
void Streaks(cairo_t* cr, double x0, double x1, std::initializer_list<double> ys) {
  int i = 0;
  for (double y : ys) {
    const double s = (i++ % 2) * 16;
    Line(cr, x0 + s, y, x1, y, kOutline, 5);
    Line(cr, x0 + s, y, x1, y, kWhite, 2.4);
  }
}

// Short strokes round a point: something just popped or landed there.
void PopLines(cairo_t* cr, double cx, double cy, double r0, double r1, int n, double from, double to) {
  for (int i = 0; i < n; ++i) {
    const double a = from + (to - from) * i / std::max(1, n - 1);
    Line(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0, cx + std::cos(a) * r1, cy + std::sin(a) * r1, kOutline, 2.2);
  }
}

}  // namespace art::scene5
