// Damage to the glass between the viewer and the yard, as if the screen
// itself were hit: the crack (drawn at three places) and the bullet hole.
// Cracks are light lines with a dark edge so they read over sky and lawn.
// The crack's picture is larger than the space left at its lower-right place
// (700, 525): there the screen's own edge cuts it, as it would a real crack.
#include <algorithm>
#include <cmath>
#include <vector>

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

// A crack as it runs out from the impact: thick near it, thinning outward.
void TaperedCrack(cairo_t* cr, const std::vector<Point>& pts, double width) {
  for (size_t i = 1; i < pts.size(); ++i) {
    const double w = width * (1.0 - 0.6 * static_cast<double>(i - 1) / static_cast<double>(pts.size()));
    CrackLine(cr, {pts[i - 1], pts[i]}, w);
  }
}

// A glint where the light catches the broken glass: a four-pointed star.
void Glint(cairo_t* cr, double x, double y, double r) {
  Polygon(cr, {{x, y - r}, {x + r * 0.22, y - r * 0.22}, {x + r, y}, {x + r * 0.22, y + r * 0.22}, {x, y + r},
               {x - r * 0.22, y + r * 0.22}, {x - r, y}, {x - r * 0.22, y - r * 0.22}});
  FillOutline(cr, kWhite, 1.2);
}

// The shot has struck the viewer's own screen: a dark point of impact in a
// ring of crushed glass, long radial cracks with side branches, ring
// fractures linking them at three distances, and glints.
void DrawCrack(cairo_t* cr) {
  const double cx = 90, cy = 76;
  Random rnd(77);
  const int kRays = 11;
  std::vector<std::vector<Point>> rays;
  for (int i = 0; i < kRays; ++i) {
    const double a = i * 2 * M_PI / kRays + rnd.Range(-0.2, 0.2);
    std::vector<Point> ray{{cx, cy}};
    double r = 0;
    const double reach = rnd.Range(48, 74);
    while (r < reach) {
      r = std::min(reach, r + rnd.Range(9, 15));
      const double j = rnd.Range(-0.12, 0.12);
      ray.push_back({cx + std::cos(a + j) * r * 1.1, cy + std::sin(a + j) * r * 0.85});
    }
    rays.push_back(ray);
  }
  // Ring fractures between neighbouring rays, bowed a little outward.
  for (double ringR : {16.0, 34.0, 56.0})
    for (int i = 0; i < kRays; ++i) {
      if (rnd.Next() > 0.75) continue;
      const double a0 = i * 2 * M_PI / kRays, a1 = (i + 1) * 2 * M_PI / kRays;
      const double r = ringR * rnd.Range(0.9, 1.1);
      std::vector<Point> arc;
      for (int k = 0; k <= 3; ++k) {
        const double a = a0 + (a1 - a0) * k / 3.0;
        const double bow = (k == 1 || k == 2) ? 1.06 : 1.0;
        arc.push_back({cx + std::cos(a) * r * bow * 1.1, cy + std::sin(a) * r * bow * 0.85});
      }
      CrackLine(cr, arc, 1.0);
    }
  for (const auto& ray : rays) {
    TaperedCrack(cr, ray, 2.0);
    // A side branch from the ray's middle.
    const Point& from = ray[ray.size() / 2];
    const double a = std::atan2(from.y - cy, from.x - cx) + (rnd.Next() < 0.5 ? -0.6 : 0.6);
    const double len = rnd.Range(10, 18);
    CrackLine(cr, {from, {from.x + std::cos(a) * len, from.y + std::sin(a) * len}}, 0.9);
  }
  // Crushed glass round the impact, and the dark point where the shot struck.
  std::vector<Point> crushed;
  for (int i = 0; i < 14; ++i) {
    const double a = i * 2 * M_PI / 14;
    const double r = i % 2 ? 7.0 : 10.5;
    crushed.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r * 0.9});
  }
  Polygon(cr, crushed);
  FillOutline(cr, kGlass, 1.5);
  std::vector<Point> hole;
  for (int i = 0; i < 7; ++i) {
    const double a = i * 2 * M_PI / 7;
    const double r = rnd.Range(3.5, 5.5);
    hole.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r});
  }
  Polygon(cr, hole);
  FillOutline(cr, kBlack, 1.2);
  Glint(cr, cx - 22, cy - 20, 8);
  Glint(cr, cx + 40, cy + 14, 5);
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
  out.push_back({"bglass1", 180, 150, true, DrawCrack});
  out.push_back({"GunHole", 40, 40, true, DrawHole});
}

const PictureGroup kGlassDamage(AddGlassDamage);

}  // namespace
