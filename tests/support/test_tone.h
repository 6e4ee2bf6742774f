#pragma once
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "sound/sdl/sdl_audio.h"
#include "support/temp_dir.h"

namespace gs::testing {

inline void PutLe(std::string& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xff);
}

// The header of a mono 16-bit wave file whose data chunk claims dataBytes
// at byteRate bytes a second.
inline std::string WaveHeader(uint32_t byteRate, uint32_t dataBytes) {
  std::string b = "RIFF";
  PutLe(b, 36 + dataBytes, 4);
  b += "WAVEfmt ";
  for (auto [v, n] : {std::pair<uint32_t, int>{16, 4}, {1, 2}, {1, 2}, {byteRate / 2, 4}, {byteRate, 4}, {2, 2}, {16, 2}})
    PutLe(b, v, n);
  b += "data";
  PutLe(b, dataBytes, 4);
  return b;
}

// Writes a mono 16-bit 44.1 kHz wave file holding a steady 440 Hz sine.
inline void WriteTone(const std::string& path, double seconds, double amplitude) {
  const auto frames = static_cast<uint32_t>(seconds * 44100);
  std::string b = WaveHeader(88200, frames * 2);
  for (uint32_t i = 0; i < frames; ++i)
    PutLe(b, static_cast<uint16_t>(std::lround(amplitude * 32767.0 * std::sin(2.0 * M_PI * 440.0 * i / 44100))), 2);
  std::ofstream(path, std::ios::binary) << b;
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    const char* old = ::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (had_) {
      ::setenv(name_, old_.c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

// Waits until the sound has finished; gives up after a generous bound so a
// stuck device fails the test instead of hanging it.
inline bool WaitUntilSilent(const SdlAudio& audio, int32_t id) {
  for (int i = 0; i < 2000 && audio.IsPlaying(id); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return !audio.IsPlaying(id);
}

}  // namespace gs::testing
