// The pilgrim and the turkey together, after his fall: the turkey laughs at
// him, he charges, they tumble in a cloud, the turkey ends up in his hat,
// bounces on his belly and shoots off to the right, leaving him seeing stars.
//
// Every picture is drawn in screen coordinates and shifted by its own
// top-left corner, so that pictures of different sprites (which stand at
// slightly different places) still line up with each other.
#include <cmath>
#include <functional>

#include "cartoon_marks.h"
#include "picture.h"
#include "pilgrim_figure.h"
#include "style.h"

namespace {

using namespace art;

// --- Where things stand (screen pixels) -----------------------------------

constexpr double kGround = 528;      // foot line of the whole scene
constexpr double kPilgrimX = 352;    // standing pilgrim's box (centre 394)
constexpr double kTurkeyCx = 528;    // turkey standing to his right
constexpr double kLieFeetX = 484;    // lying on his back: feet here, head left
constexpr double kLieY = 511;        // ... his body's middle line
constexpr double kBellyX = 446, kBellyY = 499;  // top of his belly when lying

struct Spot {
  int x, y, w, h;
};

constexpr Spot kPT01{330, 390, 320, 150};
constexpr Spot kPT06{244, 399, 400, 141};
constexpr Spot kPT07{330, 398, 320, 142};
constexpr Spot kPT18{328, 344, 320, 196};
constexpr Spot kPT23{333, 391, 320, 149};
constexpr Spot kPT26{334, 391, 320, 149};

void Add(PictureList& out, const char* name, Spot s, std::function<void(cairo_t*)> draw) {
  out.push_back({name, s.w, s.h, true, [s, draw](cairo_t* cr) {
                   cairo_translate(cr, -s.x, -s.y);
                   draw(cr);
                 }});
}

// --- The two of them ------------------------------------------------------

void Pilgrim(cairo_t* cr, const PilgrimPose& p, double dx = 0) { DrawPilgrim(cr, kPilgrimX + dx, kGround - 120, 1.0, p); }

// Flat on his back, belly up, head to the left. `squash` < 1 presses him
// flatter (the turkey landing on him).
void LyingPilgrim(cairo_t* cr, PilgrimPose p, double squash = 1.0) {
  p.facingRight = true;
  cairo_save(cr);
  cairo_translate(cr, 0, kLieY + 17);
  cairo_scale(cr, 1, squash);
  cairo_translate(cr, kLieFeetX, -17);
  cairo_rotate(cr, -M_PI / 2);
  DrawPilgrim(cr, -42, -120, 1.0, p);
  cairo_restore(cr);
}

// --- The turkey -------------------------------------------------------------

enum class Eyes { kOpen, kWide, kClosed, kDazed };

struct TurkeyLook {
  bool facingRight = false;
  double lift = 0;      // px above its foot point
  double crouch = 0;    // 0..1 knees bent, body lower
  double lean = 0;      // radians, body tipped forward
  double wings = 0;     // 0 folded .. 1 spread up
  double stride = 0;    // -1..1 which leg is forward
  bool beakOpen = false;
  bool laughing = false;  // head thrown back, beak wide
  bool running = false;   // legs a whirl
  bool hat = false;       // wearing the pilgrim's hat
  Eyes eyes = Eyes::kOpen;
};

const Colour kTurkeyHead = Rgb255(232, 206, 190);
constexpr double kTurkeyScale = 0.85;  // a head shorter than the pilgrim

// Facing right around its own foot point (0, 0), about 96 px tall. Returns
// nothing; the head's place for extras comes from TurkeyHead.
Point TurkeyHeadLocal(const TurkeyLook& t) {
  const double sink = 10 * t.crouch;
  const double back = t.laughing ? -8 : 0;
  return {24 + back + std::sin(t.lean) * 40, -84 + sink + (1 - std::cos(t.lean)) * 30 - (t.laughing ? 2 : 0)};
}

void TurkeyLeg(cairo_t* cr, Point hip, Point foot, bool far) {
  const Colour c = far ? Darker(kLegs, 0.15) : kLegs;
  Line(cr, hip.x, hip.y, foot.x, foot.y, kOutline, 6);
  Line(cr, hip.x, hip.y, foot.x, foot.y, c, 3.4);
  for (double a : {-0.5, 0.0, 0.5}) {
    const double tx = foot.x + std::cos(a) * 9, ty = foot.y + std::sin(a) * 3 + 1;
    Line(cr, foot.x, foot.y, tx, ty, kOutline, 5);
    Line(cr, foot.x, foot.y, tx, ty, c, 2.6);
  }
}

void TurkeyLocal(cairo_t* cr, const TurkeyLook& t) {
  const double sink = 10 * t.crouch;
  const double by = -44 + sink;
  // Legs: a whirl when running, else two jointed legs.
  if (t.running) {
    for (int i = 0; i < 3; ++i) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, 2, -12, 11 + i * 2, i * 1.4, i * 1.4 + 3.6);
      Stroke(cr, kOutline, 2);
    }
    TurkeyLeg(cr, {-2, by + 16}, {-14, -4}, true);
    TurkeyLeg(cr, {6, by + 16}, {18, -6}, false);
  } else {
    TurkeyLeg(cr, {-4, by + 16}, {-6 - 8 * t.stride, 0}, true);
  }
  cairo_save(cr);
  cairo_translate(cr, 0, by);
  cairo_rotate(cr, t.lean * 0.8);
  // Tail fan behind, striped feathers.
  const Colour fan[] = {kFeatherRust, kTurkeyBrown, kFeatherTan, kTurkeyBrown, kFeatherRust};
  for (int i = 0; i < 9; ++i) {
    const double a = -M_PI * 0.95 + i * (M_PI * 0.62) / 8;
    const double ex = -14 + std::cos(a) * 46, ey = -6 + std::sin(a) * 44;
    const double px = -std::sin(a) * 8, py = std::cos(a) * 8;
    Blob(cr, {{-14 + px * 0.4, -6 + py * 0.4}, {ex + px, ey + py}, {ex + std::cos(a) * 6, ey + std::sin(a) * 6},
              {ex - px, ey - py}, {-14 - px * 0.4, -6 - py * 0.4}});
    FillShaded(cr, fan[i % 5], std::cos(a) > 0 ? 2 : -2, 2, 1.6);
    Curve(cr, {{-14 + (ex + 14) * 0.72 - px * 0.8, -6 + (ey + 6) * 0.72 - py * 0.8},
               {-14 + (ex + 14) * 0.74, -6 + (ey + 6) * 0.74 + 1},
               {-14 + (ex + 14) * 0.72 + px * 0.8, -6 + (ey + 6) * 0.72 + py * 0.8}});
    Stroke(cr, kWhite, 1.6);
  }
  // Body.
  Blob(cr, {{-28, -4}, {-18, -22}, {6, -24}, {26, -12}, {30, 6}, {18, 22}, {-8, 24}, {-26, 14}});
  FillShaded(cr, kTurkeyBrown, 4, 5);
  // Breast scallops.
  for (int r = 0; r < 2; ++r)
    for (int i = 0; i < 3; ++i) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, 10 + i * 6 - r * 3, -4 + r * 9 + i * 2, 4, 0.2, M_PI - 0.2);
      Stroke(cr, kTurkeyDark, 1.4);
    }
  cairo_restore(cr);
  if (!t.running) TurkeyLeg(cr, {6, by + 16}, {8 + 8 * t.stride, 0}, false);
  // Neck and head.
  const Point h = TurkeyHeadLocal(t);
  const double nx = std::sin(t.lean) * 20 + 14, ny = by - 14 + (1 - std::cos(t.lean)) * 10;
  Curve(cr, {{nx, ny}, {(nx + h.x) / 2 + 2, (ny + h.y) / 2}, {h.x, h.y + 4}});
  Stroke(cr, kOutline, 13);
  Curve(cr, {{nx, ny}, {(nx + h.x) / 2 + 2, (ny + h.y) / 2}, {h.x, h.y + 4}});
  Stroke(cr, kTurkeyHead, 9);
  // Beak, upper and lower.
  const double open = t.laughing ? 0.55 : t.beakOpen ? 0.35 : 0;
  const double tip = t.laughing ? -0.35 : 0;
  cairo_save(cr);
  cairo_translate(cr, h.x + 8, h.y);
  cairo_rotate(cr, tip);
  Polygon(cr, {{-2, -4}, {12, -1 - open * 6}, {0, 2}});
  FillOutline(cr, kBeak, 1.5);
  Polygon(cr, {{-2, 1}, {11, 3 + open * 12}, {0, 5}});
  FillOutline(cr, Darker(kBeak, 0.12), 1.5);
  cairo_restore(cr);
  // Head, snood over the beak, wattle under it.
  Ellipse(cr, h.x, h.y, 11, 10);
  FillShaded(cr, kTurkeyHead, 2, 2.5);
  Curve(cr, {{h.x + 5, h.y - 7}, {h.x + 10, h.y - 2}, {h.x + 9, h.y + 8}});
  Stroke(cr, kOutline, 5.5);
  Curve(cr, {{h.x + 5, h.y - 7}, {h.x + 10, h.y - 2}, {h.x + 9, h.y + 8}});
  Stroke(cr, kWattle, 3);
  Blob(cr, {{h.x + 1, h.y + 6}, {h.x + 8, h.y + 6}, {h.x + 7, h.y + 17}, {h.x + 2, h.y + 20}, {h.x - 2, h.y + 12}});
  FillShaded(cr, kWattle, 1.5, 2, 1.5);
  // Eye.
  const double ex = h.x + 3, ey = h.y - 3;
  switch (t.eyes) {
    case Eyes::kOpen:
    case Eyes::kWide: {
      const double r = t.eyes == Eyes::kWide ? 5 : 3.8;
      Ellipse(cr, ex, ey, r, r * 1.15);
      FillOutline(cr, kWhite, 1.3);
      Ellipse(cr, ex + 1, ey, t.eyes == Eyes::kWide ? 1.6 : 2, t.eyes == Eyes::kWide ? 1.6 : 2.4);
      Fill(cr, kOutline);
      break;
    }
    case Eyes::kClosed:
      cairo_new_sub_path(cr);
      cairo_arc(cr, ex, ey + 1, 3.5, M_PI + 0.3, 2 * M_PI - 0.3);
      Stroke(cr, kOutline, 1.8);
      break;
    case Eyes::kDazed:
      Line(cr, ex - 3, ey - 3, ex + 3, ey + 3, kOutline, 1.6);
      Line(cr, ex - 3, ey + 3, ex + 3, ey - 3, kOutline, 1.6);
      break;
  }
  if (t.hat) DrawPilgrimHat(cr, h.x - 1, h.y - 6, 0.78, -0.12);
  // Near wing over the body.
  cairo_save(cr);
  cairo_translate(cr, -4, by - 8);
  cairo_rotate(cr, -t.wings * 1.6 + t.lean * 0.8);
  Blob(cr, {{-4, -6}, {14, -4}, {22, 6}, {10, 18}, {-14, 22}, {-22, 14}, {-16, 2}});
  FillShaded(cr, kTurkeyDark, 3, 4);
  Line(cr, -12, 12, 8, 8, Lighter(kTurkeyDark, 0.3), 1.4);
  Line(cr, -16, 17, 2, 14, Lighter(kTurkeyDark, 0.3), 1.4);
  cairo_restore(cr);
}

// The turkey with its feet at (cx, footY).
void Turkey(cairo_t* cr, double cx, double footY, const TurkeyLook& t) {
  cairo_save(cr);
  cairo_translate(cr, cx, footY - t.lift);
  cairo_scale(cr, t.facingRight ? kTurkeyScale : -kTurkeyScale, kTurkeyScale);
  TurkeyLocal(cr, t);
  cairo_restore(cr);
}

// Where the turkey's head is, in screen coordinates.
Point TurkeyHead(double cx, double footY, const TurkeyLook& t) {
  const Point h = TurkeyHeadLocal(t);
  return {cx + (t.facingRight ? h.x : -h.x) * kTurkeyScale, footY - t.lift + h.y * kTurkeyScale};
}

// --- Extras ---------------------------------------------------------------

void ShadedStar(cairo_t* cr, double cx, double cy, double r, Colour fill, double turn = 0) {
  std::vector<Point> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = turn - M_PI / 2 + i * M_PI / 5;
    const double rr = i % 2 ? r * 0.45 : r;
    pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
  }
  Polygon(cr, pts);
  FillShaded(cr, fill, r * 0.15, r * 0.15, 1.5);
}

// Little stars circling a dizzy head; phase 0 or 1 turns the ring.
void DizzyStars(cairo_t* cr, double cx, double cy, int phase) {
  Ellipse(cr, cx, cy, 24, 7);
  Stroke(cr, Mix(kOutline, kWhite, 0.4), 1.2);
  for (int i = 0; i < 3; ++i) {
    const double a = phase * 1.05 + i * 2 * M_PI / 3;
    const double x = cx + std::cos(a) * 24, y = cy + std::sin(a) * 7;
    ShadedStar(cr, x, y, std::sin(a) > 0 ? 6.5 : 5, kFlashYellow, a);
  }
}

// A spiky burst: the moment of a hit.
void Burst(cairo_t* cr, double cx, double cy, double r, Colour outer, Colour inner, unsigned seed) {
  Random rnd(seed);
  std::vector<Point> pts;
  const int n = 22;
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * M_PI / n;
    const double rr = i % 2 ? r * rnd.Range(0.5, 0.6) : r * rnd.Range(0.85, 1.05);
    pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr * 0.8});
  }
  Polygon(cr, pts);
  FillOutline(cr, outer, 2.2);
  std::vector<Point> in;
  for (const Point& p : pts) in.push_back({cx + (p.x - cx) * 0.55, cy + (p.y - cy) * 0.55});
  Polygon(cr, in);
  FillOutline(cr, inner, 1.5);
}

void Feather(cairo_t* cr, double x, double y, double angle, Colour fill = kFeatherRust) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Blob(cr, {{-10, 0}, {-3, -4.5}, {9, -3}, {11, 0}, {8, 3.5}, {-3, 4.5}});
  FillShaded(cr, fill, 1, 2, 1.4);
  Line(cr, -12, 0, 9, 0, kOutline, 1.0);
  cairo_restore(cr);
}

// Motion streaks: horizontal lines from x0 to x1 at the given heights.
void Streaks(cairo_t* cr, double x0, double x1, std::initializer_list<double> ys) {
  int i = 0;
  for (double y : ys) {
    const double s = (i++ % 2) * 16;
    Line(cr, x0 + s, y, x1, y, kOutline, 5);
    Line(cr, x0 + s, y, x1, y, kWhite, 2.4);
  }
}

// Short strokes round a point: something just popped or landed there.
void PopLines(cairo_t* cr, double cx, double cy, double r0, double r1, int n, double from, double to) {
  for (int i = 0; i < n; ++i) {
    const double a = from + (to - from) * i / std::max(1, n - 1);
    Line(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0, cx + std::cos(a) * r1, cy + std::sin(a) * r1, kOutline, 2.2);
  }
}

// --- The pictures ----------------------------------------------------------

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
                            {"P&T19", 20, 0, 0.7, 1.0},
                            {"P&T20", 40, 0, 1.0, 1.0},
                            {"P&T21", 18, 0.2, 0.6, 1.0},
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
    Turkey(cr, kBellyX, kBellyY, proud);
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
    Turkey(cr, 584, kGround, {.facingRight = true, .lean = 0.7, .wings = 0.9, .running = true, .hat = true, .eyes = Eyes::kWide});
  });
  // Left behind, seeing stars.
  for (int i = 0; i < 2; ++i) {
    Add(out, i == 0 ? "P&T26" : "P&T27", kPT26, [flat, i](cairo_t* cr) {
      LyingPilgrim(cr, flat);
      DizzyStars(cr, 376, 486, i);
    });
  }
}

const PictureGroup kScene(AddScene);

}  // namespace

namespace art {

// The same turkey, wearing the pilgrim's hat, for the walk back with the cow
// and the closing picture (walker_and_final.cpp).
void DrawHatTurkey(cairo_t* cr, double cx, double footY, bool facingRight, double stride, double lean, double wings,
                   bool beakOpen) {
  Turkey(cr, cx, footY,
         {.facingRight = facingRight, .lean = lean, .wings = wings, .stride = stride, .beakOpen = beakOpen, .hat = true});
}

}  // namespace art
