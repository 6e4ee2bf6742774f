#include "key_snap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace art {

bool IsExactMagenta(const uint8_t* p) { return p[0] == 255 && p[1] == 0 && p[2] == 255; }

bool IsNearMagenta(const uint8_t* p) {
  const int d = std::max({255 - p[0], static_cast<int>(p[1]), 255 - p[2]});
  return d < kNearMagentaDistance;
}

namespace {

void PushAwayFromMagenta(uint8_t* p) {
  if (!IsNearMagenta(p)) return;
  // Raising green turns a hot pink into a light grey-pink that reads the same
  // in a cartoon but can never be keyed out.
  p[1] = static_cast<uint8_t>(kNearMagentaDistance + 8);
}

}  // namespace

RgbImage SnapSurface(cairo_surface_t* surface, bool keyed) {
  cairo_surface_flush(surface);
  RgbImage out;
  out.width = cairo_image_surface_get_width(surface);
  out.height = cairo_image_surface_get_height(surface);
  out.rgb.assign(static_cast<size_t>(out.width) * out.height * 3, 0);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      uint32_t px;
      std::memcpy(&px, data + static_cast<size_t>(y) * stride + x * 4, 4);
      const int a = (px >> 24) & 0xff;
      int r = (px >> 16) & 0xff, g = (px >> 8) & 0xff, b = px & 0xff;
      uint8_t* o = out.At(x, y);
      if (keyed) {
        if (a < kKeyAlphaThreshold) {
          o[0] = 255, o[1] = 0, o[2] = 255;
          continue;
        }
        // Un-premultiply: the figure's own colour at full strength.
        r = std::min(255, (r * 255 + a / 2) / a);
        g = std::min(255, (g * 255 + a / 2) / a);
        b = std::min(255, (b * 255 + a / 2) / a);
      }
      // Opaque: premultiplied values are already the colour over black.
      o[0] = static_cast<uint8_t>(r), o[1] = static_cast<uint8_t>(g), o[2] = static_cast<uint8_t>(b);
      PushAwayFromMagenta(o);
    }
  }
  return out;
}

}  // namespace art
