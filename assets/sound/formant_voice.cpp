#include "formant_voice.h"

#include <cmath>

#include "biquad.h"

namespace gs::soundgen {

std::vector<double> FormantVoice(double seconds, const std::function<VoiceShape(double)>& shape,
                                 double breath, NoiseSource& noise) {
  std::vector<double> out(static_cast<size_t>(seconds * kRate));
  Biquad f1, f2, f3;
  double phase = 0.0, jitter = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const VoiceShape s = shape(t);
    jitter = 0.999 * jitter + 0.001 * noise.White();
    phase += s.pitch * (1.0 + 2.0 * jitter) / kRate;
    phase -= std::floor(phase);
    const double source = (2.0 * phase - 1.0) + breath * noise.White();
    f1.BandPass(s.f1, 6.0);
    f2.BandPass(s.f2, 8.0);
    f3.BandPass(s.f3, 10.0);
    out[i] = s.amplitude * (f1.Process(source) + 0.6 * f2.Process(source) + 0.3 * f3.Process(source));
  }
  return out;
}

}  // namespace gs::soundgen
