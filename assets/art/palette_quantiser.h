#pragma once
// Reduces an RGB picture to at most 256 colours (median cut), deterministic.
#include <cstdint>
#include <vector>

#include "bmp_writer.h"

namespace art {

struct PalettedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> indices;  // width * height
  std::vector<uint8_t> palette;  // 256 * 3, unused entries black
};

PalettedImage QuantiseTo256(const RgbImage& image);

}  // namespace art
