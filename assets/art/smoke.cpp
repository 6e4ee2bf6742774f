// The dust cloud the turkey leaves behind when it shoots off to the right
// from the pilgrim's belly: a dense ball with streaks pointing where it went,
// then swelling, breaking up and thinning out. Drawn over the pilgrim at
// (450, 430), so the ball sits where the turkey stood.
#include <cmath>

#include "cartoon_marks.h"
#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 240, kH = 150;

// Speed streaks trailing off to the right: where the turkey went.
void Streaks(cairo_t* cr, double x0, double len, double width) {
  const double ys[] = {58, 74, 90, 106};
  const double starts[] = {0, 14, 4, 20};
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < 4; ++i) {
      const double x = x0 + starts[i];
      if (pass == 0)
        Line(cr, x, ys[i], x + len - starts[i], ys[i], kOutline, width + 3);
      else
        Line(cr, x, ys[i], x + len - starts[i], ys[i], kSmoke, width);
    }
}

// A feather knocked loose, tumbling.
void Feather(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Blob(cr, {{-9, 0}, {-3, -4}, {8, -3}, {10, 0}, {7, 3}, {-3, 4}});
  FillShaded(cr, kFeatherRust, 1, 2, 1.4);
  Line(cr, -11, 0, 8, 0, kOutline, 1.0);
  cairo_restore(cr);
}

void Smoke01(cairo_t* cr) {
  Streaks(cr, 110, 120, 4);
  Cloud(cr, {{60, 72, 30}, {96, 62, 28}, {42, 100, 24}, {84, 100, 32}, {124, 84, 22}, {112, 112, 20}});
  Feather(cr, 34, 40, -0.5);
}

void Smoke02(cairo_t* cr) {
  Streaks(cr, 150, 86, 3);
  Cloud(cr, {{52, 66, 30}, {94, 52, 28}, {30, 100, 26}, {80, 98, 36}, {132, 76, 26}, {126, 112, 22}, {56, 124, 18}});
  Feather(cr, 22, 26, 0.3);
  Feather(cr, 168, 36, 1.9);
}

void Smoke03(cairo_t* cr) {
  Streaks(cr, 196, 40, 2);
  const Colour thin = Lighter(kSmoke, 0.18);
  Cloud(cr, {{56, 46, 24}, {84, 40, 18}}, thin);
  Cloud(cr, {{26, 90, 20}, {44, 108, 16}}, thin);
  Cloud(cr, {{116, 92, 26}, {144, 80, 18}}, thin);
  Cloud(cr, {{170, 44, 14}}, thin);
  Feather(cr, 22, 14, 1.1);
  Feather(cr, 190, 20, 2.6);
}

void Smoke04(cairo_t* cr) {
  const Colour thin = Lighter(kSmoke, 0.35);
  Cloud(cr, {{60, 26, 14}, {76, 22, 10}}, thin);
  Cloud(cr, {{18, 76, 11}}, thin);
  Cloud(cr, {{128, 78, 16}, {146, 72, 10}}, thin);
  Cloud(cr, {{80, 124, 9}}, thin);
  Cloud(cr, {{196, 40, 8}}, thin);
  Feather(cr, 24, 42, 1.8);
  Feather(cr, 206, 12, 3.2);
}

void AddSmoke(PictureList& out) {
  out.push_back({"Smoke01", kW, kH, true, Smoke01});
  out.push_back({"Smoke02", kW, kH, true, Smoke02});
  out.push_back({"Smoke03", kW, kH, true, Smoke03});
  out.push_back({"Smoke04", kW, kH, true, Smoke04});
}

const PictureGroup kSmokeGroup(AddSmoke);

}  // namespace
