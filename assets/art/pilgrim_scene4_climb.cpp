// The pilgrim's way up to the shack's window sill: the walk up the lawn, the
// hop for the sill, hanging on and climbing up, and looking out left and
// right from the top.
#include "picture.h"
#include "pilgrim_scene4.h"

namespace art::scene4 {
namespace {

using A = PilgrimArm;
using F = PilgrimFace;

// --- The walk up the lawn and the hop ------------------------------------------

// Walking away from the viewer, up the lawn and into the picture, so seen
// from behind. He stops with his soles on the lawn, 5 px below the shack's
// base; the same picture (pilgrimC) stands him on the sill, whose top he then
// treads 4 px into its depth.
constexpr double kWalkX = 330, kWalkFoot = 130;  // 80 x 136 at (330, 600 .. 315)

PilgrimPose WalkPose(double stride, double bob) {
  return {.front = true, .back = true, .stride = stride, .lift = bob};
}

constexpr double kHopX = 330, kHopFoot = 125;  // 100 x 140 at (330, 320)

// --- On the sill ---------------------------------------------------------------

constexpr double kClimbX = 330;  // 100 x 200 at (330, 233); the sill is row 89
constexpr double kSillRow = 89;

void AddPictures(PictureList& out) {
  // Walking up the lawn toward the shack: feet lifting in turn, a small bob.
  // pilgrimC, the middle of the stride, is also him standing on the sill.
  const double strides[] = {-1, -0.45, 0, 1};
  const double bobs[] = {1.5, 0.5, 0, 1.5};
  const char* walkNames[] = {"pilgrimA", "pilgrimB", "pilgrimC", "pilgrimD"};
  for (int i = 0; i < 4; ++i) {
    const PilgrimPose p = WalkPose(strides[i], bobs[i]);
    out.push_back({walkNames[i], 80, 136, true, [p](cairo_t* cr) { Draw(cr, kWalkX, kWalkFoot, p); }});
  }

  // The hop for the sill: knees bend, he bounces twice for luck, springs up.
  out.push_back({"pilgrim01", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot, {.front = true, .crouch = 0.3, .face = F::kPlain});
                 }});
  out.push_back({"pilgrim02", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot, {.front = true, .crouch = 1, .nearArm = A::kDown, .farArm = A::kDown, .face = F::kCross});
                 }});
  out.push_back({"pilgrim03", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot,
                        {.front = true, .crouch = 0.45, .lift = 2, .nearArm = A::kWave, .farArm = A::kWave, .face = F::kCross});
                 }});
  // Frame 4 is shown 20 px higher, frame 5 80 px higher: in the picture he
  // only rises a little more, the sprite carries the rest.
  out.push_back({"pilgrim04", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot,
                        {.front = true, .tuck = 0.4, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kCross});
                   for (double x : {24.0, 36.0, 48.0}) Line(cr, x, 124, x, 136, kOutline, 1.5);  // lift-off
                 }});
  out.push_back({"pilgrim05", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot,
                        {.front = true, .tuck = 0.6, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kSurprised});
                   for (double x : {22.0, 50.0}) Line(cr, x, 118, x, 136, kOutline, 1.5);
                 }});
  out.push_back({"pilgrim06", 100, 140, true, [](cairo_t* cr) {
                   Draw(cr, kHopX, kHopFoot, {.front = true, .tuck = 0.2, .nearArm = A::kGrip, .farArm = A::kGrip, .face = F::kCross});
                 }});

  // Hanging from the sill and climbing up: his hands stay on the sill while
  // he pulls himself higher; in 07b he slips back (it comes again after 07c).
  out.push_back({"pilgrim07", 100, 200, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true, .stride = 0.6, .nearArm = A::kRaised, .farArm = A::kRaised, .face = F::kSurprised};
                   Draw(cr, kClimbX, kSillRow + 95, p);
                   for (double x : {22.0, 50.0}) Line(cr, x, 180, x + (x < 36 ? -3 : 3), 192, kOutline, 1.5);  // kicking
                 }});
  out.push_back({"pilgrim07b", 100, 200, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true, .stride = -0.8, .kneeUp = 0.4, .nearArm = A::kGrip, .farArm = A::kGrip, .face = F::kCross};
                   Draw(cr, kClimbX, kSillRow + 88, p);
                   SweatDrop(cr, 58, 98);
                 }});
  out.push_back({"pilgrim07c", 100, 200, true, [](cairo_t* cr) {
                   const PilgrimPose p{.front = true, .kneeUp = 1, .nearArm = A::kPush, .farArm = A::kPush, .face = F::kEyesClosed};
                   Draw(cr, kClimbX, kSillRow + 49, p);
                   SweatDrop(cr, 58, 52);
                   SweatDrop(cr, 14, 60);
                 }});

  // Standing on the sill, looking out left, right, left.
  constexpr double kLookX = 330, kLookFoot = 124;  // 130 x 128 at (330, 198)
  for (int i = 0; i < 2; ++i) {
    const bool right = i == 1;
    const PilgrimPose p{.facingRight = right, .nearArm = A::kShade, .farArm = A::kDown, .face = F::kPlain};
    out.push_back({right ? "pilgrim10" : "pilgrim09", 130, 128, true, [p](cairo_t* cr) { Draw(cr, kLookX, kLookFoot, p); }});
  }
}

const PictureGroup kClimb(AddPictures);

}  // namespace
}  // namespace art::scene4
