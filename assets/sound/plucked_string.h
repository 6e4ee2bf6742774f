#pragma once
#include <vector>

#include "noise_source.h"

namespace gs::soundgen {

// A plucked string (Karplus-Strong): a noise burst circulating in a delay line
// one period long, softened a little on every pass. `decay` is the loss per
// pass (close to 1 rings long).
std::vector<double> PluckedString(double freq, double seconds, double decay, NoiseSource& noise);

}  // namespace gs::soundgen
