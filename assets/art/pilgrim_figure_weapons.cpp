// What the pilgrim holds: his blunderbuss and his bow.
#include <cmath>

#include "pilgrim_figure_parts.h"

namespace art::pilgrim_parts {

void Blunderbuss(const Ctx& c, Point butt, Point muzzle) {
  cairo_t* cr = c.cr;
  const double len = std::hypot(muzzle.x - butt.x, muzzle.y - butt.y);
  cairo_save(cr);
  cairo_translate(cr, butt.x, butt.y);
  cairo_rotate(cr, std::atan2(muzzle.y - butt.y, muzzle.x - butt.x));
  const double stockEnd = len * 0.34;
  // Barrel, then the flared bell.
  RoundRect(cr, stockEnd - 3, -2.6, len * 0.58, 5.2, 2);
  FillShaded(cr, kSteel, 0, 1.5, 1.6);
  Polygon(cr, {{len * 0.82, -2.6}, {len, -6.5}, {len, 6.5}, {len * 0.82, 2.6}});
  FillShaded(cr, kSteel, 0, 2, 1.6);
  Ellipse(cr, len, 0, 1.8, 6.5);
  FillOutline(cr, kBlack, 1.4);
  Line(cr, len * 0.45, -1.2, len * 0.8, -1.2, kSteelLight, 1.2);
  // Stock: wide at the butt, narrowing into the lock.
  Blob(cr, {{0, -4}, {stockEnd * 0.5, -3}, {stockEnd + 2, -2.8}, {stockEnd + 2, 2.8}, {stockEnd * 0.6, 4.6}, {0, 6}});
  FillShaded(cr, kGunStock, 0, 2, 1.6);
  RoundRect(cr, stockEnd - 5, -3.8, 7, 4, 1);
  FillOutline(cr, kSteelLight, 1.2);
  cairo_restore(cr);
}

void Bow(const Ctx& c, Point grip, Point string, bool arrow) {
  cairo_t* cr = c.cr;
  const Point top{grip.x - 4, grip.y - 26}, bottom{grip.x - 4, grip.y + 26};
  Line(cr, top.x, top.y, string.x, string.y, kOutline, 1.1);
  Line(cr, string.x, string.y, bottom.x, bottom.y, kOutline, 1.1);
  Curve(cr, {top, {grip.x + 2, grip.y - 16}, {grip.x + 4, grip.y}, {grip.x + 2, grip.y + 16}, bottom});
  Stroke(cr, kOutline, 5);
  Curve(cr, {top, {grip.x + 2, grip.y - 16}, {grip.x + 4, grip.y}, {grip.x + 2, grip.y + 16}, bottom});
  Stroke(cr, kWood, 3);
  if (arrow) {
    const double tip = grip.x + 22;
    Line(cr, string.x - 1, string.y, tip, grip.y - 1, kOutline, 3.6);
    Line(cr, string.x - 1, string.y, tip, grip.y - 1, kWoodLight, 1.6);
    Polygon(cr, {{tip + 6, grip.y - 1}, {tip - 1, grip.y - 4.5}, {tip - 1, grip.y + 2.5}});
    FillOutline(cr, kSteelLight, 1.1);
    Polygon(cr, {{string.x - 1, string.y}, {string.x + 6, string.y - 0.5}, {string.x + 3, string.y - 5}, {string.x - 4, string.y - 4.5}});
    FillOutline(cr, kLeafRed, 1.0);
  }
}

}  // namespace art::pilgrim_parts
