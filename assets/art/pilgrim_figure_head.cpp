// The pilgrim's head: hair, a face for every expression (sooty after a
// backfire), the back of his head, and his buckled hat.
#include <cmath>

#include "pilgrim_figure_parts.h"

namespace art::pilgrim_parts {
namespace {

constexpr double kBrimY = -87;  // hat brim on his head

const Colour kHair = Rgb255(112, 72, 40);
const Colour kMouth = Rgb255(120, 36, 30);
const Colour kSoot = Rgb255(58, 50, 48);

}  // namespace

void HatShape(const Ctx& c, bool buckle) {
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

namespace {

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

}  // namespace

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

}  // namespace art::pilgrim_parts
