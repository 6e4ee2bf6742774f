// The third turkey, in the middle of the lawn at (320, 200), right above the
// gun. It struts in, dances to show off its fan, spots the gun and taunts it,
// leaps clear of the first shot and laughs itself silly, gobbles at us, then
// ducks and hops through four shots that crack the glass of the screen
// instead. It picks itself up, shakes out its feathers and takes a bow with
// a wave (T3-27 .. T3-36 at 320, 194, the last one held).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "cartoon_marks.h"
#include "picture.h"
#include "style.h"
#include "turkey_figure.h"

namespace {

using namespace art;

constexpr int kW = 240, kH = 272;  // room below the ground line for the toes
constexpr double kScale = 1.2;
constexpr double kGround = 242;  // feet of the standing turkey (screen y 442)
constexpr double kFigX = 18;
// The closing run sits 6 pixels higher on screen; its feet stay on the lawn.
constexpr double kBowGround = kGround + 200 - 194;

void Figure(cairo_t* cr, TurkeyPose pose, double ground = kGround, double dx = 0) {
  pose.variant = 2;  // pale tail tips and the blue bow tie
  DrawTurkey(cr, kFigX + dx, ground - kTurkeyGround * kScale, kScale, pose);
}

// A pellet streaking up past the bird from the gun below, with speed lines.
void Whizz(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) Line(cr, x - 4 + i * 4, y + 10 + i * 3, x - 10 + i * 4, y + 34 + i * 3, kOutline, 1.6);
  Ellipse(cr, x, y, 3.2, 3.2);
  FillOutline(cr, kSteel, 1.2);
}

// Laugh marks: little strokes bursting from around the head.
void LaughMarks(cairo_t* cr, double x, double y, double r, int frame) {
  for (int i = 0; i < 4; ++i) {
    const double a = -2.6 + i * 0.55 + frame * 0.18;
    Line(cr, x + std::cos(a) * r, y + std::sin(a) * r, x + std::cos(a) * (r + 12), y + std::sin(a) * (r + 12), kOutline,
         2.2);
  }
}

// Head height of the standing bird, for marks drawn beside it.
constexpr double kHeadY = 70;

// --- The act. -------------------------------------------------------------

// T3-01 .. T3-05: a strut on the spot, one stride per loop, head bobbing.
void Strut(cairo_t* cr, int frame) {
  const double phase = frame * 2 * M_PI / 5;
  TurkeyPose p;
  p.legSwing = 0.75 * std::sin(phase);
  p.neck = 0.25 * std::cos(phase);
  p.lean = -0.04 - 0.03 * std::cos(phase);
  p.tailFan = 0.5;
  p.wingLift = -0.2;
  p.beakOpen = frame == 2 ? 0.8 : 0;
  Figure(cr, p);
}

// T3-06 .. T3-13: the show-off dance for the audience, fan up and shaking,
// hips swaying, a gobble on the beat.
void Dance(cairo_t* cr, int frame) {
  const double phase = frame * 2 * M_PI / 8;
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.tailFan = 1;
  p.ruffled = 0.15 + 0.15 * (frame % 2);
  p.lean = 0.12 * std::sin(phase);
  p.legSwing = 0.5 * std::sin(phase);
  p.crouch = 0.2 + 0.2 * std::cos(2 * phase);
  p.wingLift = -0.6 + 0.5 * (frame % 4 < 2);
  p.wingOpen = 0.5;
  p.neck = 0.2 * std::cos(phase);
  p.eyes = frame == 3 || frame == 4 ? TurkeyEyes::Closed : TurkeyEyes::Open;
  p.beakOpen = frame == 7 ? 0.8 : 0;
  Figure(cr, p, kGround, 4 * std::sin(phase));
}

// T3-14: it spots the gun right below it.
void SpotsGun(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.tailFan = 0.8;
  p.ruffled = 0.5;
  p.neck = 1;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -0.8;
  p.wingLift = 0.2;
  p.wingOpen = 0.4;
  Figure(cr, p);
  Exclaim(cr, 188, 52, 1);
}

// T3-15, T3-15b, T3-15c: the taunt, played three times: waggling from side
// to side, a wing waved at the gunner, beak wide with a raspberry.
void Taunt(cairo_t* cr, int frame) {
  const double side = frame - 1;  // -1, 0, 1
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.facingRight = frame == 2;
  p.tailFan = 1;
  p.lean = -0.14 * side;
  p.legSwing = 0.3 * side;
  p.wingLift = frame == 1 ? -0.4 : 1;
  p.wingOpen = frame == 1 ? 0.3 : 0.9;
  p.neck = frame == 1 ? -0.3 : 0.3;
  p.beakOpen = 1;
  p.eyes = frame == 1 ? TurkeyEyes::Closed : TurkeyEyes::Half;
  p.brow = 0.5;
  Figure(cr, p);
  if (frame == 1) ShoutLines(cr, 120, kHeadY + 30, M_PI / 2, 16);
}

// T3-16: BANG. It springs straight up and the shot whizzes by under its feet.
void Leap(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.jump = 1;
  p.tailFan = 1;
  p.ruffled = 0.9;
  p.neck = 1;
  p.wingLift = 1;
  p.wingOpen = 1;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  p.beakOpen = 0.6;
  Figure(cr, p, kGround - 8);
  Whizz(cr, 102, 226);
  Whizz(cr, 138, 214);
  LooseFeather(cr, 30, 150, 0.6, 15, kWhite);
  LooseFeather(cr, 206, 120, -0.5, 14, kFeatherTan);
}

// T3-17: landed untouched, it points a wing at the gunner and laughs.
void Mocks(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.facingRight = true;
  p.tailFan = 0.9;
  p.ruffled = 0.3;
  p.lean = 0.12;
  p.neck = 0.5;
  p.wingLift = 0.5;
  p.wingOpen = 1;
  p.eyes = TurkeyEyes::Closed;
  p.beakOpen = 1;
  Figure(cr, p);
  LaughMarks(cr, 150, kHeadY, 34, 0);
}

// T3-18, T3-19: doubled up laughing, rocking back and forth.
void LaughingFit(cairo_t* cr, int frame) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.tailFan = 0.8;
  p.ruffled = 0.3;
  p.lean = frame == 0 ? -0.22 : 0.1;
  p.crouch = frame == 0 ? 0.45 : 0.1;
  p.neck = frame == 0 ? -0.6 : 0.6;
  p.wingLift = frame == 0 ? -0.7 : -0.2;
  p.wingOpen = 0.3;
  p.eyes = TurkeyEyes::Closed;
  p.beakOpen = frame == 0 ? 0.6 : 1;
  Figure(cr, p);
  LaughMarks(cr, 120, frame == 0 ? kHeadY + 40 : kHeadY - 4, 38, frame);
  SweatDrop(cr, frame == 0 ? 56 : 60, frame == 0 ? 100 : 64, 0.9);  // tears of laughter
}

// T3-20: faces us square on, wings on hips, and gobbles a challenge.
void Challenge(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.tailFan = 1;
  p.ruffled = 0.2;
  p.neck = 0.7;
  p.wingLift = -0.3;
  p.wingOpen = 0.6;
  p.brow = 1;
  p.beakOpen = 1;
  Figure(cr, p);
  ShoutLines(cr, 120, kHeadY + 24, -M_PI / 2, 22);
}

// T3-21 .. T3-23: smug, then the muzzle swings up at it, then it ducks as
// the shot goes over (the glass cracks behind it, in the viewer's screen).
void Duck(cairo_t* cr, int stage) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.tailFan = stage == 2 ? 0.5 : 0.9;
  if (stage == 0) {
    p.eyes = TurkeyEyes::Half;
    p.brow = 0.6;
    p.neck = 0.8;
    p.lean = 0.08;
    p.wingLift = -0.3;
    p.wingOpen = 0.5;
  } else if (stage == 1) {
    p.eyes = TurkeyEyes::Wide;
    p.brow = -1;
    p.neck = 0.9;
    p.ruffled = 0.6;
    p.wingLift = 0.2;
  } else {
    p.eyes = TurkeyEyes::Wide;
    p.brow = -1;
    p.crouch = 1;
    p.neck = -1;
    p.ruffled = 0.8;
    p.wingLift = 1;
    p.wingOpen = 0.7;
  }
  Figure(cr, p);
  if (stage == 1) Exclaim(cr, 190, 60, 0.9);
  if (stage == 2) {
    ShakeLines(cr, 24, 130, 40, -1);
    ShakeLines(cr, 214, 130, 40, 1);
    SweatDrop(cr, 176, 110);
  }
}

// T3-24: the second shot: it hops aside, feathers on end.
void HopAside(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.facingRight = true;
  p.jump = 0.7;
  p.lean = 0.2;
  p.tailFan = 0.6;
  p.ruffled = 1;
  p.neck = 0.6;
  p.wingLift = 0.9;
  p.wingOpen = 1;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  p.beakOpen = 0.5;
  Figure(cr, p, kGround, -10);
  Whizz(cr, 200, 200);
  SweatDrop(cr, 40, 70);
  SweatDrop(cr, 30, 92, 0.8);
}

// T3-25: the third: a hop the other way, legs scrambling.
void HopBack(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.jump = 0.5;
  p.legSwing = 0.9;
  p.lean = -0.22;
  p.tailFan = 0.6;
  p.ruffled = 1;
  p.neck = 0.4;
  p.wingLift = 1;
  p.wingOpen = 0.8;
  p.eyes = TurkeyEyes::Wide;
  p.brow = -1;
  p.beakOpen = 0.8;
  Figure(cr, p, kGround, 10);
  Whizz(cr, 40, 204);
  LooseFeather(cr, 208, 60, -0.6, 15, kWhite);
}

// T3-26: the fourth: flat down, wings over its head, shaking.
void FlatDown(cairo_t* cr) {
  TurkeyPose p;
  p.lookAtViewer = 1;
  p.crouch = 1;
  p.lean = -0.3;
  p.neck = -1;
  p.tailFan = 0.3;
  p.ruffled = 1;
  p.wingLift = 1;
  p.wingOpen = 0.5;
  p.eyes = TurkeyEyes::Closed;
  p.brow = -1;
  Figure(cr, p, kGround, 6);
  ShakeLines(cr, 22, 150, 44, -1);
  ShakeLines(cr, 216, 150, 44, 1);
  LooseFeather(cr, 40, 120, 0.4, 14, kFeatherTan);
  LooseFeather(cr, 190, 96, -0.3, 15, kWhite);
}

// T3-27 .. T3-36: all clear. It peeks up, stands, shakes its feathers into
// place, turns to us and takes a bow with a wave; the last frame is held.
void Recover(cairo_t* cr, int frame) {
  TurkeyPose p;
  const double rise = std::min(frame / 3.0, 1.0);  // up by the fourth frame
  p.crouch = 1 - rise;
  p.neck = -1 + 1.6 * rise;
  p.lookAtViewer = frame >= 5 ? 1 : 0;
  p.tailFan = frame < 4 ? 0.3 : (frame < 7 ? 0.6 : 1);
  p.ruffled = frame == 4 ? 1 : (frame < 4 ? 0.7 : 0.1);
  p.eyes = frame < 2 ? TurkeyEyes::Half : (frame >= 8 ? TurkeyEyes::Closed : TurkeyEyes::Open);
  p.brow = frame < 3 ? -0.6 : 0;
  if (frame >= 7) {
    // The bow: a lean toward us, one wing swept up in a wave.
    p.lean = frame == 8 ? -0.12 : -0.06;
    p.wingLift = 0.3 + 0.35 * (frame - 7);
    p.wingOpen = 0.9;
    p.beakOpen = frame == 9 ? 0.5 : 0;
  } else {
    p.wingLift = -0.3;
    p.wingOpen = frame == 4 ? 0.8 : 0.2;
  }
  Figure(cr, p, kBowGround, frame == 4 ? 3 : 0);
  if (frame == 4) {
    ShakeLines(cr, 20, 110, 50, -1);
    ShakeLines(cr, 218, 110, 50, 1);
  }
  if (frame == 9) {
    Star(cr, 40, 48, 7, kLeafGold, 0.3);
    Star(cr, 206, 40, 6, kLeafGold, 0.1);
  }
}

void AddScene3Turkey(PictureList& out) {
  auto add = [&out](std::string name, std::function<void(cairo_t*)> draw) {
    out.push_back({std::move(name), kW, kH, true, std::move(draw)});
  };
  // "T3-01" .. "T3-36"
  auto name = [](int n) {
    char s[8];
    std::snprintf(s, sizeof s, "T3-%02d", n);
    return std::string(s);
  };
  for (int i = 0; i < 5; ++i) add(name(1 + i), [i](cairo_t* cr) { Strut(cr, i); });
  for (int i = 0; i < 8; ++i) add(name(6 + i), [i](cairo_t* cr) { Dance(cr, i); });
  add("T3-14", SpotsGun);
  add("T3-15", [](cairo_t* cr) { Taunt(cr, 0); });
  add("T3-15b", [](cairo_t* cr) { Taunt(cr, 1); });
  add("T3-15c", [](cairo_t* cr) { Taunt(cr, 2); });
  add("T3-16", Leap);
  add("T3-17", Mocks);
  add("T3-18", [](cairo_t* cr) { LaughingFit(cr, 0); });
  add("T3-19", [](cairo_t* cr) { LaughingFit(cr, 1); });
  add("T3-20", Challenge);
  add("T3-21", [](cairo_t* cr) { Duck(cr, 0); });
  add("T3-22", [](cairo_t* cr) { Duck(cr, 1); });
  add("T3-23", [](cairo_t* cr) { Duck(cr, 2); });
  add("T3-24", HopAside);
  add("T3-25", HopBack);
  add("T3-26", FlatDown);
  for (int i = 0; i < 10; ++i) add(name(27 + i), [i](cairo_t* cr) { Recover(cr, i); });
}

const PictureGroup kScene3Turkey(AddScene3Turkey);

}  // namespace
