#include "style.h"

#include <algorithm>
#include <cmath>

namespace art {

Colour Darker(Colour c, double amount) { return {c.r * (1 - amount), c.g * (1 - amount), c.b * (1 - amount)}; }

Colour Lighter(Colour c, double amount) {
  return {c.r + (1 - c.r) * amount, c.g + (1 - c.g) * amount, c.b + (1 - c.b) * amount};
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

namespace {

// Bezier control points of the Catmull-Rom segment p1 -> p2.
void CatmullSegment(cairo_t* cr, Point p0, Point p1, Point p2, Point p3) {
  cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                 p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
}

}  // namespace

void Blob(cairo_t* cr, const std::vector<Point>& p) {
  const size_t n = p.size();
  if (n < 3) return;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 0; i < n; ++i) CatmullSegment(cr, p[(i + n - 1) % n], p[i], p[(i + 1) % n], p[(i + 2) % n]);
  cairo_close_path(cr);
}

void Polygon(cairo_t* cr, const std::vector<Point>& p) {
  if (p.empty()) return;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 1; i < p.size(); ++i) cairo_line_to(cr, p[i].x, p[i].y);
  cairo_close_path(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void Curve(cairo_t* cr, const std::vector<Point>& p) {
  const size_t n = p.size();
  if (n < 2) return;
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 0; i + 1 < n; ++i) {
    Point p0 = i == 0 ? p[0] : p[i - 1];
    Point p3 = i + 2 < n ? p[i + 2] : p[n - 1];
    CatmullSegment(cr, p0, p[i], p[i + 1], p3);
  }
}

void Shade(cairo_t* cr, Colour fill, double dx, double dy) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  // Everything inside the shape that the shape, moved toward the light,
  // no longer covers: a crescent on the far side.
  cairo_new_path(cr);
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  cairo_rectangle(cr, x1 - 1, y1 - 1, x2 - x1 + 2, y2 - y1 + 2);
  cairo_translate(cr, -dx, -dy);
  cairo_append_path(cr, path);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, Darker(fill));
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
}

void Fill(cairo_t* cr, Colour fill) {
  SetColour(cr, fill);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, Colour colour, double width) {
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void FillOutline(cairo_t* cr, Colour fill, double width) {
  SetColour(cr, fill);
  cairo_fill_preserve(cr);
  Stroke(cr, kOutline, width);
}

void FillShaded(cairo_t* cr, Colour fill, double dx, double dy, double width) {
  SetColour(cr, fill);
  cairo_fill_preserve(cr);
  Shade(cr, fill, dx, dy);
  Stroke(cr, kOutline, width);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Colour colour, double width) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  Stroke(cr, colour, width);
}

double Random::Next() {
  // 64-bit LCG (Knuth's MMIX constants); the top bits are good enough here.
  state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<double>(state_ >> 11) / 9007199254740992.0;
}

}  // namespace art
