#include "cartoon_marks.h"

#include <cmath>
#include <vector>

namespace art {

void Star(cairo_t* cr, double x, double y, double r, Colour c, double turn) {
  std::vector<Point> p;
  for (int i = 0; i < 10; ++i) {
    const double a = turn + i * M_PI / 5 - M_PI / 2;
    const double rr = i % 2 ? r * 0.42 : r;
    p.push_back({x + std::cos(a) * rr, y + std::sin(a) * rr});
  }
  Polygon(cr, p);
  FillOutline(cr, c, 1.4);
}

void LooseFeather(cairo_t* cr, double x, double y, double a, double len, Colour c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, a);
  Blob(cr, {{0, 0}, {len * 0.35, -len * 0.2}, {len, 0}, {len * 0.35, len * 0.2}});
  FillShaded(cr, c, 0, 2, 1.4);
  Line(cr, -len * 0.15, 0, len * 0.85, 0, kOutline, 1.1);
  cairo_restore(cr);
}

void ShoutLines(cairo_t* cr, double x, double y, double dir, double size) {
  for (int i = 1; i <= 3; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, size * (0.45 + 0.3 * i), dir - 0.45, dir + 0.45);
    Stroke(cr, kOutline, 2.4);
  }
}

void SweatDrop(cairo_t* cr, double x, double y, double s) {
  Blob(cr, {{x, y - 7 * s}, {x + 4 * s, y + 1 * s}, {x, y + 5 * s}, {x - 4 * s, y + 1 * s}});
  FillOutline(cr, Rgb255(150, 200, 236), 1.3);
}

void ShakeLines(cairo_t* cr, double x, double y, double h, int side) {
  for (int i = 0; i < 2; ++i) {
    const double dx = side * (i * 7);
    Curve(cr, {{x + dx, y + i * 6}, {x + dx + side * 3, y + h * 0.5 + i * 6}, {x + dx, y + h + i * 6}});
    Stroke(cr, kOutline, 2);
  }
}

void Exclaim(cairo_t* cr, double x, double y, double s) {
  Polygon(cr, {{x - 5 * s, y - 34 * s}, {x + 5 * s, y - 34 * s}, {x + 2.5 * s, y - 10 * s}, {x - 2.5 * s, y - 10 * s}});
  FillOutline(cr, kWattle, 1.6);
  Ellipse(cr, x, y - 3 * s, 3.6 * s, 3.6 * s);
  FillOutline(cr, kWattle, 1.6);
}

void Cloud(cairo_t* cr, const std::vector<CloudBall>& balls, Colour fill) {
  for (const CloudBall& b : balls) Ellipse(cr, b.x, b.y, b.r + 2, b.r * 0.86 + 2);
  Fill(cr, kOutline);
  for (const CloudBall& b : balls) Ellipse(cr, b.x, b.y, b.r, b.r * 0.86);
  Fill(cr, Darker(fill, 0.16));
  for (const CloudBall& b : balls) Ellipse(cr, b.x - b.r * 0.14, b.y - b.r * 0.16, b.r * 0.84, b.r * 0.7);
  Fill(cr, fill);
  // Only the biggest balls, so that it reads as one soft mass.
  for (const CloudBall& b : balls)
    if (b.r > 20) Ellipse(cr, b.x - b.r * 0.35, b.y - b.r * 0.38, b.r * 0.28, b.r * 0.16);
  Fill(cr, Lighter(fill, 0.5));
}

}  // namespace art
