#pragma once
// Small cartoon marks drawn around a figure: stars, loose feathers, sweat,
// shouts, shakes, an exclamation mark and puffs of smoke. Shared by the
// pictures so that one scene's fright (or gun smoke) looks like another's.
#include <cairo.h>

#include <vector>

#include "style.h"

namespace art {

// A five-pointed star of outer radius r, turned by `turn` radians.
void Star(cairo_t* cr, double x, double y, double r, Colour c, double turn = 0);
// A loose feather drifting at angle a (radians, 0 = pointing right).
void LooseFeather(cairo_t* cr, double x, double y, double a, double len, Colour c);
// Three arcs fanning out from a loud beak toward the direction dir.
void ShoutLines(cairo_t* cr, double x, double y, double dir, double size);
void SweatDrop(cairo_t* cr, double x, double y, double s = 1);
// Short paired strokes beside a shaking body; side -1 left, 1 right.
void ShakeLines(cairo_t* cr, double x, double y, double h, int side);
// A red "!" standing on (x, y) at its bottom.
void Exclaim(cairo_t* cr, double x, double y, double s);

struct CloudBall {
  double x, y, r;
};
// A cartoon cloud: overlapping balls under one outline, shaded toward the
// lower right, with a highlight on the biggest balls.
void Cloud(cairo_t* cr, const std::vector<CloudBall>& balls, Colour fill = kSmoke);

}  // namespace art
