#pragma once
#include <cstdint>

namespace gs {

// The preview still, built into the program: 153 x 115 pixels, one palette
// index per pixel, rows top to bottom, and a 256-entry RGB palette.
struct PreviewStill {
  static constexpr int kWidth = 153;
  static constexpr int kHeight = 115;
  const uint8_t* pixels;   // kWidth * kHeight indices
  const uint8_t* palette;  // 256 * 3 bytes, R G B
};

const PreviewStill& GetPreviewStill();

}  // namespace gs
