// The gun group: shotgun, cannon, bow and the arrow striking home.
#include <cmath>

#include "biquad.h"
#include "envelope.h"
#include "noise_source.h"
#include "plucked_string.h"
#include "swept_pop.h"
#include "sound_recipes.h"

namespace gs::soundgen {

Samples ShotgunBlast() {
  NoiseSource noise(0x5107);
  Samples out(SamplesFor(1.0));
  Biquad body, tail, crackHp;
  body.LowPass(2500.0, 0.8);
  tail.LowPass(600.0, 0.7);
  crackHp.HighPass(1500.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double crack = crackHp.Process(n) * Decay(t, 0.006) * 2.5;   // the muzzle's snap
    const double blast = body.Process(n) * Strike(t, 0.002, 0.05) * 2.0;
    const double rumble = tail.Process(n) * Decay(t, 0.16) * 2.5;       // the report rolling away
    phase += (45.0 + 70.0 * Decay(t, 0.03)) / kRate;
    const double kick = std::sin(2.0 * M_PI * phase) * Strike(t, 0.002, 0.06) * 0.9;  // the punch
    out[i] = crack + blast + rumble + kick;
  }
  return out;
}

Samples CannonBoom() {
  NoiseSource noise(0xCA770);
  Samples out(SamplesFor(1.05));
  // The body of the boom lies where small speakers still play it: a roar
  // band-limited to 120..1400 Hz and a barrel resonance sinking from 260 Hz.
  Biquad roarLp, roarLp2, roarHp, crackHp, rumble;
  roarLp.LowPass(1400.0, 0.7);
  roarLp2.LowPass(1400.0, 0.7);
  roarHp.HighPass(120.0, 0.7);
  crackHp.HighPass(900.0, 0.7);
  rumble.LowPass(300.0, 0.7);
  double bodyPhase = 0.0, kickPhase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double crack = crackHp.Process(n) * Decay(t, 0.01) * 1.6;
    const double roar = roarHp.Process(roarLp2.Process(roarLp.Process(n))) * Strike(t, 0.003, 0.16) * 3.5;
    bodyPhase += (150.0 + 110.0 * Decay(t, 0.08)) / kRate;
    const double body = std::sin(2.0 * M_PI * bodyPhase) * Strike(t, 0.004, 0.14) * 0.8;
    kickPhase += (45.0 + 45.0 * Decay(t, 0.05)) / kRate;
    const double kick = std::sin(2.0 * M_PI * kickPhase) * Strike(t, 0.003, 0.12) * 0.5;
    const double tail = rumble.Process(n) * Decay(t, 0.3) * 1.2;  // rolling away over the fields
    out[i] = crack + roar + body + kick + tail;
  }
  return out;
}

Samples BowTwang() {
  NoiseSource noise(0xB0);
  Samples string = PluckedString(98.0, 1.0, 0.996, noise);
  Samples overtone = PluckedString(196.0 * 1.01, 1.0, 0.992, noise);
  Biquad slapHp;
  slapHp.HighPass(1200.0, 0.7);
  Samples out(string.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    // The string slapping the bracer, then the string ringing down.
    const double slap = slapHp.Process(noise.White()) * Decay(t, 0.01) * 0.8;
    out[i] = (string[i] + 0.4 * overtone[i]) * Decay(t, 0.18) + slap;
  }
  return out;
}

Samples BowPop() {
  NoiseSource noise(0xB0B0);
  // The arrow striking home: a short noisy pop whose pitch drops as it
  // dies, over a wooden knock.
  Samples out = SweptPop(noise, 2600.0, 500.0, 0.02, 0.9);
  Biquad knock;
  knock.BandPass(700.0, 2.0);
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] += knock.Process(noise.White()) * Strike(TimeOf(i), 0.001, 0.02) * 1.5;
  }
  return out;
}

}  // namespace gs::soundgen
