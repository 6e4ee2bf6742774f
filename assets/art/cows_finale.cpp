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

// Paints the current source through a mask that fades from clear at the
// origin to opaque at (x1, y1).
void MaskFadingIn(cairo_t* cr, double x1, double y1) {
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, x1, y1);
  cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 1);
  cairo_mask(cr, fade);
  cairo_pattern_destroy(fade);
}

// Paints what draw draws, faded out toward the picture's top and left
// edges, where the black screen goes on: the night runs on past them
// instead of stopping at a line.
template <typename Draw>
void FadedToTopAndLeft(cairo_t* cr, Draw draw) {
  cairo_push_group(cr);
  cairo_push_group(cr);
  draw();
  cairo_pop_group_to_source(cr);
  MaskFadingIn(cr, 110, 0);
  cairo_pop_group_to_source(cr);
  MaskFadingIn(cr, 0, 90);
}

// The night: the same stars in every frame (they twinkle, never go out),
// a moon, and the hill the cow stands on running off the screen's corner.
void Night(cairo_t* cr, int twinkle) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  FadedToTopAndLeft(cr, [&] {
    const Point stars[] = {{40, 40},  {120, 24}, {210, 60},  {300, 30}, {260, 120}, {60, 150},
                           {150, 110}, {420, 150}, {350, 200}, {30, 230}, {8, 96},   {96, 8},
                           {14, 300}, {190, 14}, {70, 250}, {250, 6},  {22, 180}};
    for (int i = 0; i < 17; ++i) {
      const bool bright = (i + twinkle) % 3 == 0;
      Star(cr, stars[i].x, stars[i].y, bright ? 7 : 4.5, bright ? kLeafGold : Mix(kLeafGold, kWhite, 0.5));
    }
    // The hill, wide enough to run out past the picture's left edge.
    Ellipse(cr, 300, 460, 400, 160);
    FillShaded(cr, Darker(kGrassDark, 0.45), 0, 8, 2);
  });
  // A crescent: the lit disc with a bite of the night's own black out of it.
  Ellipse(cr, 384, 70, 30, 30);
  FillOutline(cr, kCloud, 1.5);
  Ellipse(cr, 398, 60, 27, 27);
  Fill(cr, Rgb255(0, 0, 0));
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
  // The fades would band on the display's 16 bits: every frame is dithered.
  out.push_back({"Cow3", kW, kH, false, [](cairo_t* cr) { Frame(cr, 0, {.tail = 0.2}, false, 0); }, true});
  out.push_back({"Cow4", kW, kH, false, [](cairo_t* cr) { Frame(cr, 0, {.tail = -0.4, .legBend = 1}, false, 1); }, true});
  out.push_back({"Cow5", kW, kH, false, [](cairo_t* cr) { Frame(cr, 24, {.tail = 0.8, .legSwing = 0.6}, false, 2); }, true});
  out.push_back({"Cow6", kW, kH, false, [](cairo_t* cr) { Frame(cr, 50, {.tail = 1, .legSwing = 1}, false, 0); }, true});
  out.push_back({"Cow7", kW, kH, false, [](cairo_t* cr) {
                   Frame(cr, 64, {.tail = 1, .legSwing = 1, .eyesClosed = true, .smiling = true}, true, 1);
                 }, true});
  out.push_back({"Cow8", kW, kH, false, [](cairo_t* cr) {
                   Frame(cr, 0, {.tail = -0.2, .eyesClosed = true, .smiling = true}, true, 2);
                 }, true});
}

const PictureGroup kFinaleCow(AddFinaleCow);

}  // namespace
