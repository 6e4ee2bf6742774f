#include "sound/sdl/mixer_volume.h"

#include <cmath>

namespace gs {

namespace {
constexpr int kFullVolume = 128;  // MIX_MAX_VOLUME, kept here so the header needs no SDL
}

int MixerVolume(int32_t attenuation) {
  if (attenuation >= 0) return kFullVolume;
  if (attenuation < -10000) return 0;
  const double gain = std::pow(10.0, static_cast<double>(attenuation) / 2000.0);
  return static_cast<int>(std::lround(gain * kFullVolume));
}

}  // namespace gs
