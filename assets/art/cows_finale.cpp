// The last act on a black screen at (350, 250): under the night sky the cow
// crouches, jumps for joy (the plop is her take-off), hangs at the top and
// lands smiling.
// Played as Cow3 x3, Cow4, Cow5, Cow6, Cow7, Cow6, Cow5, Cow8.
#include <cmath>
#include <vector>

#include "cow_figure.h"
#include "picture.h"
#include "style.h"

namespace {

using namespace art;

// The picture reaches from its place to the screen's lower-right corner, so
// the finale fills the black screen's stage: a night sky over a hill, the
// cow large upon it. Its top and left edges lie in the black and blend in.
constexpr int kW = 450, kH = 350;
constexpr double kScale = 1.7;
constexpr double kGround = 300;  // hooves of the standing cow, on the hilltop
constexpr double kCowX = 70;

void Star(cairo_t* cr, double x, double y, double r, Colour c) {
  std::vector<Point> star;
  for (int i = 0; i < 10; ++i) {
    const double a = i * M_PI / 5 - M_PI / 2;
    const double rr = i % 2 ? r * 0.4 : r;
    star.push_back({x + std::cos(a) * rr, y + std::sin(a) * rr});
  }
  Polygon(cr, star);
  FillOutline(cr, c, 1.2);
}

// The night: the same stars in every frame (they twinkle, never go out),
// a moon, and the hill the cow stands on running off the screen's corner.
void Night(cairo_t* cr, int twinkle) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  const Point stars[] = {{40, 40},  {120, 24}, {210, 60},  {300, 30},  {260, 120},
                         {60, 150}, {150, 110}, {420, 150}, {350, 200}, {30, 230}};
  for (int i = 0; i < 10; ++i) {
    const bool bright = (i + twinkle) % 3 == 0;
    Star(cr, stars[i].x, stars[i].y, bright ? 7 : 4.5, bright ? kLeafGold : Mix(kLeafGold, kWhite, 0.5));
  }
  // A crescent: the lit disc with a black bite out of it.
  Ellipse(cr, 384, 70, 30, 30);
  FillOutline(cr, kCloud, 1.5);
  Ellipse(cr, 398, 60, 27, 27);
  Fill(cr, kBlack);
  Ellipse(cr, 262, 430, 250, 132);
  FillShaded(cr, Darker(kGrassDark, 0.45), 0, 8, 2);
}

void Frame(cairo_t* cr, double lift, const CowPose& pose, bool sparkle, int twinkle) {
  Night(cr, twinkle);
  // Shadow shrinks as she rises.
  const double s = 1.0 - lift / 150.0;
  Ellipse(cr, kCowX + 90 * kScale, kGround + 3, 105 * s, 9 * s);
  Fill(cr, Darker(kGrassDark, 0.7));
  DrawCow(cr, kCowX, kGround - 130 * kScale - lift, kScale, pose);
  if (sparkle) {
    const Point bursts[] = {{kCowX - 30, 90}, {kCowX + 330, 100}, {kCowX + 300, 190}};
    for (const Point& p : bursts) Star(cr, p.x, p.y, 12, kLeafGold);
  }
}

void AddFinaleCow(PictureList& out) {
  out.push_back({"Cow3", kW, kH, false, [](cairo_t* cr) { Frame(cr, 0, {.tail = 0.2}, false, 0); }});
  out.push_back({"Cow4", kW, kH, false, [](cairo_t* cr) { Frame(cr, 0, {.tail = -0.4, .legBend = 1}, false, 1); }});
  out.push_back({"Cow5", kW, kH, false, [](cairo_t* cr) { Frame(cr, 24, {.tail = 0.8, .legSwing = 0.6}, false, 2); }});
  out.push_back({"Cow6", kW, kH, false, [](cairo_t* cr) { Frame(cr, 50, {.tail = 1, .legSwing = 1}, false, 0); }});
  out.push_back({"Cow7", kW, kH, false, [](cairo_t* cr) {
                   Frame(cr, 64, {.tail = 1, .legSwing = 1, .eyesClosed = true, .smiling = true}, true, 1);
                 }});
  out.push_back({"Cow8", kW, kH, false, [](cairo_t* cr) {
                   Frame(cr, 0, {.tail = -0.2, .eyesClosed = true, .smiling = true}, true, 2);
                 }});
}

const PictureGroup kFinaleCow(AddFinaleCow);

}  // namespace
