#pragma once
#include <vector>

namespace gs::soundgen {

// Brings a sound to the common level of the set: RMS `targetRms` (of full
// scale), peaks softly limited below full scale, a click-free start and end.
void Normalise(std::vector<double>& samples, double targetRms);

double Rms(const std::vector<double>& samples);

}  // namespace gs::soundgen
