// The two one-time notice pictures (shown at 150, 250 under two lines of
// text drawn by the scene): how to tune the show's pace, and how the saver
// gets along with the monitor's power saving.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "picture.h"
#include "style.h"

namespace {

using namespace art;

constexpr int kW = 500, kH = 300;

// Draws text word-wrapped into the given width; returns the y below it.
double Paragraph(cairo_t* cr, const std::string& text, double x, double y, double width, double lineHeight) {
  std::istringstream words(text);
  std::string word, line;
  auto flush = [&] {
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, line.c_str());
    y += lineHeight;
    line.clear();
  };
  while (words >> word) {
    const std::string candidate = line.empty() ? word : line + " " + word;
    cairo_text_extents_t ext;
    cairo_text_extents(cr, candidate.c_str(), &ext);
    if (ext.x_advance > width && !line.empty()) {
      flush();
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.empty()) flush();
  return y;
}

void Panel(cairo_t* cr, const char* title) {
  // Wooden frame around a cream card.
  cairo_rectangle(cr, 0, 0, kW, kH);
  Fill(cr, kWood);
  for (double y = 3; y < kH; y += 7) Line(cr, 0, y, kW, y + 2, Darker(kWood, 0.12), 1.2);
  RoundRect(cr, 12, 12, kW - 24, kH - 24, 8);
  FillShaded(cr, Rgb255(252, 243, 222), 3, 3, 2.5);
  RoundRect(cr, 12, 12, kW - 24, 42, 8);
  cairo_rectangle(cr, 12, 40, kW - 24, 14);
  Fill(cr, kLeafOrange);
  Line(cr, 14, 54, kW - 14, 54, kOutline, 2);
  RoundRect(cr, 12, 12, kW - 24, kH - 24, 8);
  Stroke(cr, kOutline, 2.5);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 19);
  SetColour(cr, kWhite);
  cairo_move_to(cr, 28, 41);
  cairo_show_text(cr, title);
  // Leaves in the corners of the frame.
  const Point corners[] = {{10, 10}, {kW - 10.0, 10}, {10, kH - 10.0}, {kW - 10.0, kH - 10.0}};
  const Colour colours[] = {kLeafRed, kLeafGold, kLeafGold, kLeafRed};
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, corners[i].x, corners[i].y);
    cairo_rotate(cr, 0.6 + i * 1.3);
    Ellipse(cr, 0, 0, 11, 5);
    cairo_restore(cr);
    FillOutline(cr, colours[i], 1.5);
  }
}

void Body(cairo_t* cr, const std::vector<std::string>& paragraphs, double x, double width) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 14);
  SetColour(cr, kOutline);
  double y = 80;
  for (const std::string& p : paragraphs) y = Paragraph(cr, p, x, y, width, 18) + 8;
}

void DrawTuneMsg(cairo_t* cr) {
  Panel(cr, "Too fast? Too slow?");
  Body(cr,
       {"Every computer draws at its own speed, so the show lets you set its pace.",
        "Open the screen saver's settings and choose the tab \"Tune the Screensaver\". Move the slider "
        "toward 0 for a quicker show, toward 20 for a slower one.",
        "The new pace is used the next time the screen saver starts."},
       30, 330);
  // A slider with its knob, drawn beside the text.
  const double sx = 380, sy = 200;
  RoundRect(cr, sx, sy, 90, 10, 5);
  FillShaded(cr, kSteelLight, 0, 3, 1.8);
  RoundRect(cr, sx + 30, sy - 9, 16, 28, 4);
  FillShaded(cr, kLeafOrange, 4, 0, 1.8);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 12);
  SetColour(cr, kOutline);
  cairo_move_to(cr, sx - 2, sy + 38);
  cairo_show_text(cr, "fast");
  cairo_move_to(cr, sx + 64, sy + 38);
  cairo_show_text(cr, "slow");
  Line(cr, sx + 4, sy - 22, sx + 34, sy - 22, kOutline, 2);
  Line(cr, sx + 4, sy - 22, sx + 12, sy - 28, kOutline, 2);
  Line(cr, sx + 56, sy - 22, sx + 86, sy - 22, kOutline, 2);
  Line(cr, sx + 86, sy - 22, sx + 78, sy - 28, kOutline, 2);
  Line(cr, sx + 4, sy - 22, sx + 12, sy - 16, kOutline, 2);
  Line(cr, sx + 86, sy - 22, sx + 78, sy - 16, kOutline, 2);
  // A clock face above.
  Ellipse(cr, 425, 120, 30, 30);
  FillShaded(cr, kWhite, 4, 4, 2.2);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    Line(cr, 425 + std::cos(a) * 24, 120 + std::sin(a) * 24, 425 + std::cos(a) * 27, 120 + std::sin(a) * 27,
         kOutline, 1.5);
  }
  Line(cr, 425, 120, 425, 100, kOutline, 2.5);
  Line(cr, 425, 120, 440, 126, kWattle, 2.5);
}

void DrawMonitor(cairo_t* cr) {
  Panel(cr, "The show and your monitor");
  Body(cr,
       {"Is your monitor set to switch itself off after a while to save power?",
        "In the screen saver's settings, on the tab \"Settings\", tick \"Disable any Power Saving settings\" "
        "to keep that power saving: the monitor still turns off as it always did. Leave it clear and the "
        "show keeps playing until you move the mouse or press a key."},
       30, 330);
  // A little monitor with the yard on its screen and a power button.
  const double mx = 375, my = 90;
  RoundRect(cr, mx, my, 100, 76, 6);
  FillShaded(cr, kSteelLight, 4, 4, 2.2);
  cairo_rectangle(cr, mx + 8, my + 8, 84, 54);
  Fill(cr, kSkyTop);
  cairo_rectangle(cr, mx + 8, my + 42, 84, 20);
  Fill(cr, kGrass);
  Ellipse(cr, mx + 68, my + 26, 10, 10);
  Fill(cr, kLeafOrange);
  cairo_rectangle(cr, mx + 8, my + 8, 84, 54);
  Stroke(cr, kOutline, 2);
  Polygon(cr, {{mx + 40, my + 76}, {mx + 60, my + 76}, {mx + 66, my + 92}, {mx + 34, my + 92}});
  FillShaded(cr, kSteel, 3, 0, 2);
  Ellipse(cr, mx + 88, my + 69, 3, 3);
  FillOutline(cr, kGrass, 1.2);
  // Power symbol.
  const double px = 425, py = 210;
  cairo_new_sub_path(cr);
  cairo_arc(cr, px, py, 20, -M_PI / 2 + 0.6, 1.5 * M_PI - 0.6);
  Stroke(cr, kOutline, 5);
  Line(cr, px, py - 26, px, py - 4, kOutline, 5);
  cairo_new_sub_path(cr);
  cairo_arc(cr, px, py, 20, -M_PI / 2 + 0.6, 1.5 * M_PI - 0.6);
  Stroke(cr, kGrass, 2.5);
  Line(cr, px, py - 26, px, py - 4, kGrass, 2.5);
}

void AddNotices(PictureList& out) {
  out.push_back({"TuneMsg", kW, kH, false, DrawTuneMsg});
  out.push_back({"monitor", kW, kH, false, DrawMonitor});
}

const PictureGroup kNotices(AddNotices);

}  // namespace
