// The cannon on the lawn at (200, 529), seen from behind its gunner: it
// points up the lawn, into the picture, at the turkey of scene 2, who stands
// about 90 pixels right of the sprite's left edge. The breech with its knob
// is near and big, the muzzle far and small, the wheels seen edge-on at the
// sides. Frames: at rest, fuse alight, the boom with its flash and the first
// smoke, a cloud of smoke.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 200, kH = 70;
constexpr double kAxisX = 92;                   // the barrel's line, up the lawn
constexpr double kMuzzleY = 28, kBreechY = 50;  // far and near ends of the barrel

void Wheel(cairo_t* cr, double cx, double cy) {
  Ellipse(cr, cx, cy, 7, 19);
  FillShaded(cr, kWoodLight, 2, 2, 2.2);
  Ellipse(cr, cx, cy, 3.5, 14);
  Stroke(cr, kWood, 2);
  Ellipse(cr, cx, cy, 2.5, 3);
  FillOutline(cr, kSteel, 1.2);
}

void Cannon(cairo_t* cr, double kick, bool fuseLit) {
  cairo_save(cr);
  cairo_translate(cr, 0, kick);
  // Carriage cheeks between the wheels, and the trail running back toward us.
  Polygon(cr, {{kAxisX - 30, 40}, {kAxisX + 30, 40}, {kAxisX + 26, 56}, {kAxisX - 26, 56}});
  FillShaded(cr, kWood, 0, 4);
  Polygon(cr, {{kAxisX - 10, 54}, {kAxisX + 10, 54}, {kAxisX + 14, 64}, {kAxisX - 14, 64}});
  FillShaded(cr, kWood, 0, 2);
  Wheel(cr, kAxisX - 36, 46);
  Wheel(cr, kAxisX + 36, 46);
  // Barrel: a tapering tube going away from us, iron with a brass band.
  Polygon(cr, {{kAxisX - 9, kMuzzleY}, {kAxisX + 9, kMuzzleY}, {kAxisX + 17, kBreechY}, {kAxisX - 17, kBreechY}});
  FillShaded(cr, kCowPatch, -2, 0);
  Line(cr, kAxisX - 3, kMuzzleY + 2, kAxisX - 6, kBreechY - 4, Lighter(kCowPatch, 0.35), 1.6);
  Polygon(cr, {{kAxisX - 13, 38}, {kAxisX + 13, 38}, {kAxisX + 14, 41}, {kAxisX - 14, 41}});
  FillOutline(cr, kBuckle, 1.2);
  // Muzzle ring and its dark bore.
  Ellipse(cr, kAxisX, kMuzzleY, 11, 6);
  FillShaded(cr, kCowPatch, 0, 1, 1.8);
  Ellipse(cr, kAxisX, kMuzzleY, 6.5, 3.5);
  Fill(cr, kBlack);
  // Breech and its knob, nearest to the viewer.
  Ellipse(cr, kAxisX, kBreechY, 17, 9);
  FillShaded(cr, kCowPatch, 0, 2);
  Ellipse(cr, kAxisX, kBreechY + 6, 5, 5);
  FillOutline(cr, kCowPatch);
  // Fuse from the touch hole on top of the breech.
  Curve(cr, {{kAxisX + 6, kBreechY - 6}, {kAxisX + 12, kBreechY - 13}, {kAxisX + 20, kBreechY - 14}});
  Stroke(cr, kOutline, 2);
  if (fuseLit) {
    const double fx = kAxisX + 20, fy = kBreechY - 14;
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      Line(cr, fx, fy, fx + std::cos(a) * 7, fy + std::sin(a) * 7, kFlashOrange, 2);
    }
    Ellipse(cr, fx, fy, 3.5, 3.5);
    FillOutline(cr, kFlashYellow, 1);
  }
  cairo_restore(cr);
}

void Puff(cairo_t* cr, double cx, double cy, double r) {
  Ellipse(cr, cx, cy, r * 1.25, r);
  FillShaded(cr, kSmoke, 2, 3, 1.5);
}

// The blast thrown up the lawn from the muzzle, smoke already rolling out
// on both sides of it.
void Boom(cairo_t* cr) {
  Puff(cr, kAxisX - 30, 24, 9);
  Puff(cr, kAxisX + 30, 22, 10);
  Puff(cr, kAxisX - 44, 32, 7);
  std::vector<Point> star;
  const double cx = kAxisX, cy = kMuzzleY - 2;
  for (int i = 0; i <= 16; ++i) {
    const double a = -M_PI / 2 + (i - 8) * 0.2;
    const double r = (i % 2 ? 9.0 : 21.0) * (1.0 - std::abs(i - 8) / 13.0);
    star.push_back({cx + std::cos(a) * r * 1.5, cy + std::sin(a) * r});
  }
  Polygon(cr, star);
  FillOutline(cr, kFlashOrange, 1.8);
  Ellipse(cr, cx, cy - 5, 10, 6);
  FillOutline(cr, kFlashYellow, 1.2);
}

void SmokeCloud(cairo_t* cr) {
  const Point puffs[] = {{kAxisX - 18, 20}, {kAxisX + 14, 14}, {kAxisX - 2, 26}, {kAxisX + 34, 26}, {kAxisX - 38, 30}};
  const double radii[] = {11, 12, 10, 9, 8};
  for (int i = 0; i < 5; ++i) Puff(cr, puffs[i].x, puffs[i].y, radii[i]);
}

void AddCannon(PictureList& out) {
  out.push_back({"Cannon1", kW, kH, true, [](cairo_t* cr) { Cannon(cr, 0, false); }});
  out.push_back({"Cannon2", kW, kH, true, [](cairo_t* cr) { Cannon(cr, 0, true); }});
  out.push_back({"Cannon3", kW, kH, true, [](cairo_t* cr) {
                   Cannon(cr, 3, false);
                   Boom(cr);
                 }});
  out.push_back({"Cannon4", kW, kH, true, [](cairo_t* cr) {
                   Cannon(cr, 1, false);
                   SmokeCloud(cr);
                 }});
}

const PictureGroup kCannon(AddCannon);

}  // namespace
