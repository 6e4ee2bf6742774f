#pragma once
// The shared cartoon style of the show: a warm autumn palette, clean dark
// outlines, flat fills with one level of shading.
//
// Typical use, with the path built first:
//   art::Ellipse(cr, 40, 50, 20, 14);
//   art::FillShaded(cr, art::kTurkeyBrown, 4, 3);  // shade toward lower right
// Light comes from the upper left everywhere, so shade with dx, dy > 0.
// Keyed pictures: never use colours close to pure magenta (the generator
// pushes such pixels away from it anyway).
#include <cairo.h>

#include <vector>

namespace art {

struct Colour {
  double r, g, b;  // 0..1
};

constexpr Colour Rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Palette.
inline constexpr Colour kOutline = Rgb255(43, 27, 18);  // outlines: very dark brown, not black
inline constexpr Colour kBlack = Rgb255(20, 16, 14);
inline constexpr Colour kWhite = Rgb255(250, 246, 236);
inline constexpr Colour kSkyTop = Rgb255(118, 170, 214);
inline constexpr Colour kSkyLow = Rgb255(246, 214, 160);
inline constexpr Colour kCloud = Rgb255(252, 244, 232);
inline constexpr Colour kGrass = Rgb255(118, 158, 62);
inline constexpr Colour kGrassDark = Rgb255(84, 122, 44);
inline constexpr Colour kGrassDry = Rgb255(176, 168, 80);
inline constexpr Colour kLeafRed = Rgb255(196, 58, 36);
inline constexpr Colour kLeafOrange = Rgb255(228, 124, 36);
inline constexpr Colour kLeafGold = Rgb255(236, 186, 52);
inline constexpr Colour kBark = Rgb255(104, 70, 44);
inline constexpr Colour kWood = Rgb255(164, 112, 64);
inline constexpr Colour kWoodLight = Rgb255(212, 164, 106);
inline constexpr Colour kPlank = Rgb255(142, 104, 70);
inline constexpr Colour kRoof = Rgb255(128, 64, 44);
inline constexpr Colour kShadowInside = Rgb255(60, 40, 30);
inline constexpr Colour kTurkeyBrown = Rgb255(120, 78, 46);
inline constexpr Colour kTurkeyDark = Rgb255(78, 50, 32);
inline constexpr Colour kFeatherTan = Rgb255(198, 150, 92);
inline constexpr Colour kFeatherRust = Rgb255(176, 84, 40);
inline constexpr Colour kWattle = Rgb255(214, 40, 38);
inline constexpr Colour kBeak = Rgb255(240, 180, 40);
inline constexpr Colour kLegs = Rgb255(226, 150, 60);
inline constexpr Colour kSkin = Rgb255(240, 196, 156);
inline constexpr Colour kCheek = Rgb255(226, 140, 120);
inline constexpr Colour kPilgrimCoat = Rgb255(44, 40, 42);
inline constexpr Colour kBuckle = Rgb255(232, 196, 70);
inline constexpr Colour kSteel = Rgb255(112, 116, 124);
inline constexpr Colour kSteelLight = Rgb255(178, 182, 190);
inline constexpr Colour kGunStock = Rgb255(132, 78, 40);
inline constexpr Colour kFlashYellow = Rgb255(255, 232, 96);
inline constexpr Colour kFlashOrange = Rgb255(250, 146, 30);
inline constexpr Colour kSmoke = Rgb255(206, 204, 198);
inline constexpr Colour kCowWhite = Rgb255(244, 240, 230);
inline constexpr Colour kCowPatch = Rgb255(46, 38, 36);
inline constexpr Colour kCowPink = Rgb255(238, 160, 150);
inline constexpr Colour kGlass = Rgb255(224, 236, 244);

// A darker or lighter tone of c; amount 0..1.
Colour Darker(Colour c, double amount = 0.28);
Colour Lighter(Colour c, double amount = 0.3);
// Linear mix, t = 0 gives a.
Colour Mix(Colour a, Colour b, double t);

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);

// Where things stand in the backdrop (screen pixels): the far edge of the
// lawn and the ground line of the shack's front. Figures on the lawn stand
// with their feet below kShackBaseY.
inline constexpr int kHorizonY = 330;
inline constexpr int kShackBaseY = 440;

// Outline width in pixels for figures drawn at screen scale.
inline constexpr double kOutlineWidth = 2.0;

// --- Path builders: each adds a closed sub-path, nothing is drawn. --------
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A smooth closed curve through the points (Catmull-Rom).
struct Point {
  double x, y;
};
void Blob(cairo_t* cr, const std::vector<Point>& points);
// Straight-edged closed polygon.
void Polygon(cairo_t* cr, const std::vector<Point>& points);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Open smooth curve through the points (for tails, legs, cracks...).
void Curve(cairo_t* cr, const std::vector<Point>& points);

// --- Painting the current path; all of these clear the path afterwards. ---
// Flat fill plus dark outline.
void FillOutline(cairo_t* cr, Colour fill, double width = kOutlineWidth);
// Flat fill, one darker tone on the side (dx, dy) away from the light, outline.
void FillShaded(cairo_t* cr, Colour fill, double dx, double dy, double width = kOutlineWidth);
// Fill without outline.
void Fill(cairo_t* cr, Colour fill);
// Stroke only, round caps and joins.
void Stroke(cairo_t* cr, Colour colour, double width = kOutlineWidth);

// Adds only the shade of the current path (keeps the path): a darker tone of
// `fill` on the side (dx, dy).
void Shade(cairo_t* cr, Colour fill, double dx, double dy);

// A straight stroked line.
void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Colour colour, double width = kOutlineWidth);

// Deterministic pseudo-random numbers for scattering leaves, grass, etc.
class Random {
 public:
  explicit Random(unsigned seed) : state_(seed * 2654435761u + 1u) {}
  // Uniform in [0, 1).
  double Next();
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  unsigned long long state_;
};

}  // namespace art
