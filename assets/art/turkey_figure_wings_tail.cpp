// The turkey's barred tail fan and its wings, folded, flapping or spread.
#include <algorithm>
#include <cmath>

#include "turkey_figure_parts.h"

namespace art::turkey_parts {
namespace {

// One barred tail feather pointing along angle a (radians, screen, 0 = right).
void TailFeather(cairo_t* cr, const Look& k, double px, double py, double a, double len) {
  cairo_save(cr);
  cairo_translate(cr, px, py);
  cairo_rotate(cr, a);
  const double w = 8.5;
  auto shape = [&] { Blob(cr, {{8, 0}, {len * 0.5, -w}, {len, -w * 0.55}, {len + 4, 0}, {len, w * 0.55}, {len * 0.5, w}}); };
  shape();
  Fill(cr, k.body);
  cairo_save(cr);
  shape();
  cairo_clip(cr);
  // Bars across the feather: dark, band, dark, pale tip.
  cairo_rectangle(cr, len * 0.42, -20, len * 0.12, 40);
  Fill(cr, k.dark);
  cairo_rectangle(cr, len * 0.62, -20, len * 0.1, 40);
  Fill(cr, k.band);
  cairo_rectangle(cr, len * 0.72, -20, len * 0.12, 40);
  Fill(cr, k.dark);
  cairo_rectangle(cr, len * 0.84, -20, len * 0.4, 40);
  Fill(cr, k.tip);
  cairo_rectangle(cr, 0, 2, len + 6, 20);
  Fill(cr, Darker(k.body, 0.18));  // shade on the lower half
  cairo_restore(cr);
  shape();
  Stroke(cr, kOutline, 1.6);
  Line(cr, 10, 0, len * 0.8, 0, Darker(k.dark, 0.3), 1.0);
  cairo_restore(cr);
}

}  // namespace

void TailFan(cairo_t* cr, const Look& k, const TurkeyPose& p) {
  const double f = std::clamp(p.tailFan, 0.0, 1.0);
  const double centre = -(0.35 + f * (M_PI / 2 - 0.35));  // from up-and-back to straight up
  const double half = 0.22 + f * 1.18;
  const double len = 46 + 22 * f;
  const double px = 104 - 6 * f, py = 104 - 4 * f;
  constexpr int kN = 9;
  // Plucking takes feathers out in a scattered order, keeping at least two.
  const int keep = kN - static_cast<int>(std::round(std::clamp(std::max(p.plucked, p.tailLost), 0.0, 1.0) * (kN - 2)));
  // Outer feathers first so the middle ones lie on top.
  const int order[kN] = {0, 8, 1, 7, 2, 6, 3, 5, 4};
  const int pluckOrder[kN] = {4, 1, 7, 2, 6, 0, 8, 3, 5};
  for (int idx : order) {
    bool gone = false;
    for (int j = 0; j < kN - keep; ++j) gone = gone || pluckOrder[j] == idx;
    if (gone) continue;
    const double a = centre + half * (idx / (kN - 1.0) * 2 - 1);
    TailFeather(cr, k, px, py, a, len * (idx == 0 || idx == kN - 1 ? 0.92 : 1.0));
  }
}

namespace {

// A wing in its own frame: shoulder at the origin, pointing along +x.
void Wing(cairo_t* cr, const Look& k, double sx, double sy, double angle, double open, bool far) {
  cairo_save(cr);
  cairo_translate(cr, sx, sy);
  cairo_rotate(cr, angle);
  const double len = 44 + 16 * open;
  const Colour base = far ? Darker(k.dark, 0.15) : k.dark;
  // Long flight feathers fanning out at the tip when the wing is open.
  if (open > 0.05) {
    for (int i = 0; i < 5; ++i) {
      const double fa = (i - 2) * 0.16 * open + 0.1;
      cairo_save(cr);
      cairo_translate(cr, len * 0.55, 2);
      cairo_rotate(cr, fa);
      const double fl = len * 0.35 + 18 * open;
      Blob(cr, {{0, -4}, {fl * 0.6, -4.5}, {fl, 0}, {fl * 0.6, 4.5}, {0, 4}});
      FillOutline(cr, base, 1.5);
      for (double t : {0.35, 0.6, 0.85}) Line(cr, fl * t, -3.5, fl * t, 3.5, k.tan, 1.6);
      cairo_restore(cr);
    }
  }
  const double wd = 1 + 0.5 * open;
  auto shape = [&] { Blob(cr, {{-4, -8 * wd}, {len * 0.45, -11 * wd}, {len, -4}, {len * 0.92, 5 * wd}, {len * 0.5, 13 * wd}, {-2, 10 * wd}}); };
  shape();
  FillShaded(cr, base, 0, 4, 1.8);
  // Pale bars across the flight feathers and the covert edge.
  cairo_save(cr);
  shape();
  cairo_clip(cr);
  for (double t : {0.55, 0.7, 0.85}) Line(cr, len * t, -12, len * t - 4, 14, k.tan, 2);
  Curve(cr, {{2, 4}, {len * 0.3, 0}, {len * 0.5, 2}});
  Stroke(cr, k.rust, 2.2);
  cairo_restore(cr);
  cairo_restore(cr);
}

}  // namespace

void WingPair(cairo_t* cr, const Look& k, const TurkeyPose& p, bool far) {
  const double lift = std::clamp(p.wingLift, -1.0, 1.0);
  const double open = std::clamp(p.wingOpen, 0.0, 1.0);
  const double angle = 0.32 - lift * (lift > 0 ? 1.5 : 0.8) - open * 0.25;
  if (far) {
    // The far wing only peeps out when the wings are up or open.
    if (std::abs(lift) < 0.2 && open < 0.2) return;
    Wing(cr, k, 92, 88, angle - 0.18, open, true);
  } else {
    Wing(cr, k, 82, 96, angle, open, false);
  }
}

}  // namespace art::turkey_parts
