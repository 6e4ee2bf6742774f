#include "display/sdl/rgb565_png.h"

#include <cairo.h>

#include <memory>

namespace gs {
namespace {

struct CairoSurfaceFree {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using UniqueCairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceFree>;

}  // namespace

bool WriteRgb565Png(const uint16_t* pixels, int pitchBytes, int width, int height, const std::string& path) {
  const UniqueCairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
  cairo_surface_t* img = surface.get();
  if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) return false;
  cairo_surface_flush(img);
  unsigned char* data = cairo_image_surface_get_data(img);
  int stride = cairo_image_surface_get_stride(img);
  for (int y = 0; y < height; ++y) {
    const uint16_t* src =
        reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(pixels) + y * pitchBytes);
    uint32_t* dst = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      uint32_t p = src[x];
      uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
      dst[x] = ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    }
  }
  cairo_surface_mark_dirty(img);
  return cairo_surface_write_to_png(img, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace gs
