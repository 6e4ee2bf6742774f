// The shotgun at the bottom of the screen (550, 525), aimed up and to the
// left into the yard. Frames: at rest, the blast with the kick back, smoke
// while it comes forward, almost back.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 250, kH = 75;
constexpr double kAngle = 0.14;  // barrel raised toward the upper left
constexpr double kMuzzleX = 62, kMuzzleY = 20;

void Shotgun(cairo_t* cr, double kick) {
  cairo_save(cr);
  cairo_translate(cr, kMuzzleX + kick * std::cos(kAngle), kMuzzleY + kick * std::sin(kAngle));
  cairo_rotate(cr, kAngle);
  cairo_scale(cr, 0.92, 0.92);
  // Stock and grip, in local coordinates with the muzzle at (0, 0).
  Blob(cr, {{92, 2}, {140, 0}, {192, 4}, {196, 24}, {150, 18}, {110, 14}, {92, 12}});
  FillShaded(cr, kGunStock, 0, 5);
  // Fore-end under the barrels.
  RoundRect(cr, 28, 6, 62, 10, 4);
  FillShaded(cr, kGunStock, 0, 3);
  // Two barrels side by side.
  RoundRect(cr, 0, -8, 104, 8, 3);
  FillShaded(cr, kSteel, 0, 3);
  RoundRect(cr, 0, -1, 104, 7, 3);
  FillShaded(cr, Darker(kSteel, 0.15), 0, 2);
  Line(cr, 6, -6, 96, -6, kSteelLight, 1.4);
  // Receiver, hammer and trigger guard.
  RoundRect(cr, 96, -9, 26, 20, 4);
  FillShaded(cr, kSteel, 0, 5);
  Polygon(cr, {{116, -9}, {124, -16}, {127, -13}, {121, -7}});
  FillOutline(cr, kSteel, 1.5);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 112, 14, 6, 0, M_PI);
  Stroke(cr, kOutline, 2.2);
  cairo_restore(cr);
}

void Flash(cairo_t* cr, double cx, double cy, double size) {
  std::vector<Point> star;
  for (int i = 0; i < 14; ++i) {
    const double a = M_PI + kAngle + (i - 7) * 0.23;
    const double r = (i % 2 ? 0.45 : 1.0) * size * (1.0 - std::abs(i - 7) / 12.0);
    star.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r * 0.9});
  }
  star.push_back({cx + 6, cy + 6});
  Polygon(cr, star);
  FillOutline(cr, kFlashOrange, 1.8);
  Ellipse(cr, cx - size * 0.25, cy, size * 0.3, size * 0.2);
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
                   Shotgun(cr, 10);
                   Flash(cr, kMuzzleX + 6, kMuzzleY + 2, 50);
                 }});
  out.push_back({"Gun03", kW, kH, true, [](cairo_t* cr) {
                   Shotgun(cr, 6);
                   Smoke(cr, kMuzzleX - 18, kMuzzleY - 2, 18);
                   Smoke(cr, kMuzzleX - 40, kMuzzleY - 8, 12);
                 }});
  out.push_back({"Gun04", kW, kH, true, [](cairo_t* cr) {
                   Shotgun(cr, 2);
                   Smoke(cr, kMuzzleX - 46, kMuzzleY - 6, 11);
                 }});
}

const PictureGroup kGun(AddGun);

}  // namespace
