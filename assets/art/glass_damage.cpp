// Damage to the glass between the viewer and the yard, as if the screen
// itself were hit: the crack (drawn at three places) and the bullet hole.
// Cracks are light lines with a dark edge so they read over sky and lawn.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

void CrackLine(cairo_t* cr, const std::vector<Point>& pts, double width) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
    if (pass == 0)
      Stroke(cr, kOutline, width + 2);
    else
      Stroke(cr, kWhite, width);
  }
}

void DrawCrack(cairo_t* cr) {
  const double cx = 46, cy = 36;
  Random rnd(77);
  const int kRays = 9;
  std::vector<std::vector<Point>> rays;
  for (int i = 0; i < kRays; ++i) {
    const double a = i * 2 * M_PI / kRays + rnd.Range(-0.25, 0.25);
    std::vector<Point> ray{{cx, cy}};
    double r = 0;
    const double reach = rnd.Range(28, 44);
    while (r < reach) {
      r += rnd.Range(6, 11);
      const double j = rnd.Range(-0.18, 0.18);
      ray.push_back({cx + std::cos(a + j) * r * 1.15, cy + std::sin(a + j) * r * 0.85});
    }
    rays.push_back(ray);
  }
  // Rings linking neighbouring rays.
  for (size_t ring = 1; ring <= 2; ++ring)
    for (int i = 0; i < kRays; ++i) {
      const auto& a = rays[i];
      const auto& b = rays[(i + 1) % kRays];
      if (a.size() > ring + 1 && b.size() > ring + 1 && rnd.Next() < 0.8) CrackLine(cr, {a[ring], b[ring]}, 1.0);
    }
  for (const auto& ray : rays) CrackLine(cr, ray, 1.4);
  // Crushed glass at the point of impact.
  Ellipse(cr, cx, cy, 5, 4);
  FillOutline(cr, kWhite, 1.5);
}

void DrawHole(cairo_t* cr) {
  const double c = 20;
  Random rnd(9);
  for (int i = 0; i < 7; ++i) {
    const double a = i * 2 * M_PI / 7 + rnd.Range(-0.3, 0.3);
    const double r = rnd.Range(12, 19);
    CrackLine(cr, {{c, c}, {c + std::cos(a) * r * 0.6, c + std::sin(a) * r * 0.6 + 1}, {c + std::cos(a) * r, c + std::sin(a) * r}},
              1.0);
  }
  std::vector<Point> rim;
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    const double r = i % 2 ? 8.5 : 10;
    rim.push_back({c + std::cos(a) * r, c + std::sin(a) * r});
  }
  Polygon(cr, rim);
  FillOutline(cr, kGlass, 1.5);
  Ellipse(cr, c, c, 5, 5);
  FillOutline(cr, kBlack, 1.5);
}

void AddGlassDamage(PictureList& out) {
  out.push_back({"bglass1", 100, 75, true, DrawCrack});
  out.push_back({"GunHole", 40, 40, true, DrawHole});
}

const PictureGroup kGlassDamage(AddGlassDamage);

}  // namespace
