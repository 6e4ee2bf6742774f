#pragma once
// The show's cow, facing left, shared by every cow picture so that they all
// line up. At scale 1 she fills a 180 x 132 box from (x, y) with her hooves
// on y + 130.
#include <cairo.h>

namespace art {

struct CowPose {
  double tail = 0;        // -1..1: tail swung forward..back
  double jaw = 0;         // 0..1: chewing
  double legSwing = 0;    // -1..1: walking stride
  double legBend = 0;     // 0..1: knees bent for a jump
  bool eyesClosed = false;
  bool smiling = false;
};

void DrawCow(cairo_t* cr, double x, double y, double scale, const CowPose& pose);

}  // namespace art
