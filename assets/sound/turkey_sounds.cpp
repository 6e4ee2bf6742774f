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

// A real gobble is a ragged run, not a clock: it starts slow, rattles
// faster in the middle and slows as the bird tires; each syllable is pitched,
// opened and voiced a little differently, now and then one is swallowed
// short or comes out weak, and the pitch tends to flip between high and low.
std::vector<Syllable> GobbleSyllables(NoiseSource& noise, double seconds) {
  std::vector<Syllable> out;
  bool high = true;
  for (double t = 0.0; t < seconds - 0.05;) {
    const double x = t / seconds;
    Syllable s;
    s.start = t;
    const double tempo = 0.06 + 0.05 * std::pow(std::fabs(2.0 * x - 0.9), 1.5);  // seconds per syllable
    const double roll = noise.Unit();
    s.length = roll < 0.15 ? 0.035 + 0.01 * noise.Unit() : tempo * (0.7 + 0.6 * noise.Unit());
    high = noise.Unit() < 0.75 ? !high : high;
    s.pitch = (900.0 + 300.0 * std::sin(M_PI * std::min(1.0, x * 1.4))) * (high ? 1.08 : 0.9) *
              (0.9 + 0.2 * noise.Unit());
    s.open = 0.45 + 0.55 * noise.Unit();
    s.level = (noise.Unit() < 0.2 ? 0.35 : 0.65 + 0.35 * noise.Unit()) * (x > 0.75 ? 1.0 - (x - 0.75) * 2.5 : 1.0);
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
  Biquad burstHp, burstHp2, crunchHp, crunchLp, crunchLp2;
  burstHp.HighPass(2500.0, 0.7);
  burstHp2.HighPass(2500.0, 0.7);
  crunchHp.HighPass(220.0, 0.7);
  crunchLp.LowPass(950.0, 0.7);
  crunchLp2.LowPass(950.0, 0.7);
  // The pane giving way: the bright break over the crunch of the frame and
  // the thick glass splitting, a crackle of grains in the 200..1000 Hz band.
  double grain = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    if (noise.Unit() < 0.004) grain = 0.4 + 0.6 * noise.Unit();  // a new crack in the crackle
    grain *= 0.9985;
    const double crunch = crunchLp2.Process(crunchLp.Process(crunchHp.Process(noise.White()))) *
                          (0.5 + grain) * Strike(t, 0.002, 0.12) * 7.0;
    const double burst = burstHp2.Process(burstHp.Process(noise.White())) * Strike(t, 0.001, 0.07) * 1.4;
    out[i] = Saturate(1.5 * (burst + crunch)) * 0.7;
  }
  // Then shards falling and tinkling: short ringing sines at glassy
  // pitches, thinning out over time.
  for (int shard = 0; shard < 70; ++shard) {
    const double u = noise.Unit();
    const double start = 0.05 + 0.7 * u * u;  // denser at the start
    const double freq = 2500.0 + 6500.0 * noise.Unit();
    const double tau = 0.01 + 0.04 * noise.Unit();
    const double amp = (0.12 + 0.25 * noise.Unit()) * (1.0 - start);
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
  Samples out(SamplesFor(0.34));
  // A heavy body landing on the ground: a low body that sinks from 117 to
  // 72 Hz, the hollow knock of the ground, which small speakers play, and
  // only a short soft slap on top.
  Biquad slap, knock, knock2;
  slap.BandPass(1500.0, 1.0);
  knock.BandPass(450.0, 2.0);
  knock2.BandPass(450.0, 2.0);
  double bodyPhase = 0.0, knockPhase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    bodyPhase += (72.0 + 45.0 * Decay(t, 0.03)) / kRate;
    const double body = std::sin(2.0 * M_PI * bodyPhase) * Strike(t, 0.004, 0.13) * 0.9;
    knockPhase += (400.0 + 120.0 * Decay(t, 0.02)) / kRate;
    const double knocked =
        (std::sin(2.0 * M_PI * knockPhase) + knock2.Process(knock.Process(noise.White())) * 3.0) * Strike(t, 0.002, 0.1) * 1.2;
    const double slapped = slap.Process(noise.White()) * Strike(t, 0.0005, 0.006) * 0.5;
    out[i] = body + knocked + slapped;
  }
  FadeTail(out, 0.26);
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
    out[i] = Saturate(crunch.Process(n) * Strike(t, 0.001, 0.07) * 4.0 + low.Process(n) * Decay(t, 0.12) * 2.5 +
                      std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.1) * 1.0);
  }
  return out;
}

Samples Pop() {
  NoiseSource noise(0x909);
  // A cork-like pop: a noisy puff that sweeps up as the cork leaves.
  return SweptPop(noise, 700.0, 2400.0, 0.015, 0.16);
}

}  // namespace gs::soundgen
