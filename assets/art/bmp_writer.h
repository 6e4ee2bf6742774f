#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace art {

// Tightly packed RGB pixels, rows top to bottom.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3

  uint8_t* At(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
  const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// A 24-bit uncompressed Windows bitmap: file header, info header, rows
// bottom-up in B G R order, each padded to a multiple of 4 bytes.
std::vector<uint8_t> EncodeBmp24(const RgbImage& image);
// False when the file cannot be written.
bool WriteBmp24(const std::string& path, const RgbImage& image);

}  // namespace art
