#include "dither_565.h"

#include <algorithm>

namespace art {

namespace {

constexpr int kBayer8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
};

uint8_t Dither(uint8_t value, int bits, int threshold64) {
  const int top = (1 << bits) - 1;
  // floor(value * top / 255 + (threshold + 0.5) / 64): scaled to the
  // channel's levels, then rounded up or down by the pattern.
  const int level = std::min((value * top * 128 + 255 * (2 * threshold64 + 1)) / (255 * 128), top);
  // The 8-bit value the display (SDL) expands this level to; its own
  // narrowing, which keeps the top bits, gives the level back.
  return static_cast<uint8_t>(level * 255 / top);
}

}  // namespace

void DitherTo565(RgbImage& image) {
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      uint8_t* p = image.At(x, y);
      const int t = kBayer8[y & 7][x & 7];
      p[0] = Dither(p[0], 5, t);
      p[1] = Dither(p[1], 6, t);
      p[2] = Dither(p[2], 5, t);
    }
  }
}

}  // namespace art
