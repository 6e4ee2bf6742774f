// The pilgrim and the turkey come to blows: the turkey laughs at him while
// he sees stars, he shakes his fist and pounces, dives, they collide and
// tumble in a cloud with boots, fists and feathers flying out of it.
#include <cmath>

#include "cartoon_marks.h"
#include "pilgrim_turkey_scene5.h"

namespace art::scene5 {
namespace {

using A = PilgrimArm;
using F = PilgrimFace;

// Him diving head first to the right, centred on (cx, cy).
void DivingPilgrim(cairo_t* cr, double cx, double cy, F face) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, 1.25);
  DrawPilgrim(cr, -42, -62, 1.0,
              {.facingRight = true, .tuck = 0.2, .nearArm = A::kRaised, .farArm = A::kRaised, .face = face, .hatDy = -4});
  cairo_restore(cr);
}

// A boot and stocking sticking out of the fight cloud.
void Boot(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Line(cr, 0, 0, 18, 0, kOutline, 8);
  Line(cr, 0, 0, 18, 0, Rgb255(226, 222, 210), 5.2);
  Blob(cr, {{16, -5}, {24, -5}, {30, -1}, {29, 4}, {16, 4}});
  FillShaded(cr, kBlack, 1.5, 1.5, 1.5);
  RoundRect(cr, 19, -6, 4.5, 4, 0.8);
  FillOutline(cr, kBuckle, 1.0);
  cairo_restore(cr);
}

// A fist in a dark sleeve.
void Fist(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Line(cr, 0, 0, 16, 0, kOutline, 10.5);
  Line(cr, 0, 0, 16, 0, kPilgrimCoat, 8);
  Ellipse(cr, 20, 0, 6, 5.5);
  FillShaded(cr, kSkin, 1.5, 1.5, 1.5);
  cairo_restore(cr);
}

// A turkey foot kicking out of the cloud.
void TurkeyFoot(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Line(cr, 0, 0, 18, 0, kOutline, 6);
  Line(cr, 0, 0, 18, 0, kLegs, 3.4);
  for (double a : {-0.6, 0.0, 0.6}) {
    Line(cr, 18, 0, 18 + std::cos(a) * 9, std::sin(a) * 9, kOutline, 5);
    Line(cr, 18, 0, 18 + std::cos(a) * 9, std::sin(a) * 9, kLegs, 2.6);
  }
  cairo_restore(cr);
}

// The tumble: a dust ball with bits of both of them flying out of it.
void FightCloud(cairo_t* cr, int phase) {
  const double cx = 470, cy = 474;
  if (phase == 0) {
    Boot(cr, cx - 52, cy + 30, 2.6);
    Fist(cr, cx + 40, cy - 40, -0.9);
    TurkeyFoot(cr, cx + 52, cy + 24, 0.5);
    Feather(cr, cx - 60, cy - 44, -0.6);
    Feather(cr, cx + 78, cy - 10, 0.4, kFeatherTan);
    DrawPilgrimHat(cr, cx - 46, cy - 36, 0.8, -0.7);
  } else {
    Boot(cr, cx + 44, cy + 34, 0.4);
    Fist(cr, cx - 50, cy - 30, -2.4);
    TurkeyFoot(cr, cx - 56, cy + 22, 2.7);
    Feather(cr, cx + 64, cy - 48, 0.9);
    Feather(cr, cx - 84, cy + 4, -0.3, kFeatherTan);
    DrawPilgrimHat(cr, cx + 40, cy - 40, 0.8, 0.6);
  }
  const double d = phase == 0 ? 0 : 5;
  Cloud(cr, {{cx - 26 + d, cy - 10, 32}, {cx + 18 - d, cy - 22, 30}, {cx + 34, cy + 14 - d, 28}, {cx - 4, cy + 22, 32},
             {cx - 40, cy + 22 + d, 22}});
  ShadedStar(cr, cx - 10 + d * 3, cy - 8, 7, kFlashYellow, d);
  ShadedStar(cr, cx + 22 - d * 2, cy + 16, 6, kFlashYellow, 0.5 + d);
  // Tail feathers poking out at the top.
  Feather(cr, cx + 4 - d * 4, cy - 54, -1.2 + d * 0.1, kTurkeyBrown);
}

void Laugh(cairo_t* cr, Point head, bool right, int phase) {
  const double s = right ? 1 : -1;
  for (int i = 0; i < 2; ++i) {
    const double x = head.x + s * (20 + i * 8 + phase * 3), y = head.y - 14 - i * 8;
    Line(cr, x, y, x + s * 6, y - 5, kOutline, 2);
  }
}

void AddScene(PictureList& out) {
  // He has just fallen: dizzy, while the turkey laughs at him.
  for (int i = 0; i < 2; ++i) {
    Add(out, i == 0 ? "P&T01" : "P&T02", kPT01, [i](cairo_t* cr) {
      const TurkeyLook t{.crouch = i * 0.25, .laughing = true, .eyes = Eyes::kClosed};
      Turkey(cr, kTurkeyCx, kGround, t);
      Laugh(cr, TurkeyHead(kTurkeyCx, kGround, t), true, i);
      Pilgrim(cr, {.facingRight = true, .face = F::kDazed, .hatDy = -5, .hatTilt = 0.3});
      DizzyStars(cr, 396, 414, i);
    });
  }
  // Cross now, shaking his fist; the turkey flaps and jeers.
  for (int i = 0; i < 2; ++i) {
    Add(out, i == 0 ? "P&T03" : "P&T04", kPT01, [i](cairo_t* cr) {
      Turkey(cr, kTurkeyCx, kGround, {.wings = 0.55 + i * 0.35, .beakOpen = true, .eyes = Eyes::kClosed});
      Pilgrim(cr, {.facingRight = true, .nearArm = i == 0 ? A::kRaised : A::kWave, .farArm = A::kHip, .face = F::kCross});
    });
  }
  // Crouched to pounce; the turkey sees it coming.
  Add(out, "P&T05", kPT01, [](cairo_t* cr) {
    Turkey(cr, kTurkeyCx + 4, kGround, {.lean = -0.12, .wings = 0.4, .beakOpen = true, .eyes = Eyes::kWide});
    Pilgrim(cr, {.facingRight = true, .crouch = 1, .lean = 0.35, .nearArm = A::kForward, .farArm = A::kForward, .face = F::kCross});
  });
  // The dive.
  Add(out, "P&T06", kPT06, [](cairo_t* cr) {
    Turkey(cr, kTurkeyCx + 8, kGround, {.lift = 6, .lean = -0.15, .wings = 1, .beakOpen = true, .eyes = Eyes::kWide});
    Streaks(cr, 252, 372, {448, 462, 476, 490});
    DivingPilgrim(cr, 428, 470, F::kCross);
  });
  // The collision, the flash of the hit, the tumble.
  Add(out, "P&T07", kPT07, [](cairo_t* cr) {
    Turkey(cr, kTurkeyCx + 14, kGround, {.lift = 4, .lean = -0.35, .wings = 1, .beakOpen = true, .eyes = Eyes::kDazed});
    DivingPilgrim(cr, 470, 470, F::kSurprised);
    Burst(cr, 510, 456, 22, kFlashOrange, kFlashYellow, 5);
    Feather(cr, 560, 420, 0.6);
    Feather(cr, 592, 452, -0.4, kFeatherTan);
  });
  Add(out, "P&T08", kPT07, [](cairo_t* cr) {
    Boot(cr, 404, 452, 3.4);
    Boot(cr, 410, 468, 3.0);
    TurkeyFoot(cr, 548, 506, 0.4);
    Burst(cr, 478, 470, 72, kFlashOrange, kFlashYellow, 11);
    Feather(cr, 572, 418, 0.6);
    Feather(cr, 598, 470, -0.4, kFeatherTan);
    Feather(cr, 382, 420, 2.2);
  });
  Add(out, "P&T09", kPT07, [](cairo_t* cr) { FightCloud(cr, 0); });
  Add(out, "P&T10", kPT07, [](cairo_t* cr) { FightCloud(cr, 1); });
}

const PictureGroup kTumble(AddScene);

}  // namespace
}  // namespace art::scene5
