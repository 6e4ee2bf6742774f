// The pilgrim gives up: he jumps off the sill, falls, lands on the lawn and
// ends flat on his back, his hat beside him, seeing stars.
#include <cmath>

#include "picture.h"
#include "pilgrim_scene4.h"

namespace art::scene4 {
namespace {

using A = PilgrimArm;
using F = PilgrimFace;

void AddPictures(PictureList& out) {
  // Enough: he crouches, jumps off the sill, falls and lands on the lawn.
  constexpr double kJumpX = 338, kJumpFoot = 144;  // 110 x 150 at (338, 178 .. 335)
  out.push_back({"pilgrim23", 110, 150, true, [](cairo_t* cr) {
                   Draw(cr, kJumpX, kJumpFoot, {.facingRight = true, .crouch = 1, .lean = 0.25, .nearArm = A::kHip, .farArm = A::kHip, .face = F::kCross});
                 }});
  out.push_back({"pilgrim24", 110, 150, true, [](cairo_t* cr) {
                   Draw(cr, kJumpX, kJumpFoot,
                        {.front = true, .tuck = 0.4, .lift = 10, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kSmiling});
                   for (double x : {16.0, 28.0, 40.0}) Line(cr, x, 136, x, 148, kOutline, 1.5);
                 }});
  for (int i = 0; i < 2; ++i) {
    const PilgrimPose p{.front = true,
                        .stride = i ? 0.7 : -0.7,
                        .nearArm = A::kRaised,
                        .farArm = A::kRaised,
                        .face = F::kSurprised,
                        .hatDx = i ? 2.0 : -2.0,
                        .hatDy = -12,
                        .hatTilt = i ? 0.3 : -0.2};
    out.push_back({i ? "pilgrim26" : "pilgrim25", 110, 150, true, [p](cairo_t* cr) {
                     Draw(cr, kJumpX, kJumpFoot - 2, p);
                     // Falling: lines streaming up past him.
                     for (double x : {2.0, 10.0, 48.0, 56.0}) Line(cr, x, 30, x, 56 + (int(x) % 3) * 8, kOutline, 1.4);
                     SweatDrop(cr, 44, 54);
                   }});
  }
  out.push_back({"pilgrim27", 110, 150, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true,
                                       .crouch = 1,
                                       .nearArm = A::kDown,
                                       .farArm = A::kDown,
                                       .face = F::kDazed,
                                       .hatDy = 7,
                                       .hatTilt = 0.1};
                   Draw(cr, kJumpX, 138, p);
                   Burst(cr, 30, 132, 16, 24, M_PI * 0.85, M_PI * 1.15, 3);
                   Burst(cr, 30, 132, 16, 24, -M_PI * 0.15, M_PI * 0.15, 3);
                   Puff(cr, 16, 132, 5, 0.9);
                   Puff(cr, 46, 132, 5, 0.9);
                 }});

  // Flat on his back on the lawn, hat beside him, seeing stars.
  out.push_back({"pilgrim28", 170, 90, true, [](cairo_t* cr) {
                   DrawPilgrimHat(cr, 24, 80, 1.0, -0.08);
                   cairo_save(cr);
                   cairo_translate(cr, 146, 63);
                   cairo_rotate(cr, -M_PI / 2);
                   DrawPilgrim(cr, -42, -120, 1.0,
                               {.facingRight = true, .stride = 0.4, .nearArm = A::kForward, .farArm = A::kRaised, .face = F::kDazed, .hatOn = false});
                   cairo_restore(cr);
                   DazeStars(cr, 66, 30, 22, 0.8);
                   // The dust of his landing still settling round him.
                   Puff(cr, 12, 78, 5, 0.9);
                   Puff(cr, 158, 80, 6, 0.9);
                   Puff(cr, 148, 70, 4, 0.9);
                   Burst(cr, 100, 84, 12, 20, -M_PI * 0.85, -M_PI * 0.6, 2, 1.5);
                 }});
}

const PictureGroup kJumpDown(AddPictures);

}  // namespace
}  // namespace art::scene4
