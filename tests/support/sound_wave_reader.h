#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gs::testing {

// A wave file as read back from disk, checked chunk by chunk.
struct WaveData {
  uint16_t format = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
  std::vector<int16_t> samples;
};

inline uint32_t Le(const std::string& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + static_cast<size_t>(i)]);
  return v;
}

// Parses a RIFF WAVE; nullopt when it is not one or a chunk runs past the end.
inline std::optional<WaveData> ParseWave(const std::string& b) {
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;
  if (Le(b, 4, 4) + 8 != b.size()) return std::nullopt;
  WaveData w;
  bool haveFmt = false, haveData = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const size_t size = Le(b, at + 4, 4);
    if (at + 8 + size > b.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      w.format = static_cast<uint16_t>(Le(b, at + 8, 2));
      w.channels = static_cast<uint16_t>(Le(b, at + 10, 2));
      w.rate = Le(b, at + 12, 4);
      w.bits = static_cast<uint16_t>(Le(b, at + 22, 2));
      haveFmt = true;
    } else if (id == "data") {
      for (size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<int16_t>(Le(b, at + 8 + i, 2)));
      haveData = true;
    }
    at += 8 + size + (size & 1);
  }
  if (!haveFmt || !haveData) return std::nullopt;
  return w;
}

}  // namespace gs::testing
