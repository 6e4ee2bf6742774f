#pragma once
// The pilgrim's act in front of the shack. He walks up the lawn, jumps for
// the window sill (its top is at screen y 322, the lawn in front of the shack
// at y 440), hangs on and climbs up, looks about, shoots at the turkey he
// hears with blunderbuss and bow, gets sooted by his own gun, jumps down and
// ends flat on the lawn.
//
// Every picture keeps the pilgrim's body on screen x 366, so that pictures
// placed at x 330, 338 and 342 hand over without a jump. Foot lines, in each
// picture's own rows: the walk 125, the hop 120, the sill poses at y 198 124,
// at 188 134, at 186 136, the jump 144 (the sill) and 138 (the lawn, after
// the fall).
//
// What the pictures share: placing him, and the marks drawn around him.
#include <cairo.h>

#include "pilgrim_figure.h"
#include "style.h"

namespace art::scene4 {

inline constexpr double kBodyX = 366;  // screen x of his body in every picture

// DrawPilgrim's box x for a picture placed at screen x `pictureX`.
inline double BoxX(double pictureX) { return kBodyX - pictureX - 42; }
// DrawPilgrim's box y for a foot line at `footY` in the picture.
inline double BoxY(double footY) { return footY - 120; }

// Draws him in a picture placed at screen x `pictureX`, soles on `footY`.
inline void Draw(cairo_t* cr, double pictureX, double footY, const PilgrimPose& pose) {
  DrawPilgrim(cr, BoxX(pictureX), BoxY(footY), 1.0, pose);
}

// Where his head is in a picture, for effects around it (standing, no lean).
inline Point HeadAt(double pictureX, double footY, const PilgrimPose& p) {
  const double side = p.facingRight ? 1 : -1;
  const double dx = (p.front || p.headFront) ? 0 : 3 * side;
  return {kBodyX - pictureX + dx, footY - 76 - p.lift + 12 * p.crouch};
}

// --- Effects -----------------------------------------------------------------

// A five-pointed star.
void Star(cairo_t* cr, double cx, double cy, double r, Colour c);
// Stars and birdies circling a dazed head.
void DazeStars(cairo_t* cr, double cx, double cy, double rx, double phase);
// A spiky muzzle flash pointing along `dir` (radians).
void Flash(cairo_t* cr, Point p, double dir, double size);
// A cloud of smoke: a few overlapping lumps under one outline.
void Puff(cairo_t* cr, double cx, double cy, double r, double alpha = 1);
// Short strokes fanning out from (cx, cy) between angles a0 and a1.
void Burst(cairo_t* cr, double cx, double cy, double r0, double r1, double a0, double a1, int n, double width = 1.8);
// The twang of a loosed bowstring: short arcs beside the string.
void Twang(cairo_t* cr, double x, double y);
// An arrow in flight from x0 to x1 at height y.
void Arrow(cairo_t* cr, double x0, double y, double x1);
// A drop of sweat flying off him.
void SweatDrop(cairo_t* cr, double x, double y);

}  // namespace art::scene4
