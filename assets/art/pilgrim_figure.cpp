#include "pilgrim_figure.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The figure is drawn facing right around its own origin: x = 0 is the middle
// of his body, y = 0 the foot line, up is negative. Facing left mirrors it.
constexpr double kBoxCx = 42, kFootY = 120;
constexpr double kHipY = -26;  // hip height when standing
constexpr double kSink = 12;   // how far a full crouch lowers him
constexpr double kLegPart = 11.6;
constexpr double kBrimY = -87;  // hat brim on his head

const Colour kHair = Rgb255(112, 72, 40);
const Colour kStocking = Rgb255(226, 222, 210);
const Colour kMouth = Rgb255(120, 36, 30);
const Colour kSoot = Rgb255(58, 50, 48);

// Shading follows the light on screen; when mirrored, the local dx flips.
struct Ctx {
  cairo_t* cr;
  double sd;  // +1 facing right, -1 facing left
};

Point Add(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

// A lighter crescent on the lit (upper-left on screen) side of the current
// path, for the dark coat and hat whose darker shade alone hardly shows.
void Rim(const Ctx& c, Colour fill, double dx, double dy) {
  const Colour light = Lighter(fill, 0.32);
  Shade(c.cr, {light.r / 0.72, light.g / 0.72, light.b / 0.72}, -dx * c.sd, -dy);
}

void DarkShape(const Ctx& c, Colour fill, double dx, double dy) {
  SetColour(c.cr, fill);
  cairo_fill_preserve(c.cr);
  Rim(c, fill, 2.2, 2.2);
  Shade(c.cr, fill, dx * c.sd, dy);
  Stroke(c.cr, kOutline);
}

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

struct ArmPath {
  Point elbow, hand;
};

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

// --- Things he holds --------------------------------------------------------

void Blunderbuss(const Ctx& c, Point butt, Point muzzle) {
  cairo_t* cr = c.cr;
  const double len = std::hypot(muzzle.x - butt.x, muzzle.y - butt.y);
  cairo_save(cr);
  cairo_translate(cr, butt.x, butt.y);
  cairo_rotate(cr, std::atan2(muzzle.y - butt.y, muzzle.x - butt.x));
  const double stockEnd = len * 0.34;
  // Barrel, then the flared bell.
  RoundRect(cr, stockEnd - 3, -2.6, len * 0.58, 5.2, 2);
  FillShaded(cr, kSteel, 0, 1.5, 1.6);
  Polygon(cr, {{len * 0.82, -2.6}, {len, -6.5}, {len, 6.5}, {len * 0.82, 2.6}});
  FillShaded(cr, kSteel, 0, 2, 1.6);
  Ellipse(cr, len, 0, 1.8, 6.5);
  FillOutline(cr, kBlack, 1.4);
  Line(cr, len * 0.45, -1.2, len * 0.8, -1.2, kSteelLight, 1.2);
  // Stock: wide at the butt, narrowing into the lock.
  Blob(cr, {{0, -4}, {stockEnd * 0.5, -3}, {stockEnd + 2, -2.8}, {stockEnd + 2, 2.8}, {stockEnd * 0.6, 4.6}, {0, 6}});
  FillShaded(cr, kGunStock, 0, 2, 1.6);
  RoundRect(cr, stockEnd - 5, -3.8, 7, 4, 1);
  FillOutline(cr, kSteelLight, 1.2);
  cairo_restore(cr);
}

void Bow(const Ctx& c, Point grip, Point string, bool arrow) {
  cairo_t* cr = c.cr;
  const Point top{grip.x - 4, grip.y - 26}, bottom{grip.x - 4, grip.y + 26};
  Line(cr, top.x, top.y, string.x, string.y, kOutline, 1.1);
  Line(cr, string.x, string.y, bottom.x, bottom.y, kOutline, 1.1);
  Curve(cr, {top, {grip.x + 2, grip.y - 16}, {grip.x + 4, grip.y}, {grip.x + 2, grip.y + 16}, bottom});
  Stroke(cr, kOutline, 5);
  Curve(cr, {top, {grip.x + 2, grip.y - 16}, {grip.x + 4, grip.y}, {grip.x + 2, grip.y + 16}, bottom});
  Stroke(cr, kWood, 3);
  if (arrow) {
    const double tip = grip.x + 22;
    Line(cr, string.x - 1, string.y, tip, grip.y - 1, kOutline, 3.6);
    Line(cr, string.x - 1, string.y, tip, grip.y - 1, kWoodLight, 1.6);
    Polygon(cr, {{tip + 6, grip.y - 1}, {tip - 1, grip.y - 4.5}, {tip - 1, grip.y + 2.5}});
    FillOutline(cr, kSteelLight, 1.1);
    Polygon(cr, {{string.x - 1, string.y}, {string.x + 6, string.y - 0.5}, {string.x + 3, string.y - 5}, {string.x - 4, string.y - 4.5}});
    FillOutline(cr, kLeafRed, 1.0);
  }
}

// --- Head -----------------------------------------------------------------

void HatShape(const Ctx& c, bool buckle = true) {
  cairo_t* cr = c.cr;
  Polygon(cr, {{-11, 0}, {11, 0}, {9, -28}, {-9, -28}});
  DarkShape(c, kPilgrimCoat, 3, 0);
  Polygon(cr, {{-10.8, -1.5}, {10.8, -1.5}, {10.4, -7.5}, {-10.4, -7.5}});
  FillOutline(cr, kBlack, 1.2);
  if (buckle) {
    RoundRect(cr, -4.5, -8.8, 9, 8.5, 1.2);
    FillOutline(cr, kBuckle, 1.3);
    cairo_rectangle(cr, -2, -6.3, 4, 3.5);
    Fill(cr, kBlack);
  }
  Ellipse(cr, 0, 0.6, 19.5, 3.6);
  DarkShape(c, kPilgrimCoat, 0, 1.5);
}

struct FaceSpots {
  Point eyes[2];
  int eyeCount;
  Point mouth;
  double inward[2];  // direction toward the nose, for slanted brows
};

void Eye(cairo_t* cr, Point e, PilgrimFace face, double inward, bool sooty) {
  if (sooty && face != PilgrimFace::kSurprised) {
    Ellipse(cr, e.x, e.y, 3.2, 3.6);
    Fill(cr, kWhite);
  }
  switch (face) {
    case PilgrimFace::kPlain:
      Ellipse(cr, e.x, e.y, 1.8, 2.5);
      Fill(cr, kOutline);
      Line(cr, e.x - 2.5, e.y - 6, e.x + 2.5, e.y - 6.3, kHair, 1.6);
      break;
    case PilgrimFace::kSurprised:
      Ellipse(cr, e.x, e.y - 0.5, 3.2, 4.2);
      FillOutline(cr, kWhite, 1.2);
      Ellipse(cr, e.x + inward * 0.3, e.y - 0.3, 1.4, 1.7);
      Fill(cr, kOutline);
      cairo_new_sub_path(cr);
      cairo_arc(cr, e.x, e.y - 5, 3.6, M_PI + 0.4, 2 * M_PI - 0.4);
      Stroke(cr, kHair, 1.6);
      break;
    case PilgrimFace::kCross:
      Ellipse(cr, e.x, e.y, 1.9, 2.2);
      Fill(cr, kOutline);
      Line(cr, e.x - 3.2 * inward, e.y - 7, e.x + 3 * inward, e.y - 3.4, kOutline, 2.2);
      break;
    case PilgrimFace::kDazed: {
      std::vector<Point> spiral;
      for (int i = 0; i <= 16; ++i) {
        const double a = i * 0.75, r = 0.3 + i * 0.18;
        spiral.push_back({e.x + r * std::cos(a), e.y + r * std::sin(a)});
      }
      Curve(cr, spiral);
      Stroke(cr, kOutline, 1.1);
      break;
    }
    case PilgrimFace::kSmiling:
      cairo_new_sub_path(cr);
      cairo_arc(cr, e.x, e.y + 1, 2.6, M_PI + 0.2, 2 * M_PI - 0.2);
      Stroke(cr, kOutline, 1.6);
      break;
    case PilgrimFace::kEyesClosed:
      cairo_new_sub_path(cr);
      cairo_arc(cr, e.x, e.y - 1, 2.6, 0.2, M_PI - 0.2);
      Stroke(cr, kOutline, 1.6);
      Line(cr, e.x - 2.5, e.y - 6, e.x + 2.5, e.y - 6.3, kHair, 1.6);
      break;
  }
}

void Mouth(cairo_t* cr, Point m, PilgrimFace face, double w) {
  switch (face) {
    case PilgrimFace::kSurprised:
      Ellipse(cr, m.x, m.y + 0.5, 2.4, 3.2);
      FillOutline(cr, kMouth, 1.2);
      break;
    case PilgrimFace::kCross:
      Curve(cr, {{m.x - w, m.y + 1.6}, {m.x, m.y - 0.8}, {m.x + w, m.y + 1.6}});
      Stroke(cr, kOutline, 1.6);
      break;
    case PilgrimFace::kDazed:
      Curve(cr, {{m.x - w, m.y}, {m.x - w / 2, m.y - 1.3}, {m.x, m.y}, {m.x + w / 2, m.y + 1.3}, {m.x + w, m.y}});
      Stroke(cr, kOutline, 1.3);
      break;
    case PilgrimFace::kSmiling:
      cairo_move_to(cr, m.x - w - 0.5, m.y - 1);
      cairo_curve_to(cr, m.x - w / 2, m.y + 5, m.x + w / 2, m.y + 5, m.x + w + 0.5, m.y - 1);
      cairo_close_path(cr);
      FillOutline(cr, kMouth, 1.3);
      break;
    case PilgrimFace::kPlain:
    case PilgrimFace::kEyesClosed:
      Curve(cr, {{m.x - w * 0.7, m.y}, {m.x, m.y + 1}, {m.x + w * 0.7, m.y - 0.4}});
      Stroke(cr, kOutline, 1.4);
      break;
  }
}

// The back of his head: hair all over, ears either side, the hat's plain back.
void HeadFromBehind(const Ctx& c, const PilgrimPose& pose) {
  cairo_t* cr = c.cr;
  for (double s : {-1.0, 1.0}) {
    Ellipse(cr, s * 13.5, -75, 3, 4.2);
    FillOutline(cr, kSkin, 1.4);
  }
  Blob(cr, {{-16, -84}, {-10, -91}, {10, -91}, {16, -84}, {16, -69}, {9, -64}, {-9, -64}, {-16, -69}});
  FillShaded(cr, kHair, 2 * c.sd, 2);
  Curve(cr, {{-6, -66}, {-4, -74}, {-5, -82}});
  Stroke(cr, Darker(kHair, 0.3), 1.2);
  Curve(cr, {{5, -66}, {4, -75}, {6, -82}});
  Stroke(cr, Darker(kHair, 0.3), 1.2);
  if (pose.hatOn) {
    cairo_save(cr);
    cairo_translate(cr, pose.hatDx, kBrimY + pose.hatDy);
    cairo_rotate(cr, pose.hatTilt);
    HatShape(c, false);
    cairo_restore(cr);
  }
}

void Head(const Ctx& c, const PilgrimPose& pose, bool faceFront) {
  cairo_t* cr = c.cr;
  if (pose.front && pose.back) {
    HeadFromBehind(c, pose);
    return;
  }
  const double hx = faceFront ? 0 : 3, hy = -76;
  // Hair: a bob below the hat, behind the head.
  if (faceFront) {
    Blob(cr, {{-16, -84}, {-10, -90}, {10, -90}, {16, -84}, {17, -70}, {11, -66}, {-11, -66}, {-17, -70}});
  } else {
    Blob(cr, {{-12, -86}, {2, -91}, {12, -88}, {-4, -76}, {-6, -66}, {-12, -64}, {-15, -72}});
  }
  FillShaded(cr, kHair, 2 * c.sd, 2);
  Ellipse(cr, hx, hy, faceFront ? 13.5 : 13, 14);
  cairo_path_t* skull = cairo_copy_path(cr);
  FillShaded(cr, kSkin, 3 * c.sd, 2.5);
  if (pose.sooty) {
    cairo_save(cr);
    cairo_append_path(cr, skull);
    cairo_clip(cr);
    Blob(cr, {{hx - 14, hy - 6}, {hx + 6, hy - 10}, {hx + 16, hy - 4}, {hx + 15, hy + 10}, {hx - 4, hy + 15}, {hx - 15, hy + 6}});
    Fill(cr, kSoot);
    cairo_restore(cr);
    cairo_append_path(cr, skull);
    Stroke(cr, kOutline);
  }
  cairo_path_destroy(skull);
  // Hair over the forehead and ears.
  FaceSpots spots{};
  if (faceFront) {
    for (double s : {-1.0, 1.0}) {
      Ellipse(cr, s * 13.5, -75, 3, 4.2);
      FillOutline(cr, kSkin, 1.4);
      Blob(cr, {{s * 9, -89}, {s * 16, -84}, {s * 16, -76}, {s * 12, -80}});
      FillOutline(cr, kHair, 1.4);
    }
    spots = {{{-5, -79}, {5, -79}}, 2, {0, -67}, {1, -1}};
  } else {
    Ellipse(cr, -5.5, -74, 2.6, 3.8);
    FillOutline(cr, kSkin, 1.3);
    spots = {{{9.5, -80}, {0, 0}}, 1, {11, -67.5}, {1, 1}};
  }
  if (!pose.sooty) {
    for (int i = 0; i < spots.eyeCount; ++i) {
      Ellipse(cr, spots.eyes[i].x + (faceFront ? 2.5 * (i ? 1 : -1) : -1.5), -70.5, 3.4, 2.4);
      Fill(cr, kCheek);
    }
  }
  for (int i = 0; i < spots.eyeCount; ++i) Eye(cr, spots.eyes[i], pose.face, spots.inward[i], pose.sooty);
  // Nose.
  if (faceFront) {
    Ellipse(cr, 0, -73.5, 3, 2.6);
    FillOutline(cr, pose.sooty ? kSoot : Darker(kSkin, 0.08), 1.3);
  } else {
    Ellipse(cr, 16, -75, 4, 3.6);
    Fill(cr, pose.sooty ? kSoot : kSkin);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 16, -75, 4, -1.75, 1.9);
    Stroke(cr, kOutline, 1.6);
  }
  Mouth(cr, spots.mouth, pose.face, faceFront ? 4 : 3.5);
  // Hat.
  if (pose.hatOn) {
    cairo_save(cr);
    cairo_translate(cr, (faceFront ? 0 : 1) + pose.hatDx, kBrimY + pose.hatDy);
    cairo_rotate(cr, pose.hatTilt);
    HatShape(c);
    cairo_restore(cr);
  }
}

// --- Body -----------------------------------------------------------------

void Coat(const Ctx& c, bool front, bool back = false) {
  cairo_t* cr = c.cr;
  if (front) {
    Blob(cr, {{-13, -62}, {13, -62}, {15, -50}, {14, -40}, {18, -20}, {0, -18}, {-18, -20}, {-14, -40}, {-15, -50}});
  } else {
    Blob(cr, {{-10, -62}, {6, -63}, {12, -54}, {12, -40}, {15, -20}, {0, -18}, {-15, -20}, {-13, -40}, {-12, -55}});
  }
  cairo_path_t* coat = cairo_copy_path(cr);
  DarkShape(c, kPilgrimCoat, 4, 0);
  cairo_save(cr);
  cairo_append_path(cr, coat);
  cairo_clip(cr);
  cairo_rectangle(cr, -20, -43, 40, 6);
  FillOutline(cr, kBlack, 1.2);
  if (front) Line(cr, 0, back ? -60 : -36, 0, -18, kOutline, 1.6);
  cairo_restore(cr);
  cairo_path_destroy(coat);
  if (back) {
    // From behind: the belt without its buckle, and the collar's back.
    Blob(cr, {{-14, -63}, {0, -64}, {14, -63}, {13, -57}, {0, -56}, {-13, -57}});
    FillShaded(cr, kWhite, 1.5 * c.sd, 1.5, 1.6);
    return;
  }
  const double bx = front ? 0 : 8;
  RoundRect(cr, bx - 4.5, -44.5, 9, 9, 1.2);
  FillOutline(cr, kBuckle, 1.3);
  cairo_rectangle(cr, bx - 2, -42, 4, 4);
  Fill(cr, kBlack);
  // Wide white collar.
  if (front) {
    Blob(cr, {{-14, -63}, {0, -61}, {14, -63}, {12, -55}, {2, -51}, {0, -54}, {-2, -51}, {-12, -55}});
    FillShaded(cr, kWhite, 1.5 * c.sd, 1.5, 1.6);
    Line(cr, 0, -60, 0, -54, kOutline, 1.2);
  } else {
    Blob(cr, {{-9, -64}, {7, -65}, {14, -58}, {8, -52}, {-2, -55}, {-8, -58}});
    FillShaded(cr, kWhite, 1.5 * c.sd, 1.5, 1.6);
  }
}

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
