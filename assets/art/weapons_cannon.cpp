// The cannon on the lawn at (200, 529), aimed up and to the left. Frames:
// at rest, fuse alight, the boom with its flash and kick, a cloud of smoke.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 200, kH = 70;
constexpr double kAngle = 0.22;  // barrel raised toward the left

void Cannon(cairo_t* cr, double kick, bool fuseLit) {
  cairo_save(cr);
  cairo_translate(cr, kick, 0);
  // Carriage.
  Polygon(cr, {{78, 38}, {150, 30}, {178, 52}, {172, 62}, {96, 62}});
  FillShaded(cr, kWood, 0, 5);
  // Barrel: a tapered tube, muzzle on the left.
  cairo_save(cr);
  cairo_translate(cr, 140, 34);
  cairo_rotate(cr, kAngle);
  Polygon(cr, {{-118, -9}, {-10, -15}, {0, -14}, {6, -8}, {6, 8}, {0, 14}, {-10, 15}, {-118, 9}});
  FillShaded(cr, kCowPatch, 0, 5);
  RoundRect(cr, -124, -12, 10, 24, 3);  // muzzle ring
  FillShaded(cr, kCowPatch, 0, 5);
  RoundRect(cr, -70, -13, 6, 26, 2);
  FillOutline(cr, kBuckle, 1.5);
  Ellipse(cr, 9, 0, 5, 5);  // cascabel knob
  FillOutline(cr, kCowPatch);
  // Fuse.
  Curve(cr, {{-6, -14}, {-2, -22}, {6, -26}});
  Stroke(cr, kOutline, 2);
  if (fuseLit) {
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      Line(cr, 6, -26, 6 + std::cos(a) * 8, -26 + std::sin(a) * 8, kFlashOrange, 2);
    }
    Ellipse(cr, 6, -26, 3.5, 3.5);
    FillOutline(cr, kFlashYellow, 1);
  }
  cairo_restore(cr);
  // Wheel with spokes.
  const double wx = 128, wy = 48, wr = 19;
  Ellipse(cr, wx, wy, wr, wr);
  FillShaded(cr, kWoodLight, 4, 4, 2.5);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 3 + kick * 0.1;
    Line(cr, wx, wy, wx + std::cos(a) * (wr - 3), wy + std::sin(a) * (wr - 3), kWood, 3);
  }
  Ellipse(cr, wx, wy, 5, 5);
  FillOutline(cr, kSteel, 1.5);
  cairo_restore(cr);
}

void Boom(cairo_t* cr) {
  std::vector<Point> star;
  const double cx = 30, cy = 16;
  for (int i = 0; i < 18; ++i) {
    const double a = M_PI - kAngle + (i - 9) * 0.2;
    const double r = (i % 2 ? 14 : 34) * (1.0 - std::abs(i - 9) / 16.0);
    star.push_back({cx + std::cos(a) * r, cy - std::sin(a) * r * 0.8});
  }
  star.push_back({cx + 8, cy + 8});
  star.push_back({cx + 8, cy - 6});
  Polygon(cr, star);
  FillOutline(cr, kFlashOrange, 1.8);
  Ellipse(cr, 20, 14, 12, 8);
  FillOutline(cr, kFlashYellow, 1.2);
}

void SmokeCloud(cairo_t* cr) {
  const Point puffs[] = {{14, 16, }, {32, 26}, {26, 8}, {46, 14}};
  const double radii[] = {12, 11, 9, 10};
  for (int i = 0; i < 4; ++i) {
    Ellipse(cr, puffs[i].x, puffs[i].y, radii[i] * 1.2, radii[i]);
    FillShaded(cr, kSmoke, 2, 3, 1.5);
  }
}

void AddCannon(PictureList& out) {
  out.push_back({"Cannon1", kW, kH, true, [](cairo_t* cr) { Cannon(cr, 0, false); }});
  out.push_back({"Cannon2", kW, kH, true, [](cairo_t* cr) { Cannon(cr, 0, true); }});
  out.push_back({"Cannon3", kW, kH, true, [](cairo_t* cr) {
                   Cannon(cr, 10, false);
                   Boom(cr);
                 }});
  out.push_back({"Cannon4", kW, kH, true, [](cairo_t* cr) {
                   Cannon(cr, 5, false);
                   SmokeCloud(cr);
                 }});
}

const PictureGroup kCannon(AddCannon);

}  // namespace
