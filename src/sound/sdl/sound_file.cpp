#include "sound/sdl/sound_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/regular_file.h"

namespace gs {
namespace {

constexpr size_t kMaxFileBytes = 16u << 20;

// The length of a wave file's sound, from its header; nullopt when the
// header has no format or no data.
std::optional<double> HeaderSeconds(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  uint32_t byteRate = 0;
  uint64_t dataBytes = 0;
  bool haveData = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string_view id = b.substr(at, 4);
    const uint64_t size = LittleEndian32(b, at + 4);
    const size_t body = at + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= b.size()) byteRate = LittleEndian32(b, body + 8);
    if (id == "data") {
      // A size past the end of the file counts only what is there.
      dataBytes = std::min<uint64_t>(size, b.size() - body);
      haveData = true;
      break;
    }
    at = static_cast<size_t>(std::min<uint64_t>(body + size + (size & 1), b.size()));
  }
  if (byteRate == 0 || !haveData) return std::nullopt;
  return static_cast<double>(dataBytes) / byteRate;
}

}  // namespace

std::string WaveProblem(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return "not a wave file";
  const std::optional<double> seconds = HeaderSeconds(b);
  if (!seconds) return "not a wave file (no format or no data)";
  if (*seconds > kMaxSoundSeconds) {
    char text[96];
    std::snprintf(text, sizeof text, "too long (%.0f s, at most %.0f s)", *seconds, kMaxSoundSeconds);
    return text;
  }
  return "";
}

std::optional<double> WaveSeconds(std::string_view bytes) {
  if (!WaveProblem(bytes).empty()) return std::nullopt;
  return HeaderSeconds(bytes);
}

std::optional<std::string> ReadSoundFile(const std::string& path) {
  return ReadDataFile(path, kMaxFileBytes, "sound", WaveProblem);
}

}  // namespace gs
