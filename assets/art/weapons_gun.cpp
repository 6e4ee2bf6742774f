// The shotgun at the bottom of the screen (550, 525; in scene 2 at 200 and in
// scene 3 at 380), seen from behind the shooter: it points up the lawn, into
// the picture, at the turkey standing ahead of it. Foreshortened, so the
// stock is near and broad and the twin muzzles small and far. Frames: at
// rest, the blast with the kick back, smoke while it comes forward, almost
// back.
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 250, kH = 75;
// The gun's axis: the muzzles far up, the butt near the viewer. The turkeys
// stand 40 to 90 pixels right of the sprite's left edge in their scenes, so
// the axis leans a little to the right on its way up.
constexpr double kMuzzleX = 70, kMuzzleY = 18;
constexpr double kButtX = 56, kButtY = 68;

// A point on the axis at depth d (0 muzzle .. 1 butt), with a sideways
// offset scaled by the perspective there.
Point At(double d, double side, double kick) {
  const double scale = 0.4 + 0.8 * d;
  return {kMuzzleX + (kButtX - kMuzzleX) * d + side * scale,
          kMuzzleY + (kButtY - kMuzzleY) * d + kick * (0.4 + 0.6 * d)};
}

void Shape(cairo_t* cr, std::initializer_list<std::pair<double, double>> depthAndSide, double kick) {
  std::vector<Point> pts;
  for (auto [d, side] : depthAndSide) pts.push_back(At(d, side, kick));
  Polygon(cr, pts);
}

void Shotgun(cairo_t* cr, double kick) {
  // Stock: the near end, its top lit and its right side in shade, with the
  // grip narrowing toward the receiver and a dark recoil pad at the butt.
  Shape(cr, {{0.64, -6}, {0.64, 6}, {0.8, 11}, {1.0, 15}, {1.0, -15}, {0.8, -11}}, kick);
  FillShaded(cr, kGunStock, 0, 0, 1.8);
  Shape(cr, {{0.66, 6}, {0.8, 11}, {1.0, 15}, {1.0, 21}, {0.8, 16}, {0.68, 9}}, kick);
  FillOutline(cr, Darker(kGunStock, 0.3), 1.6);
  Shape(cr, {{0.97, -15}, {0.97, 21}, {1.02, 21}, {1.02, -15}}, kick);
  FillOutline(cr, kBlack, 1.4);
  Line(cr, At(0.7, -3, kick).x, At(0.7, -3, kick).y, At(0.93, -6, kick).x, At(0.93, -6, kick).y,
       Lighter(kGunStock, 0.25), 1.4);
  // Fore-end: wood under and beside the barrels.
  Shape(cr, {{0.22, -10}, {0.22, 10}, {0.5, 11}, {0.5, -11}}, kick);
  FillShaded(cr, kGunStock, 0, 2, 1.6);
  // The two barrels side by side, narrowing with distance, a rib between.
  for (double side : {-4.5, 4.5}) {
    Shape(cr, {{0.0, side - 4.5}, {0.0, side + 4.5}, {0.62, side + 4.5}, {0.62, side - 4.5}}, kick);
    FillShaded(cr, kSteel, side < 0 ? 1 : -1, 0, 1.5);
  }
  Line(cr, At(0.02, 0, kick).x, At(0.02, 0, kick).y, At(0.52, 0, kick).x, At(0.52, 0, kick).y, kSteelLight, 1.4);
  // Muzzles: two dark bores in steel rings, the bead sight between them.
  for (double side : {-4.5, 4.5}) {
    const Point m = At(0.0, side, kick);
    Ellipse(cr, m.x, m.y, 3.4, 2.6);
    FillOutline(cr, kSteelLight, 1.2);
    Ellipse(cr, m.x, m.y, 1.7, 1.2);
    Fill(cr, kBlack);
  }
  // Receiver, the trigger guard hanging below it on the shaded side, and the
  // two hammers cocked back toward the shooter.
  const Point r = At(0.62, 0, kick);
  cairo_new_sub_path(cr);
  cairo_arc(cr, r.x + 12, r.y + 6, 5, -0.3, M_PI * 0.9);
  Stroke(cr, kOutline, 2.2);
  RoundRect(cr, r.x - 12, r.y - 4, 24, 10, 3);
  FillShaded(cr, kSteel, 0, 2, 1.6);
  for (double side : {-1.0, 1.0}) {
    Curve(cr, {{r.x + side * 7, r.y - 2}, {r.x + side * 11, r.y - 8}, {r.x + side * 14, r.y - 6}});
    Stroke(cr, kOutline, 2.4);
  }
}

void Flash(cairo_t* cr, double kick) {
  const Point m = At(0.0, 0, kick);
  std::vector<Point> star;
  // Rays thrown up the lawn, widest straight ahead.
  for (int i = 0; i <= 12; ++i) {
    const double a = -M_PI / 2 + (i - 6) * 0.24;
    const double r = (i % 2 ? 7.0 : 17.0) * (1.0 - std::abs(i - 6) / 10.0);
    star.push_back({m.x + std::cos(a) * r * 1.3, m.y + 2 + std::sin(a) * r});
  }
  Polygon(cr, star);
  FillOutline(cr, kFlashOrange, 1.8);
  Ellipse(cr, m.x, m.y - 4, 6, 4.5);
  FillOutline(cr, kFlashYellow, 1.2);
}

void Smoke(cairo_t* cr, double cx, double cy, double r) {
  Blob(cr, {{cx - r, cy}, {cx - r * 0.4, cy - r * 0.8}, {cx + r * 0.5, cy - r * 0.6}, {cx + r * 0.9, cy + r * 0.1},
            {cx + r * 0.2, cy + r * 0.6}, {cx - r * 0.6, cy + r * 0.5}});
  FillShaded(cr, kSmoke, r * 0.2, r * 0.25, 1.5);
}

void AddGun(PictureList& out) {
  out.push_back({"Gun01", kW, kH, true, [](cairo_t* cr) { Shotgun(cr, 0); }});
  out.push_back({"Gun02", kW, kH, true, [](cairo_t* cr) {
                   Shotgun(cr, 4);
                   Flash(cr, 4);
                 }});
  out.push_back({"Gun03", kW, kH, true, [](cairo_t* cr) {
                   Shotgun(cr, 2);
                   Smoke(cr, kMuzzleX + 6, kMuzzleY - 8, 9);
                   Smoke(cr, kMuzzleX - 10, kMuzzleY - 4, 7);
                 }});
  out.push_back({"Gun04", kW, kH, true, [](cairo_t* cr) {
                   Shotgun(cr, 1);
                   Smoke(cr, kMuzzleX + 10, kMuzzleY - 10, 7);
                 }});
}

const PictureGroup kGun(AddGun);

}  // namespace
