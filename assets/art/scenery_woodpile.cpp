// The firewood pile on the lawn, drawn at (200, 500); the end of its front
// log is painted as a target.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

void LogEnd(cairo_t* cr, double cx, double cy, double r, bool target) {
  Ellipse(cr, cx, cy, r, r);
  FillOutline(cr, target ? kWhite : kWoodLight);
  if (target) {
    const Colour rings[] = {kWattle, kWhite, kWattle};
    for (int i = 0; i < 3; ++i) {
      Ellipse(cr, cx, cy, r * (0.78 - i * 0.25), r * (0.78 - i * 0.25));
      FillOutline(cr, rings[i], 1.2);
    }
    return;
  }
  for (double k : {0.66, 0.36}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * k, 0.3, 2 * M_PI - 0.4);
    Stroke(cr, Darker(kWoodLight, 0.3), 1.1);
  }
}

void DrawWood(cairo_t* cr) {
  // Logs seen end-on: their bodies run back to the upper right.
  struct Log {
    double x, y, r;
  };
  const Log logs[] = {{24, 64, 18}, {62, 64, 18}, {100, 64, 18}, {43, 33, 18}, {81, 33, 18}, {62, 18, 15}};
  // Shadow on the grass.
  Ellipse(cr, 92, 78, 76, 7);
  Fill(cr, kGrassDark);
  for (const Log& l : logs) {
    Polygon(cr, {{l.x, l.y - l.r}, {l.x + 48, l.y - l.r - 10}, {l.x + 48, l.y + l.r - 10}, {l.x, l.y + l.r}});
    FillShaded(cr, kBark, 0, 6);
    Ellipse(cr, l.x + 48, l.y - 10, l.r * 0.4, l.r);
    FillOutline(cr, kBark);
  }
  for (size_t i = 0; i < 6; ++i) LogEnd(cr, logs[i].x, logs[i].y, logs[i].r, i == 1);
  // A chopping block with its axe on the right.
  RoundRect(cr, 136, 46, 28, 32, 4);
  FillShaded(cr, kBark, 6, 0);
  Ellipse(cr, 150, 46, 14, 5);
  FillOutline(cr, kWoodLight);
  Line(cr, 146, 44, 162, 8, kWood, 4);
  Polygon(cr, {{156, 4}, {168, 2}, {170, 14}, {160, 18}});
  FillShaded(cr, kSteelLight, 3, 3, 1.5);
}

void AddWood(PictureList& out) {
  // Drawn 10 pixels down in a taller picture: the top log and the axe keep
  // clear of the top edge.
  out.push_back({"Wood", 172, 96, true, [](cairo_t* cr) {
                   cairo_translate(cr, 0, 10);
                   DrawWood(cr);
                 }});
}

const PictureGroup kWood(AddWood);

}  // namespace
