// The shack and its inside. Shack2 is drawn at (57, 40) over Inside at
// (107, 181); Inside shows through the shack's open doorway and window, so
// both openings must lie within Inside's rectangle.
#include <cmath>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kShackX = 57, kShackY = 40, kShackW = 440, kShackH = 410;
constexpr int kInsideX = 107, kInsideY = 181, kInsideW = 300, kInsideH = 240;

// Weathered, sun-bleached boards and a lamp-lit inside: light grounds, so
// that the brown turkeys and their dark outlines stand out in front of both.
constexpr Colour kBoard = Rgb255(200, 178, 140);
constexpr Colour kBackWall = Rgb255(184, 146, 104);
constexpr Colour kHole = Rgb255(60, 40, 30);

// Openings in shack coordinates.
constexpr double kDoorL = 62, kDoorT = 150, kDoorR = 200, kDoorB = 372;
constexpr double kWinL = 232, kWinT = 172, kWinR = 338, kWinB = 282;

void Openings(cairo_t* cr, double inset) {
  cairo_rectangle(cr, kDoorL + inset, kDoorT + inset, kDoorR - kDoorL - 2 * inset, kDoorB - kDoorT - 2 * inset);
  cairo_rectangle(cr, kWinL + inset, kWinT + inset, kWinR - kWinL - 2 * inset, kWinB - kWinT - 2 * inset);
}

void DrawShack(cairo_t* cr) {
  const double wallL = 24, wallR = 416, wallT = 118, wallB = 404;
  // Chimney behind the roof.
  RoundRect(cr, 318, 24, 34, 90, 3);
  FillShaded(cr, kLeafRed, 8, 0);
  for (double y = 36; y < 110; y += 14) Line(cr, 320, y, 350, y, Darker(kLeafRed, 0.4), 1.2);
  // Walls with the openings cut out.
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, wallL, wallT, wallR - wallL, wallB - wallT);
  Openings(cr, 0);
  cairo_clip(cr);
  cairo_rectangle(cr, wallL, wallT, wallR - wallL, wallB - wallT);
  Fill(cr, kBoard);
  for (double x = wallL; x < wallR; x += 24) {
    cairo_rectangle(cr, x + 14, wallT, 10, wallB - wallT);
    Fill(cr, Darker(kBoard, 0.12));
    Line(cr, x, wallT, x, wallB, Darker(kBoard, 0.45), 1.5);
  }
  // The right corner in shade.
  cairo_rectangle(cr, wallR - 40, wallT, 40, wallB - wallT);
  Fill(cr, Darker(kBoard, 0.3));
  // Knots.
  Random rnd(21);
  for (int i = 0; i < 14; ++i) {
    Ellipse(cr, rnd.Range(wallL + 8, wallR - 8), rnd.Range(wallT + 30, wallB - 8), 3, 1.8);
    Fill(cr, Darker(kBoard, 0.5));
  }
  cairo_restore(cr);
  cairo_rectangle(cr, wallL, wallT, wallR - wallL, wallB - wallT);
  Stroke(cr, kOutline, 2.5);
  // Trim around the openings.
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Openings(cr, -7);
  Openings(cr, 0);
  FillShaded(cr, kWoodLight, 3, 3);
  cairo_restore(cr);
  // Window sill and a cross bar at the top of the window.
  RoundRect(cr, kWinL - 14, kWinB, kWinR - kWinL + 28, 10, 2);
  FillShaded(cr, kWoodLight, 0, 3);
  // An open door leaf swung out to the left of the doorway.
  Polygon(cr, {{kDoorL - 7, kDoorT - 7}, {kDoorL - 38, kDoorT + 6}, {kDoorL - 38, kDoorB + 18}, {kDoorL - 7, kDoorB}});
  FillShaded(cr, kWood, 0, 0);
  Polygon(cr, {{kDoorL - 7, kDoorT - 7}, {kDoorL - 38, kDoorT + 6}, {kDoorL - 38, kDoorB + 18}, {kDoorL - 7, kDoorB}});
  Shade(cr, kWood, 10, 0);
  cairo_new_path(cr);
  for (double y : {kDoorT + 40, kDoorB - 40}) Line(cr, kDoorL - 36, y + 8, kDoorL - 9, y, Darker(kWood, 0.4), 4);
  Ellipse(cr, kDoorL - 30, (kDoorT + kDoorB) / 2 + 8, 3, 3);
  FillOutline(cr, kBuckle, 1.2);
  // Stone step.
  Blob(cr, {{kDoorL - 4, kDoorB + 2}, {kDoorR + 6, kDoorB + 1}, {kDoorR + 10, kDoorB + 20},
            {kDoorL - 10, kDoorB + 22}});
  FillShaded(cr, kSteelLight, 0, 6);
  // Roof: overhanging, with shingle rows.
  const std::vector<Point> roof = {{0, 132}, {220, 8}, {440, 132}, {424, 142}, {220, 30}, {16, 142}};
  Polygon(cr, roof);
  FillShaded(cr, kRoof, 0, 6, 2.5);
  cairo_save(cr);
  Polygon(cr, {{0, 132}, {220, 8}, {440, 132}, {220, 132}});
  Polygon(cr, {{16, 142}, {220, 30}, {424, 142}});
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_new_path(cr);
  cairo_restore(cr);
  // Gable: the triangle of wall under the roof, with a round vent.
  Polygon(cr, {{28, 132}, {220, 32}, {412, 132}, {412, 140}, {28, 140}});
  FillShaded(cr, Darker(kBoard, 0.1), 0, 4);
  for (double y = 52; y < 136; y += 14) {
    const double half = (y - 32) / 100.0 * 192;
    Line(cr, 220 - half + 4, y, 220 + half - 4, y, Darker(kBoard, 0.45), 1.2);
  }
  Ellipse(cr, 220, 92, 20, 20);
  FillOutline(cr, kHole, 2.5);
  Line(cr, 200, 92, 240, 92, kWoodLight, 3);
  Line(cr, 220, 72, 220, 112, kWoodLight, 3);
  // Roof shingles as two long slopes.
  for (int side = -1; side <= 1; side += 2) {
    std::vector<Point> slab = {{220, 8}, {220 + side * 220.0, 132}, {220 + side * 204.0, 142}, {220, 30}};
    Polygon(cr, slab);
    FillShaded(cr, kRoof, side > 0 ? 0 : 0, 5, 2.5);
    for (int row = 1; row < 5; ++row) {
      const double t = row / 5.0;
      Line(cr, 220 + side * 8 * t, 8 + 22 * t + 6, 220 + side * (220 - 16 * t), 132 + 10 * t - 2,
           Darker(kRoof, 0.35), 1.2);
      (void)t;
    }
  }
  // Sign over the doorway.
  RoundRect(cr, 80, 124, 112, 20, 3);
  FillShaded(cr, kWoodLight, 0, 3);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 11);
  SetColour(cr, kOutline);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, "GOBBLE INN", &ext);
  cairo_move_to(cr, 136 - ext.width / 2 - ext.x_bearing, 138);
  cairo_show_text(cr, "GOBBLE INN");
  // Grass at the foot of the walls.
  Random grass(5);
  for (double x = wallL - 6; x < wallR + 6; x += 5) {
    if (x > kDoorL - 12 && x < kDoorR + 12) continue;
    const double h = grass.Range(5, 11);
    Line(cr, x, wallB + 2, x + grass.Range(-3, 3), wallB + 2 - h, kGrassDark, 1.6);
  }
}

// Inside coordinates from shack coordinates.
constexpr double IX(double shackX) { return shackX + kShackX - kInsideX; }
constexpr double IY(double shackY) { return shackY + kShackY - kInsideY; }

void DrawInside(cairo_t* cr) {
  // Corners stay clear: they lie under the shack's wall anyway.
  RoundRect(cr, 0, 0, kInsideW, kInsideH, 6);
  cairo_clip(cr);
  cairo_paint(cr);  // dark base under everything (the outline colour)
  cairo_rectangle(cr, 0, 0, kInsideW, kInsideH);
  Fill(cr, kBackWall);
  for (double x = 0; x < kInsideW; x += 20) Line(cr, x, 0, x, kInsideH, Darker(kBackWall, 0.25), 1.5);
  // Floor.
  const double floorY = IY(kDoorB) - 30;
  Polygon(cr, {{0, floorY}, {(double)kInsideW, floorY}, {(double)kInsideW, (double)kInsideH}, {0, (double)kInsideH}});
  FillOutline(cr, Mix(kWood, kWoodLight, 0.4), 1.5);
  for (double y = floorY + 8; y < kInsideH; y += 9) Line(cr, 0, y, kInsideW, y, Darker(kWood, 0.2), 1);
  // A lamp's warm glow on the back wall.
  cairo_pattern_t* glow = cairo_pattern_create_radial(IX(110), IY(200), 4, IX(110), IY(200), 90);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.8, 0.4, 0.45);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.8, 0.4, 0.0);
  cairo_set_source(cr, glow);
  cairo_rectangle(cr, 0, 0, kInsideW, floorY);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  // Light from a second lamp on the wall behind the window, where the pilgrim
  // stands on the sill: his dark suit shows against it.
  cairo_pattern_t* behind = cairo_pattern_create_radial(IX(300), IY(236), 6, IX(300), IY(236), 70);
  cairo_pattern_add_color_stop_rgba(behind, 0, 1.0, 0.86, 0.55, 0.75);
  cairo_pattern_add_color_stop_rgba(behind, 1, 1.0, 0.8, 0.4, 0.1);
  cairo_set_source(cr, behind);
  cairo_rectangle(cr, IX(kWinL), IY(kWinT), kWinR - kWinL, kWinB - kWinT);
  cairo_fill(cr);
  cairo_pattern_destroy(behind);
  // Hanging lantern in the doorway.
  Line(cr, IX(110), 0, IX(110), IY(186), kOutline, 1.5);
  RoundRect(cr, IX(102), IY(186), 16, 22, 3);
  FillOutline(cr, kFlashYellow, 1.8);
  Line(cr, IX(102), IY(197), IX(118), IY(197), kOutline, 1.2);
  // Hay bale on the floor of the doorway.
  RoundRect(cr, IX(74), floorY - 34, 86, 44, 6);
  FillShaded(cr, kLeafGold, 0, 8);
  for (double x = IX(80); x < IX(156); x += 9) Line(cr, x, floorY - 30, x + 3, floorY + 6, Darker(kLeafGold, 0.3), 1);
  Line(cr, IX(98), floorY - 34, IX(98), floorY + 10, kBark, 2.5);
  Line(cr, IX(136), floorY - 34, IX(136), floorY + 10, kBark, 2.5);
  // Rake leaning on the back wall.
  Line(cr, IX(176), IY(230), IX(186), floorY - 8, kWood, 4);
  Line(cr, IX(166), IY(232), IX(188), IY(226), kSteel, 4);
  // A little pumpkin on the floor by the rake, out of the window where it
  // would peek out behind the pilgrim.
  Ellipse(cr, IX(168), floorY - 3, 11, 9);
  FillShaded(cr, kLeafOrange, 3, 3, 1.5);
  Line(cr, IX(168), floorY - 12, IX(170), floorY - 16, kGrassDark, 2.5);
  // Window: a shelf with jars, and a calendar.
  RoundRect(cr, IX(kWinL) - 6, IY(258), kWinR - kWinL + 12, 7, 2);
  FillShaded(cr, kWood, 0, 2);
  const Colour jars[] = {kLeafRed, kLeafGold, kGrass};
  for (int i = 0; i < 3; ++i) {
    RoundRect(cr, IX(kWinL + 8 + i * 20), IY(238), 14, 20, 3);
    FillShaded(cr, jars[i], 4, 0, 1.5);
    RoundRect(cr, IX(kWinL + 7 + i * 20), IY(235), 16, 5, 1);
    FillOutline(cr, kSteelLight, 1.2);
  }
  RoundRect(cr, IX(kWinL + 26), IY(kWinT + 10), 46, 40, 2);
  FillOutline(cr, kWhite, 1.5);
  cairo_rectangle(cr, IX(kWinL + 26), IY(kWinT + 10), 46, 11);
  FillOutline(cr, kLeafRed, 1.5);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 9);
  SetColour(cr, kWhite);
  cairo_move_to(cr, IX(kWinL + 38), IY(kWinT + 19));
  cairo_show_text(cr, "NOV");
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) {
      cairo_rectangle(cr, IX(kWinL + 30 + c * 8), IY(kWinT + 25 + r * 8), 5, 5);
      Fill(cr, Mix(kWhite, kSteel, 0.5));
    }
  Ellipse(cr, IX(kWinL + 30 + 3 * 8 + 2.5), IY(kWinT + 25 + 2 * 8 + 2.5), 5, 5);
  Stroke(cr, kWattle, 1.5);
}

void AddShack(PictureList& out) {
  out.push_back({"Shack2", kShackW, kShackH, true, DrawShack});
  // Dithered: the lamps' glow would show rings on the display's 16 bits.
  out.push_back({"Inside", kInsideW, kInsideH, true, DrawInside, true});
}

const PictureGroup kShack(AddShack);

}  // namespace
