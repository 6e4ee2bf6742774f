// The last act on a black screen at (350, 250): the cow crouches, jumps for
// joy (the plop is her take-off), hangs at the top and lands smiling.
// Played as Cow3 x3, Cow4, Cow5, Cow6, Cow7, Cow6, Cow5, Cow8.
#include <cmath>

#include "cow_figure.h"
#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 200, kH = 160;
constexpr double kScale = 0.8;
constexpr double kGround = 150;  // hooves of the standing cow

void Frame(cairo_t* cr, double lift, const CowPose& pose, bool sparkle) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  // Shadow shrinks as she rises.
  const double s = 1.0 - lift / 90.0;
  Ellipse(cr, 100, kGround + 2, 62 * s, 6 * s);
  Fill(cr, Rgb255(58, 54, 50));
  DrawCow(cr, 28, kGround - 130 * kScale - lift, kScale, pose);
  if (sparkle) {
    const Point stars[] = {{18, 30}, {182, 22}, {170, 70}};
    for (const Point& p : stars) {
      std::vector<Point> star;
      for (int i = 0; i < 10; ++i) {
        const double a = i * M_PI / 5 - M_PI / 2;
        const double r = i % 2 ? 3.5 : 9;
        star.push_back({p.x + std::cos(a) * r, p.y + std::sin(a) * r});
      }
      Polygon(cr, star);
      FillOutline(cr, kLeafGold, 1.2);
    }
  }
}

void AddFinaleCow(PictureList& out) {
  out.push_back({"Cow3", kW, kH, false, [](cairo_t* cr) { Frame(cr, 0, {.tail = 0.2}, false); }});
  out.push_back({"Cow4", kW, kH, false, [](cairo_t* cr) { Frame(cr, 0, {.tail = -0.4, .legBend = 1}, false); }});
  out.push_back({"Cow5", kW, kH, false, [](cairo_t* cr) { Frame(cr, 12, {.tail = 0.8, .legSwing = 0.6}, false); }});
  out.push_back({"Cow6", kW, kH, false, [](cairo_t* cr) { Frame(cr, 26, {.tail = 1, .legSwing = 1}, false); }});
  out.push_back({"Cow7", kW, kH, false,
                 [](cairo_t* cr) { Frame(cr, 34, {.tail = 1, .legSwing = 1, .eyesClosed = true, .smiling = true}, true); }});
  out.push_back({"Cow8", kW, kH, false,
                 [](cairo_t* cr) { Frame(cr, 0, {.tail = -0.2, .eyesClosed = true, .smiling = true}, true); }});
}

const PictureGroup kFinaleCow(AddFinaleCow);

}  // namespace
