// The pilgrim's limbs: stockinged legs with buckled shoes, and coat sleeves
// ending in white cuffs and hands.
#include <algorithm>
#include <cmath>

#include "pilgrim_figure_parts.h"

namespace art::pilgrim_parts {
namespace {

constexpr double kLegPart = 11.6;

const Colour kStocking = Rgb255(226, 222, 210);

// --- Legs -----------------------------------------------------------------

// The knee of a two-part leg from hip to ankle, bent toward `bend`.
Point Knee(Point hip, Point ankle, Point bend) {
  const double dx = ankle.x - hip.x, dy = ankle.y - hip.y;
  const double d = std::max(1e-6, std::hypot(dx, dy));
  const double half = std::min(d / 2, kLegPart);
  const double h = std::sqrt(std::max(0.0, kLegPart * kLegPart - half * half));
  Point n{-dy / d, dx / d};
  if (n.x * bend.x + n.y * bend.y < 0) n = {-n.x, -n.y};
  return {hip.x + dx / 2 + n.x * h, hip.y + dy / 2 + n.y * h};
}

}  // namespace

void Leg(const Ctx& c, Point hip, Point ankle, Point bend, bool front, bool far, bool back) {
  cairo_t* cr = c.cr;
  const Point knee = Knee(hip, ankle, bend);
  const Colour stocking = far ? Darker(kStocking, 0.12) : kStocking;
  Curve(cr, {knee, ankle});
  Stroke(cr, kOutline, 8);
  Curve(cr, {knee, ankle});
  Stroke(cr, stocking, 5.2);
  Curve(cr, {hip, knee});
  Stroke(cr, kOutline, 10.5);
  Curve(cr, {hip, Point{(hip.x + knee.x) / 2, (hip.y + knee.y) / 2}, knee});
  Stroke(cr, kPilgrimCoat, 8);
  // Shoe with its buckle.
  if (front && back) {
    // The heel, and the sole of a foot lifted off the lawn.
    Ellipse(cr, ankle.x, ankle.y + 1.2, 6, 3.4);
    FillShaded(cr, kBlack, 1.5 * c.sd, 1.5, 1.5);
    if (ankle.y < -6) {
      Ellipse(cr, ankle.x, ankle.y + 3.2, 4.8, 2.2);
      FillOutline(cr, kBark, 1.0);
    }
  } else if (front) {
    Ellipse(cr, ankle.x, ankle.y + 1.2, 6.5, 3.6);
    FillShaded(cr, kBlack, 1.5 * c.sd, 1.5, 1.5);
    RoundRect(cr, ankle.x - 2.6, ankle.y - 2.2, 5.2, 3.8, 0.8);
    FillOutline(cr, kBuckle, 1.0);
  } else {
    Blob(cr, {{ankle.x - 5, ankle.y - 2.5}, {ankle.x + 3, ankle.y - 2.5}, {ankle.x + 10, ankle.y + 1}, {ankle.x + 9, ankle.y + 4},
              {ankle.x - 5, ankle.y + 4}});
    FillShaded(cr, kBlack, 1.5 * c.sd, 1.5, 1.5);
    RoundRect(cr, ankle.x + 0.5, ankle.y - 3.5, 4.5, 4, 0.8);
    FillOutline(cr, kBuckle, 1.0);
  }
}

// --- Arms -----------------------------------------------------------------

ArmPath ArmFor(PilgrimArm a, bool front) {
  if (front) {
    switch (a) {
      case PilgrimArm::kDown: return {{16, -44}, {17, -33}};
      case PilgrimArm::kRaised: return {{16, -76}, {16, -93}};
      case PilgrimArm::kGrip: return {{26, -70}, {15, -86}};
      case PilgrimArm::kForward: return {{25, -56}, {37, -57}};
      case PilgrimArm::kAim: return {{25, -63}, {36, -70}};
      case PilgrimArm::kWave: return {{25, -58}, {27, -80}};
      case PilgrimArm::kHip: return {{23, -46}, {13, -40}};
      case PilgrimArm::kPush: return {{29, -60}, {24, -47}};
      case PilgrimArm::kChin: return {{17, -46}, {5, -62}};
      case PilgrimArm::kShade: return {{22, -62}, {7, -84}};
    }
  }
  switch (a) {
    case PilgrimArm::kDown: return {{2, -44}, {4, -33}};
    case PilgrimArm::kRaised: return {{-4, -75}, {-5, -93}};
    case PilgrimArm::kGrip: return {{13, -68}, {11, -83}};
    case PilgrimArm::kForward: return {{12, -51}, {24, -52}};
    case PilgrimArm::kAim: return {{12, -58}, {26, -60}};
    case PilgrimArm::kWave: return {{14, -57}, {16, -79}};
    case PilgrimArm::kHip: return {{-9, -46}, {-4, -38}};
    case PilgrimArm::kPush: return {{10, -66}, {16, -50}};
    case PilgrimArm::kChin: return {{15, -46}, {12, -63}};
    case PilgrimArm::kShade: return {{15, -64}, {13, -84}};
  }
  return {{2, -44}, {4, -33}};
}

void Arm(const Ctx& c, Point shoulder, Point elbow, Point hand, bool far) {
  cairo_t* cr = c.cr;
  const Colour sleeve = far ? Darker(kPilgrimCoat, 0.2) : kPilgrimCoat;
  Curve(cr, {shoulder, elbow, hand});
  Stroke(cr, kOutline, 10.5);
  Curve(cr, {shoulder, elbow, hand});
  Stroke(cr, sleeve, 7.6);
  // White turned-back cuff on the last part of the forearm.
  const double dx = hand.x - elbow.x, dy = hand.y - elbow.y;
  const double d = std::max(1e-6, std::hypot(dx, dy));
  const Point cuff{hand.x - dx / d * 4.5, hand.y - dy / d * 4.5};
  Line(cr, cuff.x, cuff.y, hand.x, hand.y, kOutline, 10.5);
  Line(cr, cuff.x, cuff.y, hand.x, hand.y, far ? Darker(kWhite, 0.12) : kWhite, 7.8);
  Ellipse(cr, hand.x + dx / d * 2.5, hand.y + dy / d * 2.5, 4.3, 4.3);
  FillShaded(cr, far ? Darker(kSkin, 0.1) : kSkin, 1.2 * c.sd, 1.2, 1.6);
}

}  // namespace art::pilgrim_parts
