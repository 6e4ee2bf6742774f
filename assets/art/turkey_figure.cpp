#include "turkey_figure.h"

#include <algorithm>
#include <cmath>

#include "style.h"

namespace art {
namespace {

constexpr Colour kHeadSkin = Rgb255(178, 206, 226);  // pale blue face of a tom
constexpr Colour kSoot = Rgb255(44, 40, 40);
constexpr Colour kGooseSkin = Rgb255(240, 190, 166);
constexpr Colour kBowTie = Rgb255(52, 96, 168);

// Every colour of one drawing, already tinted for soot and plucking.
struct Look {
  Colour body, dark, tan, rust, band, tip, head, wattle, beak, legs, mouth;
  double soot;
  Colour Tint(Colour c) const { return Mix(c, kSoot, soot * 0.78); }
};

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

// A thick limb: dark outline stroke, then the colour inside it.
void Limb(cairo_t* cr, const std::vector<Point>& pts, Colour c, double w) {
  Curve(cr, pts);
  Stroke(cr, kOutline, w + 2 * kOutlineWidth);
  Curve(cr, pts);
  Stroke(cr, c, w);
}

void Leg(cairo_t* cr, const Look& k, double hipX, double hipY, double footX, double footY, double crouch,
         bool dangling, bool far) {
  const Colour c = far ? Darker(k.legs, 0.18) : k.legs;
  // Bird knees (really ankles) bend backward, away from the beak.
  const double kx = (hipX + footX) / 2 + 3 + 9 * crouch, ky = (hipY + footY) / 2;
  Limb(cr, {{hipX, hipY}, {kx, ky}, {footX, footY}}, c, 4);
  if (dangling) {
    // Toes hanging down and a little forward.
    for (double dx : {-6.0, -2.0, 2.0}) Limb(cr, {{footX, footY}, {footX + dx, footY + 9}}, c, 2.6);
  } else {
    Limb(cr, {{footX, footY}, {footX - 13, footY + 1}}, c, 2.6);
    Limb(cr, {{footX, footY}, {footX - 9, footY + 3}}, c, 2.6);
    Limb(cr, {{footX, footY}, {footX + 7, footY + 1}}, c, 2.6);
  }
}

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

void BodyShape(cairo_t* cr) {
  Blob(cr, {{50, 100}, {60, 78}, {84, 68}, {112, 72}, {130, 94}, {128, 124}, {108, 144}, {78, 146}, {56, 130}});
}

void Body(cairo_t* cr, const Look& k, const TurkeyPose& p) {
  BodyShape(cr);
  FillShaded(cr, k.body, 6, 6);
  cairo_save(cr);
  BodyShape(cr);
  cairo_clip(cr);
  const double pl = std::clamp(p.plucked, 0.0, 1.0);
  if (pl < 0.6) {
    // Scalloped feather rows with bronze edges.
    for (int row = 0; row < 8; ++row) {
      const double y = 80 + row * 9;
      for (int col = 0; col < 9; ++col) {
        const double x = 48 + col * 11 + (row % 2) * 5.5;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 5.5, 0.15, M_PI - 0.15);
        Stroke(cr, Mix(k.dark, k.body, pl), 1.3);
        if ((row + col) % 3 == 0) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, x, y + 1.2, 4, 0.5, M_PI - 0.5);
          Stroke(cr, Mix(k.rust, k.body, 0.3 + pl), 1.0);
        }
      }
    }
  } else {
    // Goose bumps and a few stubborn feathers.
    Random rnd(77);
    for (int i = 0; i < 26; ++i) {
      Ellipse(cr, rnd.Range(54, 126), rnd.Range(74, 142), 1.2, 1.2);
      Fill(cr, Darker(k.body, 0.2));
    }
  }
  cairo_restore(cr);
  BodyShape(cr);
  Stroke(cr, kOutline, kOutlineWidth);
  // Dark neck ruff where the bare neck meets the feathers.
  if (pl < 0.8) {
    Blob(cr, {{52, 88}, {58, 74}, {70, 70}, {76, 80}, {70, 94}, {58, 98}});
    FillShaded(cr, k.dark, 3, 3, 1.6);
  }
  if (p.variant == 0 && pl < 0.5) {
    // The breast beard of an old tom.
    for (double dx : {-2.0, 0.0, 2.0}) Line(cr, 58, 100, 56 + dx * 1.5, 118 + std::abs(dx), kBlack, 2.2);
  }
}

void Ruffles(cairo_t* cr, const Look& k, double amount) {
  if (amount <= 0.02) return;
  Random rnd(31);
  const int n = 5 + static_cast<int>(amount * 9);
  for (int i = 0; i < n; ++i) {
    const double a = -2.6 + i * (4.6 / n) + rnd.Range(-0.12, 0.12);
    const double bx = 90 + std::cos(a) * 38, by = 108 + std::sin(a) * 34;
    const double len = (9 + rnd.Range(0, 8)) * (0.5 + 0.5 * amount);
    const double wob = rnd.Range(-0.5, 0.5);
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_rotate(cr, a + wob);
    Polygon(cr, {{-3, -4}, {len, -1}, {len * 0.7, 1}, {len + 2, 3}, {-3, 4}});
    FillOutline(cr, i % 3 == 0 ? k.rust : k.dark, 1.3);
    cairo_restore(cr);
  }
}

void Eye(cairo_t* cr, TurkeyEyes eyes, double ex, double ey, double lookDx, double brow) {
  switch (eyes) {
    case TurkeyEyes::Open:
    case TurkeyEyes::Half:
      Ellipse(cr, ex, ey, 4.6, 5.6);
      FillOutline(cr, kWhite, 1.5);
      Ellipse(cr, ex + lookDx, ey + 0.6, 2.3, 2.9);
      Fill(cr, kBlack);
      Ellipse(cr, ex + lookDx - 0.8, ey - 0.6, 0.8, 0.8);
      Fill(cr, kWhite);
      if (eyes == TurkeyEyes::Half) {
        cairo_save(cr);
        Ellipse(cr, ex, ey, 4.6, 5.6);
        cairo_clip(cr);
        cairo_rectangle(cr, ex - 6, ey - 7, 12, 7);
        Fill(cr, kHeadSkin);
        cairo_restore(cr);
        Line(cr, ex - 4.8, ey, ex + 4.8, ey, kOutline, 1.6);
        Ellipse(cr, ex, ey, 4.6, 5.6);
        Stroke(cr, kOutline, 1.5);
      }
      break;
    case TurkeyEyes::Wide:
      Ellipse(cr, ex, ey - 0.5, 6.2, 7.4);
      FillOutline(cr, kWhite, 1.6);
      Ellipse(cr, ex + lookDx * 0.4, ey, 1.5, 1.7);
      Fill(cr, kBlack);
      break;
    case TurkeyEyes::Closed:
      cairo_new_sub_path(cr);
      cairo_arc(cr, ex, ey + 2, 4.2, M_PI + 0.35, 2 * M_PI - 0.35);
      Stroke(cr, kOutline, 1.8);
      break;
    case TurkeyEyes::Dazed: {
      Ellipse(cr, ex, ey, 5, 5.6);
      FillOutline(cr, kWhite, 1.4);
      cairo_new_sub_path(cr);
      for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0, a = t * 4 * M_PI, r = 0.4 + t * 3.8;
        const double px = ex + std::cos(a) * r, py = ey + std::sin(a) * r;
        if (i == 0) cairo_move_to(cr, px, py); else cairo_line_to(cr, px, py);
      }
      Stroke(cr, kOutline, 1.2);
      break;
    }
    case TurkeyEyes::Crossed:
      Line(cr, ex - 3.6, ey - 3.6, ex + 3.6, ey + 3.6, kOutline, 2);
      Line(cr, ex - 3.6, ey + 3.6, ex + 3.6, ey - 3.6, kOutline, 2);
      break;
  }
  if (brow > 0.05) {
    // Angry: slanting down toward the beak side.
    Line(cr, ex - 6, ey - 6 - brow * 1, ex + 5, ey - 9 - brow * 2, kOutline, 2.2);
  } else if (brow < -0.05) {
    Line(cr, ex - 6, ey - 10 + brow * 1, ex + 5, ey - 7, kOutline, 2.2);
  }
}

void HeadProfile(cairo_t* cr, const Look& k, const TurkeyPose& p, double hx, double hy) {
  const double open = std::clamp(p.beakOpen, 0.0, 1.0);
  // Beak: upper and lower halves part when it gobbles.
  const double bx = hx - 10, by = hy + 1;
  if (open > 0.05) {
    Polygon(cr, {{bx + 1, by - 1}, {bx - 16, by - 4 + open * 2}, {bx - 13, by + 4 + open * 8}, {bx + 1, by + 4 + open * 2}});
    FillOutline(cr, k.mouth, 1.4);
  }
  cairo_save(cr);
  cairo_translate(cr, bx, by);
  cairo_rotate(cr, -0.35 * open);
  Polygon(cr, {{2, -6}, {-18, 0.5}, {2, 2}});
  FillShaded(cr, k.beak, 0, 2, 1.5);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, bx, by + 1.5);
  cairo_rotate(cr, 0.45 * open);
  Polygon(cr, {{2, 0}, {-14, 0}, {2, 4.5}});
  FillShaded(cr, k.beak, 0, 1.5, 1.5);
  cairo_restore(cr);
  // Head.
  Ellipse(cr, hx, hy, 13, 12.5);
  FillShaded(cr, k.head, 3, 3);
  // Wattle hanging from the throat, swinging out when it gobbles.
  const double sw = open * 3;
  Blob(cr, {{hx - 7, hy + 6}, {hx - 9 - sw, hy + 16}, {hx - 6 - sw, hy + 25}, {hx + 1, hy + 21}, {hx + 3, hy + 10}});
  FillShaded(cr, k.wattle, 2, 2, 1.6);
  // Snood draped over the beak.
  Curve(cr, {{hx - 6, hy - 9}, {hx - 12, hy - 8}, {hx - 15, hy - 2}, {hx - 16 - sw, hy + 8}});
  Stroke(cr, kOutline, 7.4);
  Curve(cr, {{hx - 6, hy - 9}, {hx - 12, hy - 8}, {hx - 15, hy - 2}, {hx - 16 - sw, hy + 8}});
  Stroke(cr, k.wattle, 3.8);
  // Warty red caruncles down the neck.
  Ellipse(cr, hx + 3, hy + 12, 4, 3.5);
  FillOutline(cr, k.wattle, 1.3);
  if (p.variant == 1) {
    Curve(cr, {{hx + 2, hy - 11}, {hx + 4, hy - 20}, {hx + 11, hy - 22}, {hx + 10, hy - 16}});
    Stroke(cr, kOutline, 4.6);
    Curve(cr, {{hx + 2, hy - 11}, {hx + 4, hy - 20}, {hx + 11, hy - 22}, {hx + 10, hy - 16}});
    Stroke(cr, k.band, 2.2);
  }
  Eye(cr, p.eyes, hx - 3, hy - 3, -1.4, p.brow);
}

void HeadFront(cairo_t* cr, const Look& k, const TurkeyPose& p, double hx, double hy) {
  const double open = std::clamp(p.beakOpen, 0.0, 1.0);
  Ellipse(cr, hx, hy, 14, 13);
  FillShaded(cr, k.head, 3, 3);
  // Wattle below the beak, snood hanging beside it.
  Blob(cr, {{hx - 4, hy + 6}, {hx - 6, hy + 18}, {hx, hy + 26}, {hx + 6, hy + 18}, {hx + 4, hy + 6}});
  FillShaded(cr, k.wattle, 2, 2, 1.6);
  if (open > 0.05) {
    Ellipse(cr, hx, hy + 6 + open * 2, 4.5, 2 + open * 3.5);
    FillOutline(cr, k.mouth, 1.4);
  }
  Polygon(cr, {{hx - 5, hy + 1}, {hx + 5, hy + 1}, {hx, hy + 9 - open * 2}});
  FillShaded(cr, k.beak, 2, 1, 1.5);
  Curve(cr, {{hx - 1, hy - 8}, {hx + 3, hy - 4}, {hx + 5, hy + 4}, {hx + 4, hy + 13}});
  Stroke(cr, kOutline, 7.4);
  Curve(cr, {{hx - 1, hy - 8}, {hx + 3, hy - 4}, {hx + 5, hy + 4}, {hx + 4, hy + 13}});
  Stroke(cr, k.wattle, 3.8);
  if (p.variant == 1) {
    Curve(cr, {{hx, hy - 12}, {hx + 2, hy - 21}, {hx + 9, hy - 23}, {hx + 8, hy - 17}});
    Stroke(cr, kOutline, 4.6);
    Curve(cr, {{hx, hy - 12}, {hx + 2, hy - 21}, {hx + 9, hy - 23}, {hx + 8, hy - 17}});
    Stroke(cr, k.band, 2.2);
  }
  // Brows mirror on the two sides so anger points at the middle.
  const double b = p.brow;
  Eye(cr, p.eyes, hx - 6.5, hy - 3, 0, 0);
  Eye(cr, p.eyes, hx + 6.5, hy - 3, 0, 0);
  if (std::abs(b) > 0.05) {
    const double in = b > 0 ? 3 : -3;
    Line(cr, hx - 12, hy - 11 - in / 2, hx - 2, hy - 9 + in / 2, kOutline, 2.2);
    Line(cr, hx + 12, hy - 11 - in / 2, hx + 2, hy - 9 + in / 2, kOutline, 2.2);
  }
}

void NeckAndHead(cairo_t* cr, const Look& k, const TurkeyPose& p) {
  const double n = std::clamp(p.neck, -1.0, 1.0);
  // Head position: default, pushed forward-low, or raised high.
  const double hx = n < 0 ? 44 + n * 20 : 44 + n * 6;
  const double hy = n < 0 ? 54 - n * 22 : 54 - n * 18;
  const double midX = (62 + hx) / 2 + 4 + (n < 0 ? 0 : 2), midY = (84 + hy) / 2 + (n < 0 ? -5 : 0);
  Limb(cr, {{64, 86}, {midX, midY}, {hx + 2, hy + 6}}, k.head, 13);
  if (p.lookAtViewer >= 0.5) {
    HeadFront(cr, k, p, hx + 2, hy);
  } else {
    HeadProfile(cr, k, p, hx, hy);
  }
  if (p.variant == 2) {
    // Bow tie at the base of the neck.
    const double tx = 62, ty = 84;
    Polygon(cr, {{tx, ty}, {tx - 9, ty - 6}, {tx - 9, ty + 6}});
    FillShaded(cr, kBowTie, 0, 2, 1.4);
    Polygon(cr, {{tx, ty}, {tx + 9, ty - 6}, {tx + 9, ty + 6}});
    FillShaded(cr, kBowTie, 0, 2, 1.4);
    Ellipse(cr, tx, ty, 3, 3);
    FillOutline(cr, Lighter(kBowTie, 0.2), 1.3);
  }
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
