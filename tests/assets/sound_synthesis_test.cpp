// The building blocks of the sound generator.
#include <gtest/gtest.h>

#include <cmath>

#include "biquad.h"
#include "loudness.h"
#include "noise_source.h"
#include "plucked_string.h"
#include "sound_recipes.h"

namespace gs::soundgen {
namespace {

double SineThrough(Biquad& f, double freq) {
  std::vector<double> out;
  for (int i = 0; i < 44100; ++i) out.push_back(f.Process(std::sin(2.0 * M_PI * freq * i / kRate)));
  out.erase(out.begin(), out.begin() + 4410);  // settle
  return Rms(out) * std::sqrt(2.0);
}

TEST(Biquad, ShapesPassAndStopWhereTheyShould) {
  struct Case {
    const char* shape;
    double probe;
    double minGain, maxGain;
  };
  const Case cases[] = {
      {"low", 100, 0.95, 1.05}, {"low", 8000, 0.0, 0.05}, {"high", 8000, 0.95, 1.05},
      {"high", 100, 0.0, 0.05}, {"band", 1000, 0.95, 1.05}, {"band", 4000, 0.0, 0.15},
  };
  for (const Case& c : cases) {
    Biquad f;
    const std::string shape = c.shape;
    if (shape == "low") f.LowPass(1000, 0.707);
    if (shape == "high") f.HighPass(1000, 0.707);
    if (shape == "band") f.BandPass(1000, 5.0);
    const double gain = SineThrough(f, c.probe);
    EXPECT_GE(gain, c.minGain) << c.shape << " at " << c.probe;
    EXPECT_LE(gain, c.maxGain) << c.shape << " at " << c.probe;
  }
}

TEST(PluckedString, RingsAtItsPitchAndDiesAway) {
  NoiseSource noise(7);
  const std::vector<double> s = PluckedString(441.0, 1.0, 0.996, noise);
  ASSERT_EQ(s.size(), 44100u);
  // Period 100 samples: the waveform repeats almost exactly one period later.
  double same = 0, energy = 0;
  for (size_t i = 2000; i < 3000; ++i) {
    same += s[i] * s[i + 100];
    energy += s[i] * s[i];
  }
  EXPECT_GT(same / energy, 0.9);
  const std::vector<double> early(s.begin(), s.begin() + 4410), late(s.end() - 4410, s.end());
  EXPECT_LT(Rms(late), Rms(early) * 0.5);
}

TEST(Normalise, ReachesTheTargetWithoutClippingAndEndsQuietly) {
  NoiseSource noise(3);
  std::vector<double> loud, spiky, silent(1000, 0.0), empty;
  for (int i = 0; i < 22050; ++i) loud.push_back(5.0 * noise.White());
  for (int i = 0; i < 22050; ++i) spiky.push_back((i % 5000 == 0 ? 50.0 : 0.0) + 0.01 * noise.White());
  Normalise(loud, 0.1);
  EXPECT_NEAR(Rms(loud), 0.1, 0.005);
  Normalise(spiky, 0.1);
  for (const auto* v : {&loud, &spiky}) {
    for (double x : *v) ASSERT_LT(std::fabs(x), 0.96);
    EXPECT_LT(std::fabs(v->back()), 0.001);
  }
  Normalise(silent, 0.1);
  for (double x : silent) EXPECT_EQ(x, 0.0);
  Normalise(empty, 0.1);
  EXPECT_TRUE(empty.empty());
}

TEST(Gobble, WarblesAtARapidSyllableRate) {
  const std::vector<double> g = Gobble();
  // Loudness in 10 ms windows over the first second: count the swells.
  std::vector<double> env;
  for (size_t at = 0; at + 441 <= 44100 && at + 441 <= g.size(); at += 441) {
    env.push_back(Rms(std::vector<double>(g.begin() + static_cast<long>(at), g.begin() + static_cast<long>(at + 441))));
  }
  double mean = 0;
  for (double e : env) mean += e / static_cast<double>(env.size());
  int swells = 0;
  for (size_t i = 1; i < env.size(); ++i) swells += env[i - 1] < mean && env[i] >= mean;
  EXPECT_GE(swells, 8);
  EXPECT_LE(swells, 16);
}

}  // namespace
}  // namespace gs::soundgen
