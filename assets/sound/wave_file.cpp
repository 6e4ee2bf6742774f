#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace gs::soundgen {

namespace {
void Put(std::string& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
}  // namespace

bool WriteWaveFile(const std::string& path, const std::vector<double>& samples) {
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::string bytes;
  bytes.reserve(44 + dataBytes);
  bytes += "RIFF";
  Put(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  Put(bytes, 16, 4);
  Put(bytes, 1, 2);          // PCM
  Put(bytes, 1, 2);          // mono
  Put(bytes, 44100, 4);
  Put(bytes, 44100 * 2, 4);  // bytes per second
  Put(bytes, 2, 2);          // block align
  Put(bytes, 16, 2);
  bytes += "data";
  Put(bytes, dataBytes, 4);
  for (double s : samples) {
    const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
    Put(bytes, static_cast<uint16_t>(static_cast<int16_t>(v)), 2);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace gs::soundgen
