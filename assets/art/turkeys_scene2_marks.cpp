// The marks around the second turkey: bursts, puffs of smoke, pellets and
// the feathers left drifting after a blast.
#include <cmath>

#include "cartoon_marks.h"
#include "turkeys_scene2_bird.h"

namespace art::scene2_turkey {

// A jagged burst, for hits and crashes.
void Burst(cairo_t* cr, double x, double y, double r, Colour outer, Colour inner) {
  std::vector<Point> p;
  Random rnd(static_cast<unsigned>(x * 13 + y * 7));
  for (int i = 0; i < 16; ++i) {
    const double a = i * M_PI / 8;
    const double rr = i % 2 ? r * rnd.Range(0.45, 0.6) : r * rnd.Range(0.85, 1.05);
    p.push_back({x + std::cos(a) * rr, y + std::sin(a) * rr});
  }
  Polygon(cr, p);
  FillOutline(cr, outer, 1.8);
  Ellipse(cr, x, y, r * 0.35, r * 0.3);
  Fill(cr, inner);
}

// A small cloud of three overlapping puffs.
void SmokePuff(cairo_t* cr, double x, double y, double r) {
  const Point at[] = {{-0.7, 0.2}, {0.7, 0.25}, {0, -0.35}};
  for (const Point& p : at) {
    Ellipse(cr, x + p.x * r, y + p.y * r, r * 0.85, r * 0.75);
    FillShaded(cr, kSmoke, 2, 3, 1.5);
  }
}

// A pellet zipping past toward the upper left, with speed lines behind it.
void Pellet(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) Line(cr, x + 6, y + 2 + i * 2 - 2, x + 24 - i * 4, y + 6 + i * 2 - 2, kOutline, 1.2);
  Ellipse(cr, x, y, 3, 3);
  FillOutline(cr, kSteel, 1.2);
}

// Feathers and soot flakes still drifting after a blast; `fall` moves them down.
void Drifting(cairo_t* cr, double fall) {
  LooseFeather(cr, 40, 40 + fall, 0.5, 20, kTurkeyBrown);
  LooseFeather(cr, 176, 30 + fall * 0.8, 2.4, 18, kFeatherRust);
  LooseFeather(cr, 150, 70 + fall * 1.2, -0.3, 16, kFeatherTan);
  LooseFeather(cr, 22, 100 + fall, 2.0, 18, kFeatherRust);
  LooseFeather(cr, 196, 112 + fall * 0.9, 0.9, 15, kTurkeyBrown);
}

}  // namespace art::scene2_turkey
