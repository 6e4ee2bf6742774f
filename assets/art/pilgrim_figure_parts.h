#pragma once
// The pieces the pilgrim is drawn from, shared between the files that draw
// them and pilgrim_figure.cpp, which puts him together. Every piece is drawn
// facing right around the figure's own origin: x = 0 is the middle of his
// body, y = 0 the foot line, up is negative. Facing left mirrors it.
#include <cairo.h>

#include "pilgrim_figure.h"
#include "style.h"

namespace art::pilgrim_parts {

// Shading follows the light on screen; when mirrored, the local dx flips.
struct Ctx {
  cairo_t* cr;
  double sd;  // +1 facing right, -1 facing left
};

// Fills the current path with dark cloth (coat, hat): lit rim on the upper
// left, shade toward (dx, dy), outline.
void DarkShape(const Ctx& c, Colour fill, double dx, double dy);

// --- Limbs ------------------------------------------------------------------

// A stockinged leg from hip to ankle, the knee bent toward `bend`, with its
// shoe (from the front, from behind or in profile).
void Leg(const Ctx& c, Point hip, Point ankle, Point bend, bool front, bool far, bool back);

struct ArmPath {
  Point elbow, hand;
};

// Elbow and hand of an arm pose in the body's frame.
ArmPath ArmFor(PilgrimArm a, bool front);
void Arm(const Ctx& c, Point shoulder, Point elbow, Point hand, bool far);

// --- Things he holds --------------------------------------------------------

void Blunderbuss(const Ctx& c, Point butt, Point muzzle);
void Bow(const Ctx& c, Point grip, Point string, bool arrow);

// --- Head and coat ----------------------------------------------------------

// The hat with the middle of its brim at the origin.
void HatShape(const Ctx& c, bool buckle = true);
void Head(const Ctx& c, const PilgrimPose& pose, bool faceFront);
void Coat(const Ctx& c, bool front, bool back = false);

}  // namespace art::pilgrim_parts
