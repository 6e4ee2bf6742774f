// After the tumble: he lies flat on his back, the turkey flips his hat onto
// its own head, bounces on his belly and runs off to the right, leaving him
// seeing stars.
#include <cmath>

#include "cartoon_marks.h"
#include "pilgrim_turkey_scene5.h"

namespace art::scene5 {
namespace {

using F = PilgrimFace;

void AddScene(PictureList& out) {
  // The cloud bursts: he is flat on his back, his hat lies at the turkey's feet.
  const PilgrimPose flat{.face = F::kDazed, .hatOn = false};
  const double hatX = 514;
  Add(out, "P&T11", kPT07, [flat, hatX](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    DrawPilgrimHat(cr, hatX, kGround - 2, 0.9, 0.25);
    Turkey(cr, kTurkeyCx + 30, kGround, {.wings = 0.7, .eyes = Eyes::kDazed});
    Cloud(cr, {{392, 446, 16}, {404, 440, 10}});
    Cloud(cr, {{590, 430, 14}});
    Cloud(cr, {{468, 418, 13}, {480, 414, 9}});
    Cloud(cr, {{350, 510, 11}});
    PopLines(cr, 470, 474, 56, 68, 7, -2.8, -0.3);
    Feather(cr, 440, 420, 0.5);
    Feather(cr, 530, 418, -0.8, kFeatherTan);
    Feather(cr, 620, 470, 1.6);
  });
  Add(out, "P&T12", kPT07, [flat, hatX](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    DrawPilgrimHat(cr, hatX, kGround - 2, 0.9, 0.25);
    Turkey(cr, kTurkeyCx + 30, kGround, {.lean = 0.35, .eyes = Eyes::kOpen});
    Feather(cr, 446, 436, 1.1);
    Feather(cr, 522, 424, 0.2, kFeatherTan);
    Feather(cr, 616, 486, 2.4);
  });
  // It flips the hat up with its beak... and catches it on its head.
  const double hatPath[][3] = {{540, 458, 1.1}, {552, 416, 2.9}, {556, 432, 5.9}};
  for (int i = 0; i < 3; ++i) {
    const char* names[] = {"P&T13", "P&T14", "P&T15"};
    Add(out, names[i], kPT07, [flat, i, hatPath](cairo_t* cr) {
      LyingPilgrim(cr, flat);
      const TurkeyLook t{.crouch = i == 2 ? 0.3 : 0, .lean = -0.15, .beakOpen = i == 0, .eyes = Eyes::kOpen};
      Turkey(cr, kTurkeyCx + 30, kGround, t);
      DrawPilgrimHat(cr, hatPath[i][0], hatPath[i][1], 0.9, hatPath[i][2]);
      if (i == 0) PopLines(cr, hatPath[i][0], hatPath[i][1] - 12, 22, 30, 5, -2.6, -0.5);
      Feather(cr, 452 - i * 4, 452 + i * 14, 1.1 + i * 0.5);
      Feather(cr, 610 + i * 3, 500 + i * 8, 2.4 + i * 0.4);
    });
  }
  const TurkeyLook proud{.wings = 0.15, .beakOpen = true, .hat = true, .eyes = Eyes::kClosed};
  Add(out, "P&T16", kPT07, [flat, proud](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    Turkey(cr, kTurkeyCx + 30, kGround, {.crouch = 0.4, .hat = true, .eyes = Eyes::kWide});
    const Point h = TurkeyHead(kTurkeyCx + 30, kGround, {.crouch = 0.4});
    PopLines(cr, h.x, h.y - 24, 26, 34, 5, -2.7, -0.4);
    Feather(cr, 620, 520, 3.0);
  });
  Add(out, "P&T17", kPT07, [flat, proud](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    Turkey(cr, kTurkeyCx + 30, kGround, proud);
  });
  // Bouncing on his belly: landed, up, top, down, landing again.
  struct Bounce {
    const char* name;
    double lift, crouch, wings, squash;
  };
  const Bounce bounces[] = {{"P&T18", 0, 0.7, 0.3, 0.88},
                            {"P&T19", 14, 0, 0.7, 1.0},
                            {"P&T20", 22, 0, 1.0, 1.0},
                            {"P&T21", 12, 0.2, 0.6, 1.0},
                            {"P&T22", 0, 1.0, 0.2, 0.84}};
  for (const Bounce& b : bounces) {
    Add(out, b.name, kPT18, [flat, b](cairo_t* cr) {
      LyingPilgrim(cr, {.face = b.squash < 1 ? F::kEyesClosed : F::kDazed, .hatOn = false}, b.squash);
      const double footY = kBellyY + (1 - b.squash) * 34;
      Turkey(cr, kBellyX, footY, {.lift = b.lift, .crouch = b.crouch, .wings = b.wings, .beakOpen = b.lift > 0, .hat = true,
                                  .eyes = Eyes::kClosed});
      if (b.squash < 1) PopLines(cr, kBellyX, footY, 22, 32, 4, -M_PI + 0.2, -M_PI + 0.9);
      if (b.squash < 1) PopLines(cr, kBellyX, footY, 22, 32, 4, -0.9, -0.2);
      (void)flat;
    });
  }
  // Standing on him, pleased with itself; then off the belly, ready to run.
  Add(out, "P&T23", kPT23, [flat, proud](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    TurkeyLook onBelly = proud;
    onBelly.crouch = 1;  // settled on him, and clear of the picture's top
    onBelly.lift = -10;
    Turkey(cr, kBellyX, kBellyY, onBelly);
  });
  Add(out, "P&T24", kPT23, [flat](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    // Already off: the speed lines of its start (the next frame is stepped
    // past, so this one carries the zoom).
    Streaks(cr, 486, 540, {478, 494, 510});
    Turkey(cr, 560, kGround, {.facingRight = true, .crouch = 1, .lean = 0.45, .wings = 0.3, .hat = true, .eyes = Eyes::kOpen});
  });
  Add(out, "P&T25", kPT23, [flat](cairo_t* cr) {
    LyingPilgrim(cr, flat);
    Streaks(cr, 500, 556, {474, 490, 506});
    Turkey(cr, 570, kGround, {.facingRight = true, .lean = 0.7, .wings = 0.9, .running = true, .hat = true, .eyes = Eyes::kWide});
  });
  // Left behind, seeing stars.
  for (int i = 0; i < 2; ++i) {
    Add(out, i == 0 ? "P&T26" : "P&T27", kPT26, [flat, i](cairo_t* cr) {
      LyingPilgrim(cr, flat);
      DizzyStars(cr, 376, 486, i);
    });
  }
}

const PictureGroup kTheHat(AddScene);

}  // namespace
}  // namespace art::scene5
