#include "pilgrim_figure.h"

#include <algorithm>
#include <cmath>

#include "pilgrim_figure_parts.h"

namespace art {
namespace {

using pilgrim_parts::Arm;
using pilgrim_parts::ArmFor;
using pilgrim_parts::ArmPath;
using pilgrim_parts::Blunderbuss;
using pilgrim_parts::Bow;
using pilgrim_parts::Coat;
using pilgrim_parts::Ctx;
using pilgrim_parts::HatShape;
using pilgrim_parts::Head;
using pilgrim_parts::Leg;

// The figure's own frame has x = 0 in the middle of his body and y = 0 on the
// foot line, up negative; facing left mirrors it.
constexpr double kBoxCx = 42, kFootY = 120;
constexpr double kHipY = -26;  // hip height when standing
constexpr double kSink = 12;   // how far a full crouch lowers him

Point Add(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

// The figure's transform: `upper` adds the crouch and the lean of the body.
void SetUpFrame(cairo_matrix_t* m, double x, double y, double scale, const PilgrimPose& pose, bool upper) {
  cairo_matrix_init_translate(m, x + kBoxCx * scale, y + kFootY * scale);
  cairo_matrix_scale(m, scale * (pose.facingRight ? 1 : -1), scale);
  cairo_matrix_translate(m, 0, -pose.lift);
  if (upper) {
    cairo_matrix_translate(m, 0, kSink * std::clamp(pose.crouch, 0.0, 1.0) + 12 * std::clamp(pose.tuck, 0.0, 1.0) * 0.3);
    cairo_matrix_translate(m, 0, kHipY);
    cairo_matrix_rotate(m, pose.lean);
    cairo_matrix_translate(m, 0, -kHipY);
  }
}

}  // namespace

void DrawPilgrimHat(cairo_t* cr, double cx, double brimY, double scale, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, cx, brimY);
  cairo_scale(cr, scale, scale);
  cairo_rotate(cr, tilt);
  HatShape({cr, 1});
  cairo_restore(cr);
}

Point PilgrimMuzzle(double x, double y, double scale, const PilgrimPose& pose) {
  cairo_matrix_t m;
  SetUpFrame(&m, x, y, scale, pose, true);
  double px = 26, py = -58;
  switch (pose.holds) {
    case PilgrimHolds::kBlunderbussAimed: px = 54, py = -64; break;
    case PilgrimHolds::kBlunderbuss: px = 30, py = -86; break;
    case PilgrimHolds::kBowDrawn: px = pose.arrow ? 57 : 34, py = -61; break;
    case PilgrimHolds::kBow: px = 32, py = -58; break;
    case PilgrimHolds::kNothing: {
      const ArmPath a = ArmFor(pose.nearArm, pose.front);
      px = a.hand.x, py = a.hand.y;
      break;
    }
  }
  cairo_matrix_transform_point(&m, &px, &py);
  return {px, py};
}

void DrawPilgrim(cairo_t* cr, double x, double y, double scale, const PilgrimPose& pose) {
  const Ctx c{cr, pose.facingRight ? 1.0 : -1.0};
  const bool front = pose.front;
  const double crouch = std::clamp(pose.crouch, 0.0, 1.0);
  const double tuck = std::clamp(pose.tuck, 0.0, 1.0);
  const double knee = std::clamp(pose.kneeUp, 0.0, 1.0);
  const double stride = std::clamp(pose.stride, -1.0, 1.0);
  const double hipY = kHipY + kSink * crouch + 12 * tuck * 0.3;
  // The frames are built on whatever transform the caller has set up, so a
  // picture may turn or move the whole figure (e.g. lying on the ground).
  cairo_matrix_t base, legsOwn, upperOwn, legs, upper;
  cairo_get_matrix(cr, &base);
  SetUpFrame(&legsOwn, x, y, scale, pose, false);
  SetUpFrame(&upperOwn, x, y, scale, pose, true);
  cairo_matrix_multiply(&legs, &legsOwn, &base);
  cairo_matrix_multiply(&upper, &upperOwn, &base);
  cairo_save(cr);

  // Legs, in the frame of the foot line.
  struct LegPlan {
    Point hip, ankle, bend;
    bool far;
  };
  LegPlan nearLeg{}, farLeg{};
  if (front) {
    // Front view: the lifted foot rises and tucks in a little.
    const double liftR = std::max(0.0, stride) * 9 + tuck * 12, liftL = std::max(0.0, -stride) * 9 + tuck * 12;
    const double spread = 6.5 + crouch * 4;
    nearLeg = {{5.5, hipY}, {spread - std::max(0.0, stride) * 1.5, -4 - liftR - knee * 14}, {1, 0}, false};
    farLeg = {{-5.5, hipY}, {-spread + std::max(0.0, -stride) * 1.5, -4 - liftL}, {-1, 0}, false};
  } else {
    const double sx = stride * 10;
    nearLeg = {{1.5, hipY}, {sx + knee * 8 + tuck * 4, -4 - std::max(0.0, -stride) * 4 - knee * 15 - tuck * 12}, {1, 0}, false};
    farLeg = {{-2.5, hipY}, {-sx - 2 + tuck * 2, -4 - std::max(0.0, stride) * 4 - tuck * 10}, {1, 0}, true};
  }
  auto drawLeg = [&](const LegPlan& l) {
    cairo_save(cr);
    cairo_set_matrix(cr, &legs);
    Leg(c, l.hip, l.ankle, l.bend, front, l.far, pose.back);
    cairo_restore(cr);
  };

  // Arms: what he holds decides them.
  const Point nearShoulder = front ? Point{11, -57} : Point{0, -57};
  const Point farShoulder = front ? Point{-11, -57} : Point{-3, -58};
  ArmPath nearArm = ArmFor(pose.nearArm, front), farArm = ArmFor(pose.farArm, front);
  if (!front && pose.headFront) {
    // Facing the viewer, raised arms go up either side of the face.
    if (pose.nearArm == PilgrimArm::kRaised) nearArm = {{15, -76}, {17, -93}};
    if (pose.farArm == PilgrimArm::kRaised) farArm = {{-14, -76}, {-16, -93}};
  }
  if (front) {
    farArm.elbow.x = -farArm.elbow.x;
    farArm.hand.x = -farArm.hand.x;
  } else {
    farArm.elbow = Add(farArm.elbow, {-3, -1});
    farArm.hand = Add(farArm.hand, {-3, -1});
  }
  const PilgrimHolds holds = front ? PilgrimHolds::kNothing : pose.holds;
  Point bowGrip{}, bowString{};
  Point gunButt{}, gunMuzzle{};
  switch (holds) {
    case PilgrimHolds::kNothing: break;
    case PilgrimHolds::kBow:
      bowGrip = {28, -58};
      bowString = {24, -58};
      farArm = {{13, -55}, {27, -58}};
      nearArm = {{9, -47}, {21, -55}};
      break;
    case PilgrimHolds::kBowDrawn:
      bowGrip = {30, -61};
      bowString = {3, -63};
      farArm = {{15, -58}, {29, -61}};
      nearArm = {{-11, -56}, {2, -63}};
      break;
    case PilgrimHolds::kBlunderbuss:
      gunButt = {-13, -34};
      gunMuzzle = {30, -86};
      nearArm = {{8, -43}, {3, -47}};
      farArm = {{10, -56}, {16, -68}};
      break;
    case PilgrimHolds::kBlunderbussAimed:
      gunButt = {-7, -58};
      gunMuzzle = {54, -64};
      nearArm = {{-2, -45}, {8, -57}};
      farArm = {{14, -52}, {27, -61}};
      break;
  }

  if (front) {
    drawLeg(farLeg);
    drawLeg(nearLeg);
    cairo_set_matrix(cr, &upper);
    Coat(c, true, pose.back);
    Arm(c, farShoulder, farArm.elbow, farArm.hand, false);
    Arm(c, nearShoulder, nearArm.elbow, nearArm.hand, false);
  } else {
    drawLeg(farLeg);
    cairo_set_matrix(cr, &upper);
    Arm(c, farShoulder, farArm.elbow, farArm.hand, true);
    if (knee < 0.3 && tuck < 0.3) drawLeg(nearLeg);
    cairo_set_matrix(cr, &upper);
    Coat(c, false);
    if (knee >= 0.3 || tuck >= 0.3) drawLeg(nearLeg);
  }
  cairo_set_matrix(cr, &upper);
  // Head, turned about the neck.
  cairo_save(cr);
  cairo_translate(cr, 1, -62);
  cairo_rotate(cr, pose.headTilt);
  cairo_translate(cr, -1, 62);
  Head(c, pose, front || pose.headFront);
  cairo_restore(cr);
  if (!front) {
    if (holds == PilgrimHolds::kBow || holds == PilgrimHolds::kBowDrawn) Bow(c, bowGrip, bowString, holds == PilgrimHolds::kBowDrawn && pose.arrow);
    if (holds == PilgrimHolds::kBlunderbuss || holds == PilgrimHolds::kBlunderbussAimed) Blunderbuss(c, gunButt, gunMuzzle);
    if (holds == PilgrimHolds::kBow || holds == PilgrimHolds::kBowDrawn) {
      // The bow hand closes over the grip.
      Ellipse(cr, farArm.hand.x + 1, farArm.hand.y, 4.3, 4.3);
      FillShaded(cr, Darker(kSkin, 0.1), 1.2 * c.sd, 1.2, 1.6);
    }
    Arm(c, nearShoulder, nearArm.elbow, nearArm.hand, false);
  }
  cairo_restore(cr);
}

}  // namespace art
