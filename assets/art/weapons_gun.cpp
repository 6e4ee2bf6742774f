// The shotgun in the lawn's near corner (550, 525; in scene 2 at 200 and in
// scene 3 at 380), seen from the side: the butt low on the right, the long
// twin barrels rising to the upper left, toward the turkey standing above
// and left of the box in every scene. Frames: at rest, the blast with the
// kick back, smoke while it comes forward, almost back.
#include <cmath>
#include <vector>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 250, kH = 75;
// The muzzle and the butt on the box; the gun is drawn along the line
// between them, x from the muzzle (0) to the butt (kLength), y across it
// (negative: the upper side).
constexpr double kMuzzleX = 40, kMuzzleY = 20;
constexpr double kButtX = 226, kButtY = 58;
const double kAngle = std::atan2(kButtY - kMuzzleY, kButtX - kMuzzleX);
const double kLength = std::hypot(kButtX - kMuzzleX, kButtY - kMuzzleY);

// Into the gun's own frame; kick pushes it back along its line and lifts
// the muzzle a little, as a recoil does.
void Frame(cairo_t* cr, double kick) {
  cairo_translate(cr, kMuzzleX, kMuzzleY);
  cairo_rotate(cr, kAngle);
  cairo_translate(cr, kick, 0);
  cairo_translate(cr, kLength, 0);
  cairo_rotate(cr, kick * 0.005);
  cairo_translate(cr, -kLength, 0);
}

void Shotgun(cairo_t* cr, double kick) {
  cairo_save(cr);
  Frame(cr, kick);
  const double L = kLength;
  // Stock: the grip behind the receiver, widening to the butt, a dark
  // recoil pad at its end.
  Blob(cr, {{L - 64, -5}, {L - 30, -9}, {L - 2, -11}, {L, 2}, {L - 2, 14}, {L - 30, 9}, {L - 58, 8}});
  FillShaded(cr, kGunStock, 0, 3, 1.8);
  RoundRect(cr, L - 5, -11, 6, 25, 2);
  FillOutline(cr, kBlack, 1.4);
  Line(cr, L - 56, -3, L - 12, -7, Lighter(kGunStock, 0.25), 1.6);
  // Fore-end: wood under the barrels.
  RoundRect(cr, 40, 1, 62, 8, 4);
  FillShaded(cr, kGunStock, 0, 2, 1.6);
  // The barrels, one above the other as a side view shows them, a rib and
  // a bead sight on top.
  RoundRect(cr, 0, -6, 118, 6, 2);
  FillShaded(cr, kSteel, 0, 2, 1.5);
  RoundRect(cr, 0, -1, 112, 5, 2);
  FillShaded(cr, Darker(kSteel, 0.15), 0, 2, 1.5);
  Line(cr, 4, -5, 110, -5, kSteelLight, 1.3);
  Ellipse(cr, 4, -7, 1.6, 1.6);
  FillOutline(cr, kBuckle, 1);
  // Receiver with the hammer cocked back, the trigger guard under it.
  cairo_new_sub_path(cr);
  cairo_arc(cr, L - 70, 10, 6, 0, M_PI);
  Stroke(cr, kOutline, 2.4);
  Line(cr, L - 72, 8, L - 70, 14, kOutline, 2);
  RoundRect(cr, 112, -8, L - 176, 17, 4);
  FillShaded(cr, kSteel, 0, 3, 1.8);
  Curve(cr, {{L - 72, -7}, {L - 68, -14}, {L - 61, -14}});
  Stroke(cr, kOutline, 3);
  // Muzzle ring.
  Ellipse(cr, 0, -1, 2, 5.5);
  FillOutline(cr, kSteelLight, 1.3);
  cairo_restore(cr);
}

// The blast thrown out of the muzzle along the barrels' line.
void Flash(cairo_t* cr, double kick) {
  cairo_save(cr);
  Frame(cr, kick);
  std::vector<Point> star;
  for (int i = 0; i <= 14; ++i) {
    const double a = M_PI + (i - 7) * 0.21;
    const double r = (i % 2 ? 15.0 : 30.0) * (1.0 - std::abs(i - 7) / 13.0);
    star.push_back({-2 + std::cos(a) * r, -1 + std::sin(a) * r * 0.65});
  }
  Polygon(cr, star);
  FillOutline(cr, kFlashOrange, 1.8);
  Ellipse(cr, -9, -1, 9, 6);
  FillOutline(cr, kFlashYellow, 1.3);
  cairo_restore(cr);
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
                   Smoke(cr, kMuzzleX - 14, kMuzzleY - 2, 10);
                   Smoke(cr, kMuzzleX + 6, kMuzzleY - 6, 8);
                 }});
  out.push_back({"Gun04", kW, kH, true, [](cairo_t* cr) {
                   Shotgun(cr, 1);
                   Smoke(cr, kMuzzleX - 20, kMuzzleY - 6, 8);
                 }});
}

const PictureGroup kGun(AddGun);

}  // namespace
