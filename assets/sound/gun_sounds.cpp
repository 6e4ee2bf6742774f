// The gun group: shotgun, cannon, bow and the arrow striking home.
#include <cmath>

#include "biquad.h"
#include "envelope.h"
#include "noise_source.h"
#include "plucked_string.h"
#include "sound_recipes.h"

namespace gs::soundgen {

Samples ShotgunBlast() {
  NoiseSource noise(0x5107);
  Samples out(SamplesFor(0.75));
  Biquad body, tail, crackHp;
  body.LowPass(2500.0, 0.8);
  tail.LowPass(500.0, 0.7);
  crackHp.HighPass(1500.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double crack = crackHp.Process(n) * Decay(t, 0.006) * 2.5;   // the muzzle's snap
    const double blast = body.Process(n) * Strike(t, 0.002, 0.05) * 2.0;
    const double rumble = tail.Process(n) * Decay(t, 0.2) * 2.5;        // the report rolling away
    phase += (45.0 + 70.0 * Decay(t, 0.03)) / kRate;
    const double kick = std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.06) * 0.9;  // the punch
    out[i] = crack + blast + rumble + kick;
  }
  return out;
}

Samples CannonBoom() {
  NoiseSource noise(0xCA770);
  Samples out(SamplesFor(0.95));
  Biquad boom, boom2, crackHp;
  boom.LowPass(220.0, 0.9);
  boom2.LowPass(220.0, 0.9);
  crackHp.HighPass(800.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double crack = crackHp.Process(n) * Decay(t, 0.012) * 1.5;
    const double roar = boom2.Process(boom.Process(n)) * Strike(t, 0.004, 0.25) * 6.0;
    phase += (32.0 + 50.0 * Decay(t, 0.06)) / kRate;
    const double kick = std::sin(2.0 * M_PI * phase) * Strike(t, 0.003, 0.18) * 1.2;
    out[i] = crack + roar + kick;
  }
  return out;
}

Samples BowTwang() {
  NoiseSource noise(0xB0);
  Samples string = PluckedString(98.0, 0.8, 0.996, noise);
  Samples overtone = PluckedString(196.0 * 1.01, 0.8, 0.992, noise);
  Biquad slapHp;
  slapHp.HighPass(1200.0, 0.7);
  Samples out(string.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    // The string slapping the bracer, then the string ringing down.
    const double slap = slapHp.Process(noise.White()) * Decay(t, 0.01) * 0.8;
    out[i] = (string[i] + 0.4 * overtone[i]) * Decay(t, 0.25) + slap;
  }
  return out;
}

Samples BowPop() {
  NoiseSource noise(0xB0B0);
  Samples out(SamplesFor(0.3));
  Biquad knock, knock2;
  knock.BandPass(900.0, 3.0);
  knock2.BandPass(2300.0, 4.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double wood = std::sin(2.0 * M_PI * 520.0 * t) * Decay(t, 0.04);
    out[i] = (knock.Process(n) * 3.0 + knock2.Process(n) * 1.5) * Decay(t, 0.025) + wood;
  }
  return out;
}

}  // namespace gs::soundgen
