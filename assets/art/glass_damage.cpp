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

// A jagged line: the straight run from a to b broken into kinks.
std::vector<Point> Jagged(Random& rnd, Point a, Point b, int kinks, double jitter) {
  std::vector<Point> pts{a};
  const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  for (int k = 1; k < kinks; ++k) {
    const double t = (k + rnd.Range(-0.3, 0.3)) / kinks;
    const double off = rnd.Range(-jitter, jitter);
    pts.push_back({a.x + dx * t - dy / len * off, a.y + dy * t + dx / len * off});
  }
  pts.push_back(b);
  return pts;
}

// The shot has struck the viewer's own screen: a dark point of impact in
// crushed glass, and shards radiating from it at uneven angles and lengths,
// jagged, some forked, a few linked by short cross cracks, with loose
// facets near the impact. No rings: rings read as a cobweb. The impact
// sits off the middle, so the copy the screen's corner cuts shows another
// part of the break than the whole ones.
void DrawCrack(cairo_t* cr) {
  const double cx = 80, cy = 68;
  Random rnd(4242);
  struct Ray {
    double angle, reach;
    std::vector<Point> pts;
  };
  std::vector<Ray> rays;
  for (double a = rnd.Range(0, 0.6); a < 2 * M_PI - 0.3; a += rnd.Range(0.3, 0.85)) {
    const double reach = rnd.Next() < 0.3 ? rnd.Range(24, 42) : rnd.Range(56, 74);
    const Point end{cx + std::cos(a) * reach, cy + std::sin(a) * reach * 0.86};
    rays.push_back({a, reach, Jagged(rnd, {cx, cy}, end, 3 + static_cast<int>(reach / 20), 4.5)});
  }
  auto pointOn = [&](const Ray& r, double f) {
    const size_t i = std::min(r.pts.size() - 1, static_cast<size_t>(f * static_cast<double>(r.pts.size() - 1)));
    return r.pts[i];
  };
  // Loose facets next to the impact, between some neighbouring shards.
  for (size_t i = 0; i < rays.size(); ++i) {
    if (rnd.Next() < 0.45) continue;
    const Ray& a = rays[i];
    const Ray& b = rays[(i + 1) % rays.size()];
    Polygon(cr, {{cx + std::cos(a.angle) * 6, cy + std::sin(a.angle) * 5}, pointOn(a, rnd.Range(0.25, 0.45)),
                 pointOn(b, rnd.Range(0.2, 0.4))});
    FillOutline(cr, rnd.Next() < 0.5 ? kGlass : Mix(kGlass, kSkyTop, 0.35), 1.2);
  }
  // Short cross cracks between neighbours, each at its own distance.
  for (size_t i = 0; i < rays.size(); ++i) {
    if (rnd.Next() < 0.5) continue;
    const Ray& a = rays[i];
    const Ray& b = rays[(i + 1) % rays.size()];
    CrackLine(cr, Jagged(rnd, pointOn(a, rnd.Range(0.4, 0.8)), pointOn(b, rnd.Range(0.4, 0.8)), 2, 3), 0.9);
  }
  for (const Ray& r : rays) {
    TaperedCrack(cr, r.pts, rnd.Range(1.6, 2.4));
    if (r.reach < 45 || rnd.Next() < 0.4) continue;
    // A fork from the shard's outer half.
    const Point from = pointOn(r, rnd.Range(0.5, 0.7));
    const double a = r.angle + (rnd.Next() < 0.5 ? -1 : 1) * rnd.Range(0.35, 0.7);
    const double len = rnd.Range(12, 22);
    CrackLine(cr, Jagged(rnd, from, {from.x + std::cos(a) * len, from.y + std::sin(a) * len * 0.86}, 2, 2), 1.0);
  }
  // Crushed glass round the impact, and the dark point where the shot struck.
  std::vector<Point> crushed;
  for (int i = 0; i < 12; ++i) {
    const double a = i * 2 * M_PI / 12 + rnd.Range(-0.15, 0.15);
    const double r = i % 2 ? rnd.Range(5, 7.5) : rnd.Range(8.5, 12);
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
  Glint(cr, cx - 20, cy - 18, 7);
  Glint(cr, cx + 36, cy + 16, 4.5);
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
