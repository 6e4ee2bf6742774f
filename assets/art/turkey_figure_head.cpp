// The turkey's neck and head, in profile or turned to the viewer: beak,
// wattle, snood, the eyes and brows of every mood, and the bow tie.
#include <algorithm>
#include <cmath>

#include "turkey_figure_parts.h"

namespace art::turkey_parts {
namespace {

constexpr Colour kBowTie = Rgb255(52, 96, 168);

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

}  // namespace

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

}  // namespace art::turkey_parts
