#pragma once
#include <cmath>
#include <cstddef>

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

}  // namespace gs::soundgen
