// The pilgrim's act in front of the shack. He walks up the lawn, jumps for
// the window sill (its top is at screen y 322, the lawn in front of the shack
// at y 440), hangs on and climbs up, looks about, shoots at the turkey he
// hears with blunderbuss and bow, gets sooted by his own gun, jumps down and
// ends flat on the lawn.
//
// Every picture keeps the pilgrim's body on screen x 366, so that pictures
// placed at x 330, 338 and 342 hand over without a jump. Foot lines, in each
// picture's own rows: the walk 125, the hop 120, the sill poses at y 198 124,
// at 188 134, at 186 136, the jump 144 (the sill) and 138 (the lawn, after
// the fall).
#include <cmath>
#include <string>

#include "picture.h"
#include "pilgrim_figure.h"
#include "style.h"

namespace {

using namespace art;
using A = PilgrimArm;
using H = PilgrimHolds;
using F = PilgrimFace;

constexpr double kBodyX = 366;  // screen x of his body in every picture

// DrawPilgrim's box x for a picture placed at screen x `pictureX`.
double BoxX(double pictureX) { return kBodyX - pictureX - 42; }
// DrawPilgrim's box y for a foot line at `footY` in the picture.
double BoxY(double footY) { return footY - 120; }

void Draw(cairo_t* cr, double pictureX, double footY, const PilgrimPose& pose) {
  DrawPilgrim(cr, BoxX(pictureX), BoxY(footY), 1.0, pose);
}

// --- Effects -----------------------------------------------------------------

void Star(cairo_t* cr, double cx, double cy, double r, Colour c) {
  std::vector<Point> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, rr = (i % 2) ? r * 0.45 : r;
    pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  Polygon(cr, pts);
  FillOutline(cr, c, 1.3);
}

// Stars and birdies circling a dazed head.
void DazeStars(cairo_t* cr, double cx, double cy, double rx, double phase) {
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1, 0.3);
  cairo_arc(cr, 0, 0, rx, 0, 2 * M_PI);
  cairo_restore(cr);
  Stroke(cr, Lighter(kOutline, 0.4), 1.0);
  for (int i = 0; i < 3; ++i) {
    const double a = phase + i * 2 * M_PI / 3;
    Star(cr, cx + rx * std::cos(a), cy + rx * 0.3 * std::sin(a), 5, i == 1 ? kWhite : kLeafGold);
  }
}

// A spiky muzzle flash pointing along `dir` (radians).
void Flash(cairo_t* cr, Point p, double dir, double size) {
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y);
  cairo_rotate(cr, dir);
  std::vector<Point> outer, inner;
  for (int i = 0; i < 14; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 7;
    const double r = (i % 2) ? size * 0.42 : size * (0.8 + 0.2 * std::cos(a * 3));
    outer.push_back({size * 0.55 + r * std::cos(a), r * std::sin(a) * 0.8});
    inner.push_back({size * 0.5 + r * 0.55 * std::cos(a), r * 0.55 * std::sin(a) * 0.8});
  }
  Polygon(cr, outer);
  FillOutline(cr, kFlashOrange, 1.5);
  Polygon(cr, inner);
  Fill(cr, kFlashYellow);
  cairo_restore(cr);
}

// A cloud of smoke: a few overlapping lumps under one outline.
void Puff(cairo_t* cr, double cx, double cy, double r, double alpha = 1) {
  const double lumps[][3] = {{0, 0, 1}, {-0.7, 0.25, 0.7}, {0.7, 0.2, 0.75}, {-0.3, -0.5, 0.7}, {0.35, -0.45, 0.65}};
  for (const auto& l : lumps) {
    Ellipse(cr, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[2] * r);
  }
  Stroke(cr, Mix(kSmoke, kOutline, 0.55), 2.6);
  for (const auto& l : lumps) {
    Ellipse(cr, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[2] * r);
  }
  SetColour(cr, kSmoke, alpha);
  cairo_fill(cr);
  Ellipse(cr, cx + 0.25 * r, cy + 0.3 * r, 0.6 * r, 0.45 * r);
  Fill(cr, Darker(kSmoke, 0.1));
}

// Short strokes fanning out from (cx, cy) between angles a0 and a1.
void Burst(cairo_t* cr, double cx, double cy, double r0, double r1, double a0, double a1, int n, double width = 1.8) {
  for (int i = 0; i < n; ++i) {
    const double a = a0 + (a1 - a0) * (n == 1 ? 0.5 : double(i) / (n - 1));
    Line(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + r1 * std::cos(a), cy + r1 * std::sin(a), kOutline, width);
  }
}

// The twang of a loosed bowstring: short arcs beside the string.
void Twang(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 6, y, 8 + i * 4.5, M_PI * 0.72, M_PI * 1.28);
    Stroke(cr, kOutline, 1.3);
  }
}

void Arrow(cairo_t* cr, double x0, double y, double x1) {
  Line(cr, x0, y, x1, y, kOutline, 3.6);
  Line(cr, x0, y, x1, y, kWoodLight, 1.6);
  Polygon(cr, {{x1 + 6, y}, {x1 - 1, y - 3.5}, {x1 - 1, y + 3.5}});
  FillOutline(cr, kSteelLight, 1.1);
  Polygon(cr, {{x0, y}, {x0 + 7, y}, {x0 + 4, y - 4.5}, {x0 - 3, y - 4.5}});
  FillOutline(cr, kLeafRed, 1.0);
}

void SweatDrop(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y - 5);
  cairo_curve_to(cr, x + 3.5, y, x + 3.5, y + 4, x, y + 4);
  cairo_curve_to(cr, x - 3.5, y + 4, x - 3.5, y, x, y - 5);
  cairo_close_path(cr);
  FillOutline(cr, Rgb255(150, 200, 236), 1.2);
}

// Where his head is in a picture, for effects around it (standing, no lean).
Point HeadAt(double pictureX, double footY, const PilgrimPose& p) {
  const double side = p.facingRight ? 1 : -1;
  const double dx = (p.front || p.headFront) ? 0 : 3 * side;
  return {kBodyX - pictureX + dx, footY - 76 - p.lift + 12 * p.crouch};
}

// --- The walk up the lawn and the hop ------------------------------------------

// Walking away from the viewer, up the lawn and into the picture, so seen
// from behind. He stops with his soles on the lawn, 5 px below the shack's
// base; the same picture (pilgrimC) stands him on the sill, whose top he then
// treads 4 px into its depth.
constexpr double kWalkX = 330, kWalkFoot = 130;  // 80 x 136 at (330, 600 .. 315)

PilgrimPose WalkPose(double stride, double bob) {
  return {.front = true, .back = true, .stride = stride, .lift = bob};
}

constexpr double kHopX = 330, kHopFoot = 125;  // 100 x 140 at (330, 320)

// --- On the sill ---------------------------------------------------------------

constexpr double kClimbX = 330;  // 100 x 200 at (330, 233); the sill is row 89
constexpr double kSillRow = 89;

void AddPictures(PictureList& out) {
  // Walking up the lawn toward the shack: feet lifting in turn, a small bob.
  // pilgrimC, the middle of the stride, is also him standing on the sill.
  const double strides[] = {-1, -0.45, 0, 1};
  const double bobs[] = {1.5, 0.5, 0, 1.5};
  const char* walkNames[] = {"pilgrimA", "pilgrimB", "pilgrimC", "pilgrimD"};
  for (int i = 0; i < 4; ++i) {
    const PilgrimPose p = WalkPose(strides[i], bobs[i]);
    out.push_back({walkNames[i], 80, 136, true, [p](cairo_t* cr) { Draw(cr, kWalkX, kWalkFoot, p); }});
  }

  // The hop for the sill: knees bend, he bounces twice for luck, springs up.
  out.push_back({"pilgrim01", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot, {.front = true, .crouch = 0.3, .face = F::kPlain});
                 }});
  out.push_back({"pilgrim02", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot, {.front = true, .crouch = 1, .nearArm = A::kDown, .farArm = A::kDown, .face = F::kCross});
                 }});
  out.push_back({"pilgrim03", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot,
                        {.front = true, .crouch = 0.45, .lift = 2, .nearArm = A::kWave, .farArm = A::kWave, .face = F::kCross});
                 }});
  // Frame 4 is shown 20 px higher, frame 5 80 px higher: in the picture he
  // only rises a little more, the sprite carries the rest.
  out.push_back({"pilgrim04", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot,
                        {.front = true, .tuck = 0.4, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kCross});
                   for (double x : {24.0, 36.0, 48.0}) Line(cr, x, 124, x, 136, kOutline, 1.5);  // lift-off
                 }});
  out.push_back({"pilgrim05", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot,
                        {.front = true, .tuck = 0.6, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kSurprised});
                   for (double x : {22.0, 50.0}) Line(cr, x, 118, x, 136, kOutline, 1.5);
                 }});
  out.push_back({"pilgrim06", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot, {.front = true, .tuck = 0.2, .nearArm = A::kGrip, .farArm = A::kGrip, .face = F::kCross});
                 }});

  // Hanging from the sill and climbing up: his hands stay on the sill while
  // he pulls himself higher; in 07b he slips back (it comes again after 07c).
  out.push_back({"pilgrim07", 100, 200, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true, .stride = 0.6, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kSurprised};
                   Draw(cr, kClimbX, kSillRow + 95, p);
                   for (double x : {22.0, 50.0}) Line(cr, x, 180, x + (x < 36 ? -3 : 3), 192, kOutline, 1.5);  // kicking
                 }});
  out.push_back({"pilgrim07b", 100, 200, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true, .stride = -0.8, .kneeUp = 0.4, .nearArm = A::kGrip, .farArm = A::kGrip, .face = F::kCross};
                   Draw(cr, kClimbX, kSillRow + 88, p);
                   SweatDrop(cr, 58, 98);
                 }});
  out.push_back({"pilgrim07c", 100, 200, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true, .kneeUp = 1, .nearArm = A::kPush, .farArm = A::kPush, .face = F::kEyesClosed};
                   Draw(cr, kClimbX, kSillRow + 49, p);
                   SweatDrop(cr, 58, 52);
                   SweatDrop(cr, 14, 60);
                 }});

  // Standing on the sill, looking out left, right, left.
  constexpr double kLookX = 330, kLookFoot = 124;  // 130 x 128 at (330, 198)
  for (int i = 0; i < 2; ++i) {
    const bool right = i == 1;
    const PilgrimPose p{.facingRight = right, .nearArm = A::kShade, .farArm = A::kDown, .face = F::kPlain};
    out.push_back({right ? "pilgrim10" : "pilgrim09", 130, 128, true, [p](cairo_t* cr) { Draw(cr, kLookX, kLookFoot, p); }});
  }

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

const PictureGroup kPilgrimScene4(AddPictures);

}  // namespace
