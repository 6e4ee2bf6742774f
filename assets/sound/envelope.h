#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "biquad.h"

namespace gs::soundgen {

inline double TimeOf(size_t i) { return static_cast<double>(i) / kRate; }
inline size_t SamplesFor(double seconds) { return static_cast<size_t>(seconds * kRate); }
// Exponential fall with time constant tau (seconds).
inline double Decay(double t, double tau) { return std::exp(-t / tau); }
// Rises linearly over `attack`, then falls with time constant tau.
inline double Strike(double t, double attack, double tau) {
  return t < attack ? t / attack : std::exp(-(t - attack) / tau);
}

// Fades the last `seconds` of a sound out along a half cosine, so that a
// tail still ringing has died away by the sound's end.
inline void FadeTail(std::vector<double>& out, double seconds) {
  const size_t n = std::min(out.size(), SamplesFor(seconds));
  for (size_t i = 0; i < n; ++i)
    out[out.size() - n + i] *= 0.5 + 0.5 * std::cos(M_PI * static_cast<double>(i) / static_cast<double>(n));
}

// A gentle saturation toward +-1 with no corner anywhere: loud noise keeps
// its body but loses its rare tallest spikes, so that it can be played
// louder under the same peak without any wave being flattened.
inline double Saturate(double x) { return x / std::sqrt(1.0 + x * x); }

}  // namespace gs::soundgen
