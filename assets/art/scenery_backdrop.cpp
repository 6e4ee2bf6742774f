// The full-screen backdrop: an autumn afternoon, sky, hills, trees in
// colour, a fence and the lawn where the whole show plays.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

void Sky(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, kHorizonY);
  cairo_pattern_add_color_stop_rgb(g, 0, kSkyTop.r, kSkyTop.g, kSkyTop.b);
  cairo_pattern_add_color_stop_rgb(g, 1, kSkyLow.r, kSkyLow.g, kSkyLow.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, 800, kHorizonY + 10);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A few flat clouds; their outline is a pale tone so they stay soft.
  const Point clouds[] = {{560, 60}, {720, 120}, {20, 30}, {330, 20}};
  for (const Point& c : clouds) {
    Blob(cr, {{c.x - 60, c.y + 14}, {c.x - 40, c.y - 6}, {c.x - 10, c.y - 18}, {c.x + 24, c.y - 12},
              {c.x + 56, c.y + 4}, {c.x + 40, c.y + 18}, {c.x, c.y + 22}});
    FillShaded(cr, kCloud, 0, 5, 1.5);
  }
}

void Hills(cairo_t* cr) {
  cairo_move_to(cr, 0, kHorizonY + 5);
  Curve(cr, {{0, 300}, {120, 270}, {260, 292}, {420, 262}, {560, 286}, {690, 258}, {800, 282}});
  cairo_line_to(cr, 800, kHorizonY + 5);
  cairo_close_path(cr);
  FillShaded(cr, Mix(kGrassDry, kSkyLow, 0.35), 0, 6, 1.5);
  cairo_move_to(cr, 0, kHorizonY + 5);
  Curve(cr, {{0, 318}, {180, 300}, {380, 314}, {600, 296}, {800, 312}});
  cairo_line_to(cr, 800, kHorizonY + 5);
  cairo_close_path(cr);
  FillOutline(cr, Mix(kGrassDry, kGrass, 0.4), 1.5);
}

void Crown(cairo_t* cr, double cx, double cy, double r, unsigned seed) {
  Random rnd(seed);
  const Colour leaves[] = {kLeafOrange, kLeafRed, kLeafGold, kLeafOrange};
  for (int i = 0; i < 9; ++i) {
    const double a = i * 2 * M_PI / 9 + rnd.Range(-0.3, 0.3);
    const double d = r * (i == 8 ? 0 : rnd.Range(0.35, 0.6));
    const double br = r * rnd.Range(0.42, 0.55);
    const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.8;
    std::vector<Point> pts;
    for (int k = 0; k < 9; ++k) {
      const double t = k * 2 * M_PI / 9;
      const double rr = br * rnd.Range(0.85, 1.05);
      pts.push_back({x + std::cos(t) * rr, y + std::sin(t) * rr * 0.85});
    }
    Blob(cr, pts);
    FillShaded(cr, leaves[i % 4], br * 0.25, br * 0.3);
  }
}

void Tree(cairo_t* cr, double x, double baseY, double height, double r, unsigned seed) {
  const double w = r * 0.22;
  cairo_move_to(cr, x - w, baseY);
  cairo_curve_to(cr, x - w * 0.6, baseY - height * 0.4, x - w * 0.5, baseY - height * 0.7, x - w * 0.45,
                 baseY - height);
  cairo_line_to(cr, x + w * 0.45, baseY - height);
  cairo_curve_to(cr, x + w * 0.5, baseY - height * 0.7, x + w * 0.6, baseY - height * 0.4, x + w, baseY);
  cairo_close_path(cr);
  FillShaded(cr, kBark, w * 0.5, 0);
  Line(cr, x - w * 0.2, baseY - height * 0.75, x - r * 0.45, baseY - height * 1.05, kBark, w * 0.35);
  Line(cr, x + w * 0.2, baseY - height * 0.8, x + r * 0.5, baseY - height * 1.1, kBark, w * 0.3);
  Crown(cr, x, baseY - height - r * 0.3, r, seed);
}

void Lawn(cairo_t* cr) {
  cairo_rectangle(cr, 0, kHorizonY, 800, 600 - kHorizonY);
  Fill(cr, kGrass);
  // Broad mowing stripes running toward the horizon.
  for (int i = -6; i < 12; i += 2) {
    const double x0 = 400 + i * 110, x1 = 400 + (i + 1) * 110;
    Polygon(cr, {{400 + (x0 - 400) * 0.25, (double)kHorizonY}, {400 + (x1 - 400) * 0.25, (double)kHorizonY},
                 {x1, 600}, {x0, 600}});
    Fill(cr, Mix(kGrass, kGrassDark, 0.22));
  }
  Line(cr, 0, kHorizonY, 800, kHorizonY, kOutline, 1.5);
}

void Fence(cairo_t* cr) {
  const double y0 = kHorizonY - 26, y1 = kHorizonY + 22;
  for (double x = 470; x < 810; x += 46) {
    RoundRect(cr, x, y0, 10, y1 - y0, 2);
    FillShaded(cr, kWoodLight, 3, 0, 1.5);
  }
  for (double y : {y0 + 8, y0 + 28}) {
    RoundRect(cr, 460, y, 350, 7, 2);
    FillShaded(cr, kWood, 0, 2, 1.5);
  }
}

void Pumpkin(cairo_t* cr, double cx, double cy, double r) {
  for (int i = -1; i <= 1; ++i) {
    Ellipse(cr, cx + i * r * 0.45, cy, r * (i == 0 ? 0.6 : 0.55), r * 0.8);
    FillShaded(cr, kLeafOrange, r * 0.18, r * 0.1, 1.8);
  }
  RoundRect(cr, cx - r * 0.1, cy - r * 1.05, r * 0.2, r * 0.35, 2);
  FillOutline(cr, kGrassDark, 1.5);
}

void Leaves(cairo_t* cr) {
  Random rnd(11);
  const Colour colours[] = {kLeafRed, kLeafOrange, kLeafGold, kFeatherRust};
  for (int i = 0; i < 170; ++i) {
    const double y = kHorizonY + 8 + std::pow(rnd.Next(), 0.8) * (590 - kHorizonY);
    const double x = rnd.Range(4, 796);
    const double s = 2.5 + (y - kHorizonY) / 60.0;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rnd.Range(0, M_PI));
    Ellipse(cr, 0, 0, s * 1.6, s * 0.7);
    cairo_restore(cr);
    FillOutline(cr, colours[i % 4], 1.0);
  }
  // Grass tufts.
  for (int i = 0; i < 90; ++i) {
    const double y = rnd.Range(kHorizonY + 20, 596);
    const double x = rnd.Range(4, 796);
    const double h = 3 + (y - kHorizonY) / 30.0;
    for (int k = -1; k <= 1; ++k) Line(cr, x, y, x + k * h * 0.5, y - h, kGrassDark, 1.3);
  }
}

void DrawBackdrop(cairo_t* cr) {
  Sky(cr);
  Hills(cr);
  // A far tree at the right edge, by the big one: nowhere near where the
  // turkeys of the first scene hold their heads.
  Tree(cr, 778, kHorizonY - 6, 70, 42, 5);
  Fence(cr);
  Lawn(cr);
  Tree(cr, 720, kHorizonY + 40, 190, 100, 3);
  Tree(cr, 22, kHorizonY + 30, 200, 90, 7);
  Pumpkin(cr, 530, kHorizonY + 38, 16);
  Pumpkin(cr, 562, kHorizonY + 48, 11);
  Leaves(cr);
}

void AddBackdrop(PictureList& out) { out.push_back({"bg", 800, 600, false, DrawBackdrop, true}); }

const PictureGroup kBackdrop(AddBackdrop);

}  // namespace
