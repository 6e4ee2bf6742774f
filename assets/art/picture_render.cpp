#include "picture_render.h"

#include <cstring>

#include "dither_565.h"
#include "key_snap.h"

namespace art {

RgbImage RenderPicture(const Picture& picture) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  if (picture.draw) picture.draw(cr);
  cairo_destroy(cr);
  RgbImage image = SnapSurface(surface, picture.keyed);
  cairo_surface_destroy(surface);
  if (picture.dither565) DitherTo565(image);
  return image;
}

cairo_surface_t* ToSurface(const RgbImage& image, bool keyed) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = image.At(x, y);
      const uint32_t px = keyed && IsExactMagenta(p)
                              ? 0u
                              : 0xff000000u | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | uint32_t{p[2]};
      std::memcpy(data + static_cast<size_t>(y) * stride + x * 4, &px, 4);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace art
