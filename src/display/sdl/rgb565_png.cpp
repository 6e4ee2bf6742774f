#include "display/sdl/rgb565_png.h"

#include <cairo.h>

namespace gs {

bool WriteRgb565Png(const uint16_t* pixels, int pitchBytes, int width, int height, const std::string& path) {
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
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
  bool ok = cairo_surface_write_to_png(img, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(img);
  return ok;
}

}  // namespace gs
