#pragma once
#include <cstdint>
#include <string>

namespace gs {

// Writes an RGB565 picture to a PNG file, each channel widened to 8 bits by
// repeating its top bits. Answers whether the file was written.
bool WriteRgb565Png(const uint16_t* pixels, int pitchBytes, int width, int height, const std::string& path);

}  // namespace gs
