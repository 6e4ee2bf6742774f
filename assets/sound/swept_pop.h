#pragma once
#include <vector>

#include "noise_source.h"

namespace gs::soundgen {

// A short noisy pop: a burst of noise through a resonance that sweeps from
// `fromHz` to `toHz` with time constant `sweep` (seconds), lasting `seconds`.
// Noise, not a tone, so it pops rather than beeps.
std::vector<double> SweptPop(NoiseSource& noise, double fromHz, double toHz, double sweep, double seconds);

}  // namespace gs::soundgen
