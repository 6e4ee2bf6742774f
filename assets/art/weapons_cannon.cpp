// The cannon on the lawn at (200, 529), seen from the side: a big spoked
// wheel, the trail running back to the right, and the barrel rising to the
// upper left, toward the turkey of scene 2 standing above the box. Frames:
// at rest, fuse alight, the boom with a big flash and the smoke rolling out,
// a cloud of smoke.
#include <cmath>
#include <vector>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 200, kH = 70;
// The barrel's line: the muzzle upper left, the breech lower right.
constexpr double kMuzzleX = 46, kMuzzleY = 26;
constexpr double kBreechX = 160, kBreechY = 44;
constexpr double kWheelX = 118, kWheelY = 48, kWheelR = 19;

void Wheel(cairo_t* cr) {
  Ellipse(cr, kWheelX, kWheelY, kWheelR, kWheelR);
  FillShaded(cr, kWood, 2, 2, 2.4);
  Ellipse(cr, kWheelX, kWheelY, kWheelR - 5, kWheelR - 5);
  FillOutline(cr, Darker(kWood, 0.25), 1.4);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 6;
    const double dx = std::cos(a) * (kWheelR - 5), dy = std::sin(a) * (kWheelR - 5);
    Line(cr, kWheelX - dx, kWheelY - dy, kWheelX + dx, kWheelY + dy, kWoodLight, 2.6);
  }
  Ellipse(cr, kWheelX, kWheelY, 4, 4);
  FillOutline(cr, kSteel, 1.2);
}

void Cannon(cairo_t* cr, double kick, bool fuseLit) {
  cairo_save(cr);
  cairo_translate(cr, kick, kick * 0.3);
  // Trail: the carriage's beam from under the barrel back to the ground.
  Polygon(cr, {{kWheelX - 22, kWheelY - 12}, {kWheelX + 10, kWheelY - 14}, {188, 60}, {186, 66}, {176, 66},
               {kWheelX - 18, kWheelY - 2}});
  FillShaded(cr, kWood, 0, 3, 2);
  // Barrel: iron, tapering from the breech to the muzzle, with a brass band
  // and a swell at the muzzle.
  const double a = std::atan2(kBreechY - kMuzzleY, kBreechX - kMuzzleX);
  const double len = std::hypot(kBreechX - kMuzzleX, kBreechY - kMuzzleY);
  cairo_save(cr);
  cairo_translate(cr, kMuzzleX, kMuzzleY);
  cairo_rotate(cr, a);
  Polygon(cr, {{4, -7}, {len, -12}, {len, 12}, {4, 7}});
  FillShaded(cr, kCowPatch, 0, 4, 2);
  Line(cr, 8, -4, len - 6, -8, Lighter(kCowPatch, 0.4), 2);
  RoundRect(cr, len * 0.55, -10.5, 6, 21, 1.5);
  FillOutline(cr, kBuckle, 1.2);
  RoundRect(cr, -2, -9, 9, 18, 3);
  FillShaded(cr, kCowPatch, 0, 3, 2);
  Ellipse(cr, len + 5, 0, 7, 7);  // the knob at the breech
  FillShaded(cr, kCowPatch, 2, 2, 2);
  // Fuse from the touch hole near the breech.
  Curve(cr, {{len - 8, -11}, {len - 4, -17}, {len + 3, -19}});
  Stroke(cr, kOutline, 2);
  if (fuseLit) {
    const double fx = len + 3, fy = -19;
    for (int i = 0; i < 8; ++i) {
      const double t = i * M_PI / 4;
      Line(cr, fx, fy, fx + std::cos(t) * 7, fy + std::sin(t) * 7, kFlashOrange, 2);
    }
    Ellipse(cr, fx, fy, 3.5, 3.5);
    FillOutline(cr, kFlashYellow, 1);
  }
  cairo_restore(cr);
  Wheel(cr);
  cairo_restore(cr);
}

void Puff(cairo_t* cr, double cx, double cy, double r) {
  Ellipse(cr, cx, cy, r * 1.25, r);
  FillShaded(cr, kSmoke, 2, 3, 1.5);
}

// The blast thrown out of the muzzle along the barrel's line, smoke
// already rolling out above and behind it.
void Boom(cairo_t* cr) {
  Puff(cr, 70, 12, 9);
  Puff(cr, 92, 18, 7);
  Puff(cr, 52, 44, 8);
  const double a = std::atan2(kBreechY - kMuzzleY, kBreechX - kMuzzleX);
  cairo_save(cr);
  cairo_translate(cr, kMuzzleX - 2, kMuzzleY);
  cairo_rotate(cr, a);
  std::vector<Point> star;
  for (int i = 0; i <= 18; ++i) {
    const double t = M_PI + (i - 9) * 0.19;
    const double r = (i % 2 ? 22.0 : 42.0) * (1.0 - std::abs(i - 9) / 16.0);
    star.push_back({std::cos(t) * r, std::sin(t) * r * 0.7});
  }
  Polygon(cr, star);
  FillOutline(cr, kFlashOrange, 2);
  Ellipse(cr, -13, 0, 13, 8);
  FillOutline(cr, kFlashYellow, 1.4);
  Ellipse(cr, -10, 0, 6, 4);
  Fill(cr, kWhite);
  cairo_restore(cr);
}

void SmokeCloud(cairo_t* cr) {
  const Point puffs[] = {{30, 22}, {54, 14}, {44, 34}, {76, 22}, {20, 40}};
  const double radii[] = {12, 11, 10, 9, 8};
  for (int i = 0; i < 5; ++i) Puff(cr, puffs[i].x, puffs[i].y, radii[i]);
}

void AddCannon(PictureList& out) {
  out.push_back({"Cannon1", kW, kH, true, [](cairo_t* cr) { Cannon(cr, 0, false); }});
  out.push_back({"Cannon2", kW, kH, true, [](cairo_t* cr) { Cannon(cr, 0, true); }});
  out.push_back({"Cannon3", kW, kH, true, [](cairo_t* cr) {
                   Cannon(cr, 4, false);
                   Boom(cr);
                 }});
  out.push_back({"Cannon4", kW, kH, true, [](cairo_t* cr) {
                   Cannon(cr, 1, false);
                   SmokeCloud(cr);
                 }});
}

const PictureGroup kCannon(AddCannon);

}  // namespace
