#include "turkey_figure.h"

#include <algorithm>
#include <cmath>

#include "style.h"
#include "turkey_figure_parts.h"

namespace art {
namespace {

using turkey_parts::Body;
using turkey_parts::kHeadSkin;
using turkey_parts::Leg;
using turkey_parts::Look;
using turkey_parts::NeckAndHead;
using turkey_parts::Ruffles;
using turkey_parts::TailFan;
using turkey_parts::WingPair;

constexpr Colour kGooseSkin = Rgb255(240, 190, 166);

Look MakeLook(const TurkeyPose& p) {
  Look k{};
  k.soot = std::clamp(p.sooty, 0.0, 1.0);
  const double pl = std::clamp(p.plucked, 0.0, 1.0);
  k.body = k.Tint(Mix(kTurkeyBrown, kGooseSkin, pl * 0.85));
  k.dark = k.Tint(Mix(kTurkeyDark, Darker(kGooseSkin, 0.15), pl * 0.85));
  k.tan = k.Tint(kFeatherTan);
  k.rust = k.Tint(kFeatherRust);
  const Colour bands[3] = {kFeatherRust, kLeafGold, Rgb255(150, 96, 52)};
  const Colour tips[3] = {kFeatherTan, kFeatherTan, kWhite};
  const int v = std::clamp(p.variant, 0, 2);
  k.band = k.Tint(bands[v]);
  k.tip = k.Tint(tips[v]);
  k.head = k.Tint(kHeadSkin);
  k.wattle = k.Tint(kWattle);
  k.beak = k.Tint(kBeak);
  k.legs = k.Tint(kLegs);
  k.mouth = Rgb255(120, 30, 28);
  return k;
}

}  // namespace

void DrawTurkey(cairo_t* cr, double x, double y, double scale, const TurkeyPose& pose) {
  const Look k = MakeLook(pose);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  if (pose.facingRight) {
    cairo_translate(cr, kTurkeyW, 0);
    cairo_scale(cr, -1, 1);
  }
  const double crouch = std::clamp(pose.crouch, 0.0, 1.0);
  const double jump = std::clamp(pose.jump, 0.0, 1.0);
  const double lift = jump * kTurkeyJump;
  const double drop = crouch * 14;
  const double hipY = 138 + drop - lift;
  const double swing = std::clamp(pose.legSwing, -1.0, 1.0);
  // Legs: the one swinging forward lifts its foot.
  {
    const double footY = jump > 0.01 ? hipY + 30 : kTurkeyGround;
    const double farX = 100 - swing * 14, nearX = 80 + swing * 14;
    const bool dang = jump > 0.01;
    Leg(cr, k, 100, hipY, farX, footY - (dang ? 0 : std::max(0.0, -swing) * 7), crouch, dang, true);
    Leg(cr, k, 82, hipY, nearX, footY - (dang ? 0 : std::max(0.0, swing) * 7), crouch, dang, false);
  }
  // Everything above the legs leans about the hips.
  cairo_save(cr);
  cairo_translate(cr, 0, drop - lift);
  cairo_translate(cr, 92, 138);
  cairo_rotate(cr, pose.lean);
  cairo_translate(cr, -92, -138);
  TailFan(cr, k, pose);
  WingPair(cr, k, pose, true);
  Body(cr, k, pose);
  Ruffles(cr, k, pose.ruffled);
  NeckAndHead(cr, k, pose);
  WingPair(cr, k, pose, false);
  if (k.soot > 0.3) {
    // Soot smudges over the blackened feathers.
    Random rnd(5);
    for (int i = 0; i < 6; ++i) {
      Ellipse(cr, rnd.Range(60, 120), rnd.Range(80, 136), rnd.Range(4, 8), rnd.Range(2, 4));
      Fill(cr, Mix(k.body, kBlack, 0.5));
    }
  }
  cairo_restore(cr);
  cairo_restore(cr);
}

}  // namespace art
