// The turkey comes back from the right, still in the pilgrim's hat, hauling
// a cow on a rope (it walks in from x 800 and stops at x 407); then the
// closing picture beside the lawn cow: the pilgrim, napkin on and fork up,
// is offered the cow instead of the turkey.
//
// The walker's cow stands exactly where the lawn cow (610, 450) takes over,
// and its turkey where the closing picture's turkey stands, so the change of
// sprites does not jump.
#include <cmath>

#include "cow_figure.h"
#include "picture.h"
#include "pilgrim_figure.h"
#include "style.h"

namespace art {
// Drawn with the scene 5 pictures, so that it is the very same turkey.
void DrawHatTurkey(cairo_t* cr, double cx, double footY, bool facingRight, double stride, double lean, double wings,
                   bool beakOpen);
}  // namespace art

namespace {

using namespace art;

constexpr int kWalkW = 400, kWalkH = 170;
constexpr double kWalkEndX = 407, kWalkY = 420;  // where the walker stops
constexpr double kCowX = 610, kCowY = 454;        // the lawn cow's figure origin
constexpr double kTurkeyCx = 487, kFootY = 581;   // turkey on the cow's ground line
constexpr double kCollarX = kCowX + 52, kCollarY = kCowY + 88;

void Rope(cairo_t* cr, Point from, Point to, double sag) {
  const Point mid{(from.x + to.x) / 2, (from.y + to.y) / 2 + sag};
  Curve(cr, {from, mid, to});
  Stroke(cr, kOutline, 4.5);
  Curve(cr, {from, mid, to});
  Stroke(cr, kWoodLight, 2.4);
}

// One walker frame, in screen coordinates of its resting place.
void Walker(cairo_t* cr, int k) {
  cairo_translate(cr, -kWalkEndX, -kWalkY);
  const double phase = std::sin(k * 2 * M_PI / 3);
  DrawCow(cr, kCowX, kCowY, 1.0, {.tail = phase * 0.6, .jaw = k == 1 ? 1.0 : 0.0, .legSwing = phase});
  Rope(cr, {kTurkeyCx + 6, kFootY - 52}, {kCollarX, kCollarY}, 4);
  DrawHatTurkey(cr, kTurkeyCx, kFootY, false, phase, 0.3, 0.25, true);
  // Sweat of the effort.
  Ellipse(cr, kTurkeyCx + 30, kFootY - 104 + k * 3, 2.5, 4);
  FillOutline(cr, kWhite, 1.2);
}

void Fork(cairo_t* cr, Point hand) {
  Line(cr, hand.x, hand.y, hand.x + 2, hand.y - 24, kOutline, 4);
  Line(cr, hand.x, hand.y, hand.x + 2, hand.y - 24, kSteelLight, 2);
  for (double dx : {-4.0, 0.0, 4.0}) Line(cr, hand.x + 2 + dx, hand.y - 24, hand.x + 2 + dx, hand.y - 34, kOutline, 2);
}

void Final(cairo_t* cr, int k) {
  cairo_translate(cr, -334, -391);
  const PilgrimPose me{.facingRight = true, .nearArm = PilgrimArm::kWave, .farArm = PilgrimArm::kHip,
                       .face = k == 0 ? PilgrimFace::kSmiling : PilgrimFace::kSurprised, .hatOn = false};
  DrawPilgrim(cr, 352, 408, 1.0, me);
  // Napkin tucked in at the collar.
  Polygon(cr, {{386, 458}, {408, 458}, {397, 482}});
  FillShaded(cr, kWhite, 2, 2, 1.5);
  Fork(cr, PilgrimMuzzle(352, 408, 1.0, me));
  Rope(cr, {kTurkeyCx + 6, kFootY - 52}, {kCollarX, kCollarY}, 14);
  DrawHatTurkey(cr, kTurkeyCx, kFootY, true, 0, 0, k == 0 ? 0.9 : 0.6, true);
}

void AddWalkerAndFinal(PictureList& out) {
  const char* walk[] = {"T&C01", "T&C02", "T&C03"};
  for (int k = 0; k < 3; ++k) out.push_back({walk[k], kWalkW, kWalkH, true, [k](cairo_t* cr) { Walker(cr, k); }});
  out.push_back({"TCP01", 336, 200, true, [](cairo_t* cr) { Final(cr, 0); }});
  out.push_back({"TCP02", 336, 200, true, [](cairo_t* cr) { Final(cr, 1); }});
}

const PictureGroup kWalkerAndFinal(AddWalkerAndFinal);

}  // namespace
