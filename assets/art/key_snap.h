#pragma once
// Turns a rendered cairo surface into the pixels of a bitmap file.
#include <cairo.h>

#include "bmp_writer.h"

namespace art {

// Pixels at least this far from pure magenta in every channel's largest
// difference; anything closer could be mistaken for the key by the eye or by
// a lenient display, so figure colours are pushed out of that box.
inline constexpr int kNearMagentaDistance = 48;
// Coverage (0..255) from which a pixel belongs to the figure.
inline constexpr int kKeyAlphaThreshold = 128;

bool IsExactMagenta(const uint8_t* rgb);
bool IsNearMagenta(const uint8_t* rgb);  // includes exact magenta

// Keyed: pixels with coverage below the threshold become pure magenta, the
// rest take their own un-blended colour (no fringe toward magenta).
// Opaque: the picture composited over black.
// In both, figure pixels near magenta are moved away from it.
RgbImage SnapSurface(cairo_surface_t* argb32, bool keyed);

}  // namespace art
