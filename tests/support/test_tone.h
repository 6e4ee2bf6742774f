#pragma once
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sound/sdl/sdl_audio.h"
#include "support/temp_dir.h"

namespace gs::testing {

inline void PutLe(std::ofstream& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xff));
}

// Writes a mono 16-bit 44.1 kHz wave file holding a steady 440 Hz sine.
inline void WriteTone(const std::string& path, double seconds, double amplitude) {
  const int rate = 44100;
  const auto frames = static_cast<uint32_t>(seconds * rate);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  PutLe(out, 36 + frames * 2, 4);
  out.write("WAVEfmt ", 8);
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, 1, 2);
  PutLe(out, rate, 4);
  PutLe(out, rate * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  out.write("data", 4);
  PutLe(out, frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const double v = amplitude * 32767.0 * std::sin(2.0 * M_PI * 440.0 * i / rate);
    PutLe(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v))), 2);
  }
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
