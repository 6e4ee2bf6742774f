#include "swept_pop.h"

#include <cmath>

#include "biquad.h"
#include "envelope.h"

namespace gs::soundgen {

std::vector<double> SweptPop(NoiseSource& noise, double fromHz, double toHz, double sweep, double seconds) {
  std::vector<double> out(SamplesFor(seconds));
  Biquad band, band2;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double centre = toHz + (fromHz - toHz) * Decay(t, sweep);
    band.BandPass(centre, 3.0);
    band2.BandPass(centre, 3.0);
    out[i] = band2.Process(band.Process(noise.White())) * Strike(t, 0.0008, 0.025) * 4.0;
  }
  return out;
}

}  // namespace gs::soundgen
