// The pilgrim shooting from the sill: a gobble makes him jump, he fires the
// blunderbuss and the bow and misses, stamps, thinks of the big gun, fires
// away with it, and ends sooty and dazed when it backfires.
#include <cmath>

#include "picture.h"
#include "pilgrim_scene4.h"

namespace art::scene4 {
namespace {

using A = PilgrimArm;
using H = PilgrimHolds;
using F = PilgrimFace;

void AddPictures(PictureList& out) {
  // A gobble! He jumps, hat and all; then the blunderbuss, then the bow.
  constexpr double kSillX = 330, kSillFoot = 134;  // 150 x 138 at (330, 188)
  out.push_back({"pilgrim11", 150, 138, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true,
                                       .lift = 6,
                                       .nearArm = A::kWave,
                                       .farArm = A::kWave,
                                       .face = F::kSurprised,
                                       .hatDy = -9,
                                       .hatTilt = 0.15};
                   Draw(cr, kSillX, kSillFoot, p);
                   const Point h = HeadAt(kSillX, kSillFoot, p);
                   Burst(cr, h.x, h.y - 8, 28, 36, -M_PI * 0.9, -M_PI * 0.6, 3);
                   Burst(cr, h.x, h.y - 8, 28, 36, -M_PI * 0.4, -M_PI * 0.1, 3);
                 }});
  out.push_back({"pilgrim12", 150, 138, true, [](cairo_t* cr) {
                   const PilgrimPose p{.facingRight = true, .lean = -0.06, .holds = H::kBlunderbussAimed, .face = F::kCross, .hatDy = -3, .hatTilt = -0.12};
                   const double bx = BoxX(kSillX), by = BoxY(kSillFoot);
                   DrawPilgrim(cr, bx, by, 1, p);
                   const Point m = PilgrimMuzzle(bx, by, 1, p);
                   Flash(cr, m, -0.07, 22);
                   Puff(cr, m.x - 4, m.y - 16, 8, 0.95);
                 }});
  out.push_back({"pilgrim13", 150, 138, true, [](cairo_t* cr) {
                   const PilgrimPose p{.facingRight = true, .holds = H::kBow, .face = F::kSmiling};
                   const double bx = BoxX(kSillX), by = BoxY(kSillFoot);
                   DrawPilgrim(cr, bx, by, 1, p);
                   const Point m = PilgrimMuzzle(bx, by, 1, p);
                   Twang(cr, m.x - 8, m.y);
                   Arrow(cr, m.x + 36, m.y - 6, m.x + 66);
                   for (double dy : {-10.0, -6.0, -2.0}) Line(cr, m.x + 12, m.y + dy, m.x + 30, m.y + dy, kOutline, 1.2);
                 }});
  out.push_back({"pilgrim14", 150, 138, true, [](cairo_t* cr) {
                   Draw(cr, kSillX, kSillFoot, {.facingRight = true, .headTilt = 0.05, .holds = H::kBowDrawn, .face = F::kCross});
                 }});
  out.push_back({"pilgrim15", 164, 138, true, [](cairo_t* cr) {
                   const PilgrimPose p{.facingRight = true, .lean = 0.05, .holds = H::kBow, .face = F::kSurprised};
                   const double bx = BoxX(kSillX), by = BoxY(kSillFoot);
                   DrawPilgrim(cr, bx, by, 1, p);
                   const Point m = PilgrimMuzzle(bx, by, 1, p);
                   Twang(cr, m.x - 8, m.y);
                   Arrow(cr, m.x + 48, m.y - 2, m.x + 78);
                   for (double dy : {-6.0, -2.0, 2.0}) Line(cr, m.x + 16, m.y + dy, m.x + 42, m.y + dy, kOutline, 1.2);
                 }});
  // Missed: hopping mad on the sill, stamping one foot and then the other.
  for (int i = 0; i < 2; ++i) {
    const double side = i ? 1 : -1;
    const PilgrimPose p{.front = true,
                        .stride = side,
                        .lift = 3,
                        .nearArm = i ? A::kHip : A::kWave,
                        .farArm = i ? A::kWave : A::kHip,
                        .face = F::kCross,
                        .hatDy = -3,
                        .hatTilt = side * 0.12};
    out.push_back({i ? "pilgrim16b" : "pilgrim16", 150, 138, true, [p, side](cairo_t* cr) {
                     Draw(cr, kSillX, kSillFoot, p);
                     const Point h = HeadAt(kSillX, kSillFoot, p);
                     // Steam of temper off the hat.
                     Puff(cr, h.x + side * 18, h.y - 36, 5);
                     Puff(cr, h.x + side * 24, h.y - 45, 3.5);
                     Burst(cr, h.x - side * 8, kSillFoot + 2, 12, 20, M_PI * 0.9, M_PI * 1.1, 2, 1.5);
                   }});
  }
  // He thinks it over, and has an idea: the big gun.
  out.push_back({"pilgrim17", 150, 138, true, [](cairo_t* cr) {
                   const PilgrimPose p{.facingRight = true, .headTilt = 0.12, .nearArm = A::kChin, .farArm = A::kHip, .face = F::kEyesClosed};
                   Draw(cr, kSillX, kSillFoot, p);
                   const Point h = HeadAt(kSillX, kSillFoot, p);
                   for (int i = 0; i < 3; ++i) {
                     Ellipse(cr, h.x + 26 + i * 7, h.y - 26 - i * 9, 2 + i, 2 + i);
                     FillOutline(cr, kCloud, 1.2);
                   }
                 }});
  out.push_back({"pilgrim18", 150, 138, true, [](cairo_t* cr) {
                   const PilgrimPose p{.facingRight = true, .headFront = true, .holds = H::kBlunderbuss, .face = F::kSmiling};
                   Draw(cr, kSillX, kSillFoot, p);
                   const Point h = HeadAt(kSillX, kSillFoot, p);
                   Star(cr, h.x + 30, h.y - 40, 6, kLeafGold);
                   Burst(cr, h.x + 30, h.y - 40, 8, 12, 0, 2 * M_PI * 7 / 8, 8, 1.3);
                 }});

  // Firing away: aim, bang, aim, bang.
  constexpr double kFireX = 330, kFireFoot = 136;  // 150 x 140 at (330, 186)
  out.push_back({"pilgrim19", 150, 140, true, [](cairo_t* cr) {
                   Draw(cr, kFireX, kFireFoot, {.facingRight = true, .headTilt = 0.06, .holds = H::kBlunderbussAimed, .face = F::kCross});
                 }});
  out.push_back({"pilgrim20", 150, 140, true, [](cairo_t* cr) {
                   const PilgrimPose p{.facingRight = true,
                                       .stride = -0.3,
                                       .lean = -0.12,
                                       .holds = H::kBlunderbussAimed,
                                       .face = F::kEyesClosed,
                                       .hatDy = -6,
                                       .hatTilt = -0.2};
                   const double bx = BoxX(kFireX), by = BoxY(kFireFoot);
                   DrawPilgrim(cr, bx, by, 1, p);
                   const Point m = PilgrimMuzzle(bx, by, 1, p);
                   Flash(cr, m, -0.18, 30);
                   Puff(cr, m.x - 6, m.y - 18, 9);
                   Puff(cr, m.x + 8, m.y - 24, 6);
                 }});

  // The gun backfired: sooty, dazed, swaying, the muzzle smoking.
  constexpr double kSootX = 342, kSootFoot = 136;  // 120 x 140 at (342, 186)
  for (int i = 0; i < 2; ++i) {
    const PilgrimPose p{.facingRight = true,
                        .headFront = true,
                        .crouch = 0.15,
                        .lean = i ? 0.0 : 0.1,
                        .headTilt = i ? -0.08 : 0.1,
                        .holds = H::kBlunderbuss,
                        .face = F::kDazed,
                        .hatDx = i ? 0.0 : 3.0,
                        .hatDy = -2,
                        .hatTilt = i ? -0.3 : 0.25,
                        .sooty = true};
    out.push_back({i ? "pilgrim22" : "pilgrim21", 120, 140, true, [p, i](cairo_t* cr) {
                     const double bx = BoxX(kSootX), by = BoxY(kSootFoot);
                     DrawPilgrim(cr, bx, by, 1, p);
                     const Point m = PilgrimMuzzle(bx, by, 1, p);
                     Puff(cr, m.x + (i ? 2 : 5), m.y - 8, 5);
                     Puff(cr, m.x + (i ? 6 : 1), m.y - 18, 7, 0.9);
                     const Point h = HeadAt(kSootX, kSootFoot, p);
                     DazeStars(cr, h.x + (i ? 1 : 3), h.y - 44, 17, i ? 1.4 : 0.2);
                   }});
  }
}

const PictureGroup kShooting(AddPictures);

}  // namespace
}  // namespace art::scene4
