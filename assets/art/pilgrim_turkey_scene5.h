#pragma once
// The pilgrim and the turkey together, after his fall: the turkey laughs at
// him, he charges, they tumble in a cloud, the turkey ends up in his hat,
// bounces on his belly and shoots off to the right, leaving him seeing stars.
//
// Every picture is drawn in screen coordinates and shifted by its own
// top-left corner, so that pictures of different sprites (which stand at
// slightly different places) still line up with each other.
//
// What the pictures share: where things stand, the two figures placed there,
// the turkey of this scene and the marks around them.
#include <cairo.h>

#include <cmath>
#include <functional>
#include <initializer_list>

#include "picture.h"
#include "pilgrim_figure.h"
#include "style.h"

namespace art::scene5 {

// --- Where things stand (screen pixels) -----------------------------------

inline constexpr double kGround = 528;     // foot line of the whole scene
inline constexpr double kPilgrimX = 352;   // standing pilgrim's box (centre 394)
inline constexpr double kTurkeyCx = 528;   // turkey standing to his right
inline constexpr double kLieFeetX = 484;   // lying on his back: feet here, head left
inline constexpr double kLieY = 511;       // ... his body's middle line
inline constexpr double kBellyX = 446, kBellyY = 499;  // top of his belly when lying

struct Spot {
  int x, y, w, h;
};

inline constexpr Spot kPT01{330, 390, 320, 150};
inline constexpr Spot kPT06{244, 399, 400, 141};
inline constexpr Spot kPT07{330, 398, 320, 142};
inline constexpr Spot kPT18{328, 344, 320, 196};
inline constexpr Spot kPT23{333, 391, 320, 149};
inline constexpr Spot kPT26{334, 391, 320, 149};

// A picture of spot s, drawn in screen coordinates.
inline void Add(PictureList& out, const char* name, Spot s, std::function<void(cairo_t*)> draw) {
  out.push_back({name, s.w, s.h, true, [s, draw](cairo_t* cr) {
                   cairo_translate(cr, -s.x, -s.y);
                   draw(cr);
                 }});
}

// --- The two of them ------------------------------------------------------

// Standing on the scene's foot line, `dx` from his usual place.
inline void Pilgrim(cairo_t* cr, const PilgrimPose& p, double dx = 0) { DrawPilgrim(cr, kPilgrimX + dx, kGround - 120, 1.0, p); }

// Flat on his back, belly up, head to the left. `squash` < 1 presses him
// flatter (the turkey landing on him).
inline void LyingPilgrim(cairo_t* cr, PilgrimPose p, double squash = 1.0) {
  p.facingRight = true;
  cairo_save(cr);
  cairo_translate(cr, 0, kLieY + 17);
  cairo_scale(cr, 1, squash);
  cairo_translate(cr, kLieFeetX, -17);
  cairo_rotate(cr, -M_PI / 2);
  DrawPilgrim(cr, -42, -120, 1.0, p);
  cairo_restore(cr);
}

// --- The turkey -------------------------------------------------------------

enum class Eyes { kOpen, kWide, kClosed, kDazed };

struct TurkeyLook {
  bool facingRight = false;
  double lift = 0;      // px above its foot point
  double crouch = 0;    // 0..1 knees bent, body lower
  double lean = 0;      // radians, body tipped forward
  double wings = 0;     // 0 folded .. 1 spread up
  double stride = 0;    // -1..1 which leg is forward
  bool beakOpen = false;
  bool laughing = false;  // head thrown back, beak wide
  bool running = false;   // legs a whirl
  bool hat = false;       // wearing the pilgrim's hat
  Eyes eyes = Eyes::kOpen;
};

// The turkey with its feet at (cx, footY).
void Turkey(cairo_t* cr, double cx, double footY, const TurkeyLook& t);

// Where the turkey's head is, in screen coordinates.
Point TurkeyHead(double cx, double footY, const TurkeyLook& t);

// --- Extras ---------------------------------------------------------------

// A five-pointed star, shaded toward the lower right, turned by `turn`.
void ShadedStar(cairo_t* cr, double cx, double cy, double r, Colour fill, double turn = 0);
// Little stars circling a dizzy head; phase 0 or 1 turns the ring.
void DizzyStars(cairo_t* cr, double cx, double cy, int phase);
// A spiky burst: the moment of a hit.
void Burst(cairo_t* cr, double cx, double cy, double r, Colour outer, Colour inner, unsigned seed);
// A loose feather at `angle` radians.
void Feather(cairo_t* cr, double x, double y, double angle, Colour fill = kFeatherRust);
// Motion streaks: horizontal lines from x0 to x1 at the given heights.
void Streaks(cairo_t* cr, double x0, double x1, std::initializer_list<double> ys);
// Short strokes round a point: something just popped or landed there.
void PopLines(cairo_t* cr, double cx, double cy, double r0, double r1, int n, double from, double to);

}  // namespace art::scene5
