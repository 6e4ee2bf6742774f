#pragma once
#include <cairo.h>

#include "bmp_writer.h"
#include "picture.h"

namespace art {

// Draws the picture on a cleared ARGB32 surface of its size and snaps it to
// the bitmap's pixels (see key_snap.h).
RgbImage RenderPicture(const Picture& picture);

// The bitmap as a cairo surface for composing: pure magenta of a keyed
// picture becomes transparent. The caller destroys the surface.
cairo_surface_t* ToSurface(const RgbImage& image, bool keyed);

}  // namespace art
