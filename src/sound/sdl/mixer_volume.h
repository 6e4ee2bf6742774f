#pragma once
#include <cstdint>

namespace gs {

// The mixer's channel volume (0..128) for an attenuation in hundredths of a
// decibel: 0 and above is full, below -10000 is silent, in between the gain
// is 10^(v/2000) rounded to the nearest mixer step. -2500 gives 7 (-25.2 dB).
int MixerVolume(int32_t attenuation);

}  // namespace gs
