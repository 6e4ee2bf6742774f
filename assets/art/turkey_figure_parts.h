#pragma once
// The pieces the turkey is drawn from, shared between the files that draw
// them and turkey_figure.cpp, which puts the bird together. All of them draw
// in the bird's own box, facing left (see turkey_figure.h).
#include <cairo.h>

#include <vector>

#include "style.h"
#include "turkey_figure.h"

namespace art::turkey_parts {

inline constexpr Colour kHeadSkin = Rgb255(178, 206, 226);  // pale blue face of a tom
inline constexpr Colour kSoot = Rgb255(44, 40, 40);

// Every colour of one drawing, already tinted for soot and plucking.
struct Look {
  Colour body, dark, tan, rust, band, tip, head, wattle, beak, legs, mouth;
  double soot;
  Colour Tint(Colour c) const { return Mix(c, kSoot, soot * 0.78); }
};

// --- Body -------------------------------------------------------------------

// A thick limb: dark outline stroke, then the colour inside it.
void Limb(cairo_t* cr, const std::vector<Point>& pts, Colour c, double w);
void Leg(cairo_t* cr, const Look& k, double hipX, double hipY, double footX, double footY, double crouch,
         bool dangling, bool far);
void Body(cairo_t* cr, const Look& k, const TurkeyPose& p);
// Feathers sticking out all round the body; nothing at amount 0.
void Ruffles(cairo_t* cr, const Look& k, double amount);

// --- Tail and wings ---------------------------------------------------------

void TailFan(cairo_t* cr, const Look& k, const TurkeyPose& p);
// The far wing (drawn behind the body) or the near one.
void WingPair(cairo_t* cr, const Look& k, const TurkeyPose& p, bool far);

// --- Neck and head ----------------------------------------------------------

void NeckAndHead(cairo_t* cr, const Look& k, const TurkeyPose& p);

}  // namespace art::turkey_parts
