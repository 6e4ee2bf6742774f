#include "cow_figure.h"

#include <cmath>

#include "style.h"

namespace art {
namespace {

void Leg(cairo_t* cr, double x, double top, double swing, double bend) {
  const double len = 44 * (1 - 0.25 * bend);
  const double foot = x + swing * 8;
  Polygon(cr, {{x - 6, top}, {x + 6, top}, {foot + 5, top + len - 6}, {foot - 5, top + len - 6}});
  FillShaded(cr, kCowWhite, 3, 0);
  RoundRect(cr, foot - 6, top + len - 8, 12, 8, 2);
  FillOutline(cr, kCowPatch);
}

}  // namespace

void DrawCow(cairo_t* cr, double x, double y, double scale, const CowPose& pose) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  const double drop = 44 * 0.25 * pose.legBend;  // body sinks as the knees bend
  cairo_translate(cr, 0, drop);
  // Far legs first, a little darker.
  Leg(cr, 80, 80, -pose.legSwing, pose.legBend);
  Leg(cr, 150, 80, pose.legSwing, pose.legBend);
  // Tail.
  const double ta = 0.25 + pose.tail * 0.45;
  const double tx = 164 + std::sin(ta) * 34, ty = 40 + std::cos(ta) * 48;
  Curve(cr, {{162, 40}, {170 + pose.tail * 6, 60}, {tx, ty}});
  Stroke(cr, kOutline, 4.5);
  Curve(cr, {{162, 40}, {170 + pose.tail * 6, 60}, {tx, ty}});
  Stroke(cr, kCowWhite, 2.2);
  Ellipse(cr, tx, ty + 4, 5, 8);
  FillOutline(cr, kCowPatch, 1.5);
  // Body with patches.
  Blob(cr, {{50, 40}, {90, 28}, {140, 28}, {166, 44}, {166, 78}, {140, 92}, {90, 92}, {54, 80}});
  cairo_path_t* body = cairo_copy_path(cr);
  FillShaded(cr, kCowWhite, 0, 8);
  cairo_save(cr);
  cairo_append_path(cr, body);
  cairo_clip(cr);
  Blob(cr, {{96, 24}, {124, 26}, {128, 50}, {108, 62}, {92, 46}});
  FillOutline(cr, kCowPatch, 1.5);
  Blob(cr, {{140, 54}, {170, 50}, {172, 88}, {146, 84}});
  FillOutline(cr, kCowPatch, 1.5);
  cairo_restore(cr);
  cairo_append_path(cr, body);
  Stroke(cr, kOutline);
  cairo_path_destroy(body);
  // Udder.
  Ellipse(cr, 128, 92, 12, 7);
  FillOutline(cr, kCowPink, 1.5);
  // Near legs.
  Leg(cr, 66, 82, pose.legSwing, pose.legBend);
  Leg(cr, 138, 82, -pose.legSwing, pose.legBend);
  // Head: ears, horns, face, muzzle.
  Ellipse(cr, 12, 30, 12, 6);
  FillShaded(cr, kCowWhite, 0, 3);
  Ellipse(cr, 62, 30, 12, 6);
  FillShaded(cr, kCowWhite, 0, 3);
  Blob(cr, {{18, 22}, {14, 10}, {20, 14}, {26, 22}});
  FillOutline(cr, kWhite, 1.5);
  Blob(cr, {{48, 22}, {56, 10}, {58, 16}, {54, 24}});
  FillOutline(cr, kWhite, 1.5);
  Blob(cr, {{22, 22}, {52, 22}, {60, 48}, {50, 70}, {24, 70}, {16, 48}});
  FillShaded(cr, kCowWhite, 5, 3);
  Blob(cr, {{26, 24}, {40, 22}, {38, 40}, {26, 44}});
  FillOutline(cr, kCowPatch, 1.5);
  Ellipse(cr, 37, 72 + pose.jaw * 2, 22, 13);
  FillShaded(cr, kCowPink, 0, 4);
  Ellipse(cr, 29, 70 + pose.jaw * 2, 3, 2.2);
  Fill(cr, kOutline);
  Ellipse(cr, 45, 70 + pose.jaw * 2, 3, 2.2);
  Fill(cr, kOutline);
  if (pose.smiling) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 37, 74, 10, 0.3, M_PI - 0.3);
    Stroke(cr, kOutline, 1.8);
  } else {
    Line(cr, 30, 79 + pose.jaw * 3, 44, 79 + pose.jaw * 2, kOutline, 1.6);
  }
  for (double ex : {29.0, 47.0}) {
    if (pose.eyesClosed) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, ex, 44, 4, M_PI + 0.3, 2 * M_PI - 0.3);
      Stroke(cr, kOutline, 1.8);
    } else {
      Ellipse(cr, ex, 44, 4.5, 5.5);
      FillOutline(cr, kWhite, 1.5);
      Ellipse(cr, ex - 1, 45, 2.2, 2.8);
      Fill(cr, kOutline);
    }
  }
  // Bell on a collar.
  Curve(cr, {{40, 86}, {52, 90}, {64, 86}});
  Stroke(cr, kWattle, 3);
  Polygon(cr, {{46, 88}, {54, 88}, {58, 100}, {42, 100}});
  FillShaded(cr, kBuckle, 3, 0, 1.5);
  cairo_restore(cr);
}

}  // namespace art
