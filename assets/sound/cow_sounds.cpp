// The cow group: the walker's grunt, the moo and the plop.
#include <algorithm>
#include <cmath>

#include "biquad.h"
#include "envelope.h"
#include "formant_voice.h"
#include "noise_source.h"
#include "sound_recipes.h"

namespace gs::soundgen {

namespace {
double Lerp(double a, double b, double x) { return a + (b - a) * std::clamp(x, 0.0, 1.0); }
}  // namespace

Samples Grunt() {
  NoiseSource noise(0x6A);
  return FormantVoice(
      0.7,
      [](double t) {
        return VoiceShape{Lerp(115.0, 85.0, t / 0.45), Lerp(450.0, 620.0, t / 0.1), 1100.0, 2400.0,
                          Strike(t, 0.01, 0.12)};
      },
      0.35, noise);
}

Samples Moo() {
  NoiseSource noise(0xC0);
  return FormantVoice(
      2.1,
      [](double t) {
        // "mmm" with low, nasal formants opening to "ooo", the pitch rising
        // a little and sagging as the breath runs out.
        const double open = std::clamp((t - 0.15) / 0.5, 0.0, 1.0);
        const double pitch = t < 0.5 ? Lerp(105.0, 135.0, t / 0.5) : Lerp(135.0, 92.0, (t - 0.5) / 1.4);
        const double amp = (t < 0.03 ? 0.4 + 20.0 * t : 1.0) * (t > 1.4 ? Decay(t - 1.4, 0.15) : 1.0);
        return VoiceShape{pitch, Lerp(260.0, 520.0, open), Lerp(900.0, 1000.0, open), Lerp(2200.0, 2500.0, open),
                          amp * (0.6 + 0.4 * open)};
      },
      0.12, noise);
}

Samples Plop() {
  NoiseSource noise(0x9109);
  Samples out(SamplesFor(0.45));
  Biquad splat;
  splat.LowPass(700.0, 0.8);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    // A drop: a bubble whose pitch rises as it closes, over a soft wet splat.
    phase += (180.0 + 700.0 * (1.0 - Decay(t, 0.05))) / kRate;
    const double bubble = std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.045);
    out[i] = bubble + splat.Process(noise.White()) * Decay(t, 0.03) * 2.0;
  }
  return out;
}

}  // namespace gs::soundgen
