// The turkey group: the gobble and the knocks of the turkeys' act.
#include <algorithm>
#include <cmath>

#include "biquad.h"
#include "envelope.h"
#include "formant_voice.h"
#include "noise_source.h"
#include "sound_recipes.h"

namespace gs::soundgen {

Samples Gobble() {
  NoiseSource noise(0x70BB1E);
  constexpr double kSeconds = 1.35;
  constexpr double kSyllables = 11.0;  // per second: the rapid "obble-obble"
  Samples voice = FormantVoice(
      kSeconds,
      [](double t) {
        const double cycles = t * kSyllables;
        const double within = cycles - std::floor(cycles);
        // Every syllable swoops down in pitch and opens then closes the beak.
        const double swoop = 1.0 - within;
        const double pitch = (620.0 + 420.0 * swoop * swoop) * (1.0 - 0.12 * t / kSeconds);
        const double beak = std::sin(M_PI * within);
        const double pulse = 0.25 + 0.75 * beak * beak;
        const double fade = t > 1.0 ? Decay(t - 1.0, 0.12) : 1.0;
        return VoiceShape{pitch, 700.0 + 500.0 * beak, 1900.0 + 400.0 * beak, 3200.0, pulse * fade};
      },
      0.25, noise);
  return voice;
}

Samples GlassCrash() {
  NoiseSource noise(0x61A55);
  Samples out(SamplesFor(0.9));
  Biquad burstHp, burstHp2;
  burstHp.HighPass(2500.0, 0.7);
  burstHp2.HighPass(2500.0, 0.7);
  // The first break, then shards falling and tinkling: short ringing sines
  // at glassy pitches, thinning out over time.
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    out[i] = burstHp2.Process(burstHp.Process(noise.White())) * Strike(t, 0.001, 0.06) * 2.0;
  }
  for (int shard = 0; shard < 70; ++shard) {
    const double u = noise.Unit();
    const double start = 0.6 * u * u;  // denser at the start
    const double freq = 2500.0 + 6500.0 * noise.Unit();
    const double tau = 0.01 + 0.04 * noise.Unit();
    const double amp = (0.25 + 0.5 * noise.Unit()) * (1.0 - start);
    const size_t from = SamplesFor(start);
    for (size_t i = from; i < out.size() && i < from + SamplesFor(9 * tau); ++i) {
      const double t = TimeOf(i - from);
      out[i] += amp * std::sin(2.0 * M_PI * freq * t) * Decay(t, tau);
    }
  }
  return out;
}

Samples Thump() {
  NoiseSource noise(0x7407);
  Samples out(SamplesFor(0.4));
  Biquad muffle;
  muffle.LowPass(350.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    phase += (55.0 + 90.0 * Decay(t, 0.025)) / kRate;
    out[i] = std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.09) + muffle.Process(noise.White()) * Decay(t, 0.03) * 2.0;
  }
  return out;
}

Samples Whizz() {
  NoiseSource noise(0x3122);
  constexpr double kSeconds = 0.8;
  Samples out(SamplesFor(kSeconds));
  Biquad band, band2;
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double x = t / kSeconds;
    // Passing close by: the pitch falls (Doppler) and the level swells and fades.
    const double centre = 3200.0 * std::pow(0.2, x);
    band.BandPass(centre, 5.0);
    band2.BandPass(centre, 5.0);
    phase += centre * 0.5 / kRate;
    const double level = (0.35 + 0.65 * std::sin(M_PI * std::min(1.0, x * 1.3))) * (x > 0.75 ? (1.0 - x) / 0.25 : 1.0);
    out[i] = (band2.Process(band.Process(noise.White())) * 6.0 + 0.15 * std::sin(2.0 * M_PI * phase)) * level;
  }
  return out;
}

Samples Impact() {
  NoiseSource noise(0x1A9AC7);
  Samples out(SamplesFor(0.5));
  Biquad crunch, low;
  crunch.BandPass(900.0, 1.2);
  low.LowPass(200.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    phase += (70.0 + 80.0 * Decay(t, 0.04)) / kRate;
    out[i] = crunch.Process(n) * Strike(t, 0.001, 0.05) * 3.0 + low.Process(n) * Decay(t, 0.1) * 2.0 +
             std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.08) * 0.8;
  }
  return out;
}

Samples Pop() {
  NoiseSource noise(0x909);
  Samples out(SamplesFor(0.22));
  Biquad click;
  click.HighPass(3000.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    // A cork-like pop: a click and a quick upward blip.
    phase += (380.0 + 700.0 * (1.0 - Decay(t, 0.02))) / kRate;
    out[i] = std::sin(2.0 * M_PI * phase) * Strike(t, 0.001, 0.04) + click.Process(noise.White()) * Decay(t, 0.003) * 2.0;
  }
  return out;
}

}  // namespace gs::soundgen
