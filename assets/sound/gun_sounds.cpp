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
  // Shorter and brighter than the cannon, and nothing below 150 Hz: the
  // crack of the shot, the blast, and its report off the shack and trees,
  // which loses its highs as it rolls away.
  Samples out(SamplesFor(0.73));
  Biquad crackHp, blastHp, blastLp, echoHp, echoLp, air, air2, lowCut, lowCut2;
  crackHp.HighPass(2000.0, 0.7);
  blastHp.HighPass(300.0, 0.7);
  blastLp.LowPass(5000.0, 0.7);
  echoHp.HighPass(500.0, 0.7);
  echoLp.LowPass(2800.0, 0.7);
  lowCut.HighPass(150.0, 0.7);
  lowCut2.HighPass(150.0, 0.7);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double crack = crackHp.Process(n) * Decay(t, 0.003) * 1.7;
    const double blast = blastLp.Process(blastHp.Process(n)) * Strike(t, 0.001, 0.08) * 1.0;
    // The report swells back a moment later and rolls on.
    const double echo = echoLp.Process(echoHp.Process(noise.White())) * Strike(t, 0.03, 0.25) * 1.7;
    const double dark = 2000.0 + 8000.0 * Decay(t, 0.3);
    air.LowPass(dark, 0.7);
    air2.LowPass(dark, 0.7);
    const double body = air2.Process(air.Process(Saturate(2.5 * (blast + echo)) * 0.6));
    out[i] = lowCut2.Process(lowCut.Process(crack + body));
  }
  FadeTail(out, 0.25);
  return out;
}

Samples CannonBoom() {
  NoiseSource noise(0xCA770);
  Samples out(SamplesFor(1.52));
  // A deep boom that small speakers still play: the crack, a roar
  // band-limited to 150..1400 Hz, a barrel resonance sinking from 240 Hz,
  // and under them the low boom and the rumble rolling away over the fields.
  Biquad crackHp, roarLp, roarLp2, roarHp, roarHp2, rumbleLp, rumbleLp2;
  crackHp.HighPass(1200.0, 0.7);
  roarLp.LowPass(1400.0, 0.7);
  roarLp2.LowPass(1400.0, 0.7);
  roarHp.HighPass(150.0, 0.7);
  roarHp2.HighPass(150.0, 0.7);
  rumbleLp.LowPass(90.0, 0.7);
  rumbleLp2.LowPass(90.0, 0.7);
  double bodyPhase = 0.0, boomPhase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double n = noise.White();
    const double crack = crackHp.Process(n) * Decay(t, 0.004) * 1.5;
    const double roar = roarHp2.Process(roarHp.Process(roarLp2.Process(roarLp.Process(noise.White())))) *
                        Strike(t, 0.12, 0.5) * 2.5;
    bodyPhase += (160.0 + 80.0 * Decay(t, 0.1)) / kRate;
    const double body = std::sin(2.0 * M_PI * bodyPhase) * Strike(t, 0.08, 0.35) * 0.55;
    boomPhase += (52.0 + 30.0 * Decay(t, 0.08)) / kRate;
    const double boom = std::sin(2.0 * M_PI * boomPhase) * Strike(t, 0.1, 0.45) * 0.2;
    const double rumble = rumbleLp2.Process(rumbleLp.Process(noise.White())) * Strike(t, 0.05, 0.6) * 0.6;
    out[i] = crack + Saturate(4.0 * (roar + body + boom + rumble)) * 0.6;
  }
  FadeTail(out, 0.5);
  return out;
}

Samples BowTwang() {
  NoiseSource noise(0xB0);
  Samples string = PluckedString(98.0, 1.0, 0.996, noise);
  Samples overtone = PluckedString(196.0 * 1.01, 1.0, 0.992, noise);
  // A thick bowstring: its bright edge rolled off, the bow's limbs adding a
  // woody body, and a dull slap of the string on the bracer.
  Biquad warm, warm2, limbs, slapBand;
  warm.LowPass(1800.0, 0.7);
  warm2.LowPass(1800.0, 0.7);
  limbs.BandPass(260.0, 1.5);
  slapBand.BandPass(1400.0, 1.0);
  Samples out(string.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double rung = warm2.Process(warm.Process(string[i] + 0.4 * overtone[i])) * Decay(t, 0.2);
    const double slap = slapBand.Process(noise.White()) * Decay(t, 0.008) * 0.6;
    out[i] = Saturate(1.5 * (rung + limbs.Process(rung) * 1.5)) + slap;
  }
  FadeTail(out, 0.2);
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
