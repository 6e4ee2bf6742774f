#pragma once
#include <functional>
#include <vector>

#include "noise_source.h"

namespace gs::soundgen {

// One moment of a voiced sound: pitch, three formants and loudness.
struct VoiceShape {
  double pitch;
  double f1, f2, f3;
  double amplitude;
};

// A buzzing source (a sawtooth with a little pitch jitter and breath) through
// three band-pass formants that follow `shape` over time (seconds).
std::vector<double> FormantVoice(double seconds, const std::function<VoiceShape(double)>& shape,
                                 double breath, NoiseSource& noise);

}  // namespace gs::soundgen
