#pragma once
// The show composes in RGB565. A smooth gradient truncated to that grid
// bands, and since red and blue keep five bits but green six, the bands of a
// grey or pale sky turn pink and green. Dithering at build time puts every
// pixel on the grid, so the display's conversion changes nothing.
#include "bmp_writer.h"

namespace art {

// Ordered (8 x 8 Bayer) dither of every pixel to the nearest RGB565 levels,
// written back as the 8-bit values a 565 display expands them to.
void DitherTo565(RgbImage& image);

}  // namespace art
