// The turkey group: the gobble and the knocks of the turkeys' act.
#include <algorithm>
#include <cmath>
#include <vector>

#include "biquad.h"
#include "envelope.h"
#include "formant_voice.h"
#include "noise_source.h"
#include "sound_recipes.h"
#include "swept_pop.h"

namespace gs::soundgen {

namespace {

// One "obble" of the gobble: when it starts, how long it lasts, and how it
// differs from its neighbours.
struct Syllable {
  double start, length;
  double pitch;   // at the top of its swoop, Hz
  double open;    // how far the beak opens, 0..1
  double level;
};

// A real gobble is a ragged run: syllables of uneven length, each pitched and
// opened a little differently, rising into the call and tiring toward its end.
std::vector<Syllable> GobbleSyllables(NoiseSource& noise, double seconds) {
  std::vector<Syllable> out;
  for (double t = 0.0; t < seconds - 0.05;) {
    const double x = t / seconds;
    Syllable s;
    s.start = t;
    s.length = 0.065 + 0.05 * noise.Unit();
    s.pitch = (900.0 + 300.0 * std::sin(M_PI * std::min(1.0, x * 1.4))) * (0.85 + 0.3 * noise.Unit());
    s.open = 0.5 + 0.5 * noise.Unit();
    s.level = (0.6 + 0.4 * noise.Unit()) * (x > 0.75 ? 1.0 - (x - 0.75) * 2.5 : 1.0);
    out.push_back(s);
    t += s.length;
  }
  return out;
}

}  // namespace

Samples Gobble() {
  NoiseSource noise(0x70BB1E);
  constexpr double kSeconds = 1.2;
  const std::vector<Syllable> syllables = GobbleSyllables(noise, kSeconds);
  Samples voice = FormantVoice(
      kSeconds,
      [&syllables](double t) {
        auto it = std::upper_bound(syllables.begin(), syllables.end(), t,
                                   [](double at, const Syllable& s) { return at < s.start; });
        if (it == syllables.begin()) return VoiceShape{600.0, 650.0, 1800.0, 3200.0, 0.2};
        const Syllable& s = *(it - 1);
        const double within = std::min(1.0, (t - s.start) / s.length);
        // Every syllable swoops down in pitch and opens then closes the beak.
        const double swoop = 1.0 - within;
        const double pitch = s.pitch * (0.62 + 0.38 * swoop * swoop);
        const double beak = std::sin(M_PI * within) * s.open;
        // The floor between syllables is shared by all of them: a jump in it
        // would click. The call dies away rather than stops.
        const double fade = t > 0.95 ? Decay(t - 0.95, 0.06) : 1.0;
        const double pulse = (0.2 + 0.8 * beak * beak * s.level) * fade;
        return VoiceShape{pitch, 650.0 + 550.0 * beak, 1800.0 + 500.0 * beak, 3200.0, std::max(0.0, pulse)};
      },
      0.25, noise);
  return voice;
}

Samples GlassCrash() {
  NoiseSource noise(0x61A55);
  Samples out(SamplesFor(1.0));
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
    const double start = 0.7 * u * u;  // denser at the start
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
  Samples out(SamplesFor(0.6));
  // A heavy body landing: the slap of the hit, which small speakers play,
  // over a hollow knock and the low punch felt on bigger ones.
  Biquad slap, knock, muffle;
  slap.BandPass(1600.0, 1.2);
  knock.BandPass(320.0, 3.0);
  muffle.LowPass(1200.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    phase += (60.0 + 90.0 * Decay(t, 0.025)) / kRate;
    const double punch = std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.08) * 0.3;
    const double slapped = slap.Process(n) * Strike(t, 0.0005, 0.012) * 2.5;
    const double knocked = knock.Process(n) * Strike(t, 0.001, 0.06) * 3.0;
    out[i] = punch + slapped + knocked + muffle.Process(n) * Decay(t, 0.05) * 0.8;
  }
  return out;
}

Samples Whizz() {
  NoiseSource noise(0x3122);
  constexpr double kSeconds = 0.8;
  Samples out(SamplesFor(1.0));
  Biquad band, band2;
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double x = t / kSeconds;
    // Passing close by: the pitch falls (Doppler) and the level swells and fades.
    const double centre = 3200.0 * std::pow(0.2, std::min(x, 1.0));
    band.BandPass(centre, 5.0);
    band2.BandPass(centre, 5.0);
    phase += centre * 0.5 / kRate;
    const double swell = 0.35 + 0.65 * std::sin(M_PI * std::min(1.0, x * 1.3));
    const double level = swell * (x > 0.6 ? Decay(x - 0.6, 0.08) : 1.0);
    out[i] = (band2.Process(band.Process(noise.White())) * 6.0 + 0.15 * std::sin(2.0 * M_PI * phase)) * level;
  }
  return out;
}

Samples Impact() {
  NoiseSource noise(0x1A9AC7);
  Samples out(SamplesFor(0.7));
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
  // A cork-like pop: a noisy puff that sweeps up as the cork leaves.
  return SweptPop(noise, 700.0, 2400.0, 0.015, 0.35);
}

}  // namespace gs::soundgen
