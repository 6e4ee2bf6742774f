// The pilgrim's coat with its belt and wide collar, and the shading of his
// dark cloth, which his hat shares.
#include "pilgrim_figure_parts.h"

namespace art::pilgrim_parts {
namespace {

// A lighter crescent on the lit (upper-left on screen) side of the current
// path, for the dark coat and hat whose darker shade alone hardly shows.
void Rim(const Ctx& c, Colour fill, double dx, double dy) {
  const Colour light = Lighter(fill, 0.32);
  Shade(c.cr, {light.r / 0.72, light.g / 0.72, light.b / 0.72}, -dx * c.sd, -dy);
}

}  // namespace

void DarkShape(const Ctx& c, Colour fill, double dx, double dy) {
  SetColour(c.cr, fill);
  cairo_fill_preserve(c.cr);
  Rim(c, fill, 2.2, 2.2);
  Shade(c.cr, fill, dx * c.sd, dy);
  Stroke(c.cr, kOutline);
}

void Coat(const Ctx& c, bool front, bool back) {
  cairo_t* cr = c.cr;
  if (front) {
    Blob(cr, {{-13, -62}, {13, -62}, {15, -50}, {14, -40}, {18, -20}, {0, -18}, {-18, -20}, {-14, -40}, {-15, -50}});
  } else {
    Blob(cr, {{-10, -62}, {6, -63}, {12, -54}, {12, -40}, {15, -20}, {0, -18}, {-15, -20}, {-13, -40}, {-12, -55}});
  }
  cairo_path_t* coat = cairo_copy_path(cr);
  DarkShape(c, kPilgrimCoat, 4, 0);
  cairo_save(cr);
  cairo_append_path(cr, coat);
  cairo_clip(cr);
  cairo_rectangle(cr, -20, -43, 40, 6);
  FillOutline(cr, kBlack, 1.2);
  if (front) Line(cr, 0, back ? -60 : -36, 0, -18, kOutline, 1.6);
  cairo_restore(cr);
  cairo_path_destroy(coat);
  if (back) {
    // From behind: the belt without its buckle, and the collar's back.
    Blob(cr, {{-14, -63}, {0, -64}, {14, -63}, {13, -57}, {0, -56}, {-13, -57}});
    FillShaded(cr, kWhite, 1.5 * c.sd, 1.5, 1.6);
    return;
  }
  const double bx = front ? 0 : 8;
  RoundRect(cr, bx - 4.5, -44.5, 9, 9, 1.2);
  FillOutline(cr, kBuckle, 1.3);
  cairo_rectangle(cr, bx - 2, -42, 4, 4);
  Fill(cr, kBlack);
  // Wide white collar.
  if (front) {
    Blob(cr, {{-14, -63}, {0, -61}, {14, -63}, {12, -55}, {2, -51}, {0, -54}, {-2, -51}, {-12, -55}});
    FillShaded(cr, kWhite, 1.5 * c.sd, 1.5, 1.6);
    Line(cr, 0, -60, 0, -54, kOutline, 1.2);
  } else {
    Blob(cr, {{-9, -64}, {7, -65}, {14, -58}, {8, -52}, {-2, -55}, {-8, -58}});
    FillShaded(cr, kWhite, 1.5 * c.sd, 1.5, 1.6);
  }
}

}  // namespace art::pilgrim_parts
