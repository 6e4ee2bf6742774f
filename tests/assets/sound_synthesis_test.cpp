// The building blocks of the sound generator.
#include <gtest/gtest.h>

#include <algorithm>
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

std::vector<double> Sine(double freq, double amplitude, double seconds) {
  std::vector<double> out;
  for (int i = 0; i < static_cast<int>(seconds * kRate); ++i)
    out.push_back(amplitude * std::sin(2.0 * M_PI * freq * i / kRate));
  return out;
}

TEST(MomentaryMaxLufs, ReadsTheReferenceTonesOfTheStandard) {
  // A full-scale 997 Hz sine in one channel reads -3.01 LUFS; 20 dB down, -23.01.
  EXPECT_NEAR(MomentaryMaxLufs(Sine(997, 1.0, 1.0)), -3.01, 0.1);
  EXPECT_NEAR(MomentaryMaxLufs(Sine(997, 0.1, 1.0)), -23.01, 0.1);
  // The weighting lifts the highs and cuts the lows (as ffmpeg's ebur128
  // reads the same tones).
  EXPECT_NEAR(MomentaryMaxLufs(Sine(10000, 0.1, 1.0)), -19.7, 0.2);
  EXPECT_NEAR(MomentaryMaxLufs(Sine(30, 0.1, 1.0)), -32.0, 0.3);
  // Only the loudest 400 ms count: a short burst in silence reads lower.
  std::vector<double> burst = Sine(997, 1.0, 0.1);
  burst.resize(44100, 0.0);
  EXPECT_NEAR(MomentaryMaxLufs(burst), -3.01 + 10.0 * std::log10(0.25), 0.2);
  EXPECT_EQ(MomentaryMaxLufs(std::vector<double>(44100, 0.0)), -70.0);
  EXPECT_EQ(MomentaryMaxLufs({}), -70.0);
}

double Peak(const std::vector<double>& s) {
  double peak = 0;
  for (double x : s) peak = std::max(peak, std::fabs(x));
  return peak;
}

TEST(Master, ReachesTheLevelUnderTheCeilingWithoutLimitingAndLastsItsLength) {
  NoiseSource noise(3);
  std::vector<double> loud, spiky, silent(1000, 0.0), empty;
  for (int i = 0; i < 22050; ++i) loud.push_back(5.0 * noise.White());
  for (int i = 0; i < 22050; ++i) spiky.push_back((i % 5000 == 0 ? 50.0 : 0.0) + 0.01 * noise.White());
  const std::vector<double> dry = loud;
  Master(loud, -20.0, 1.1);
  EXPECT_NEAR(MomentaryMaxLufs(loud), -20.0, 0.1);
  // One gain for the whole sound: the shape is kept, no peak is squashed.
  const double gain = loud[10000] / dry[10000];
  for (size_t i = 1000; i < 20000; i += 997) EXPECT_NEAR(loud[i], dry[i] * gain, 0.02) << i;
  // The spikes allow no more than the ceiling: as loud as a plain gain gets.
  Master(spiky, -20.0, 1.1);
  EXPECT_NEAR(Peak(spiky), kCeiling, 1e-9);
  EXPECT_LT(MomentaryMaxLufs(spiky), -20.5);
  for (const auto* v : {&loud, &spiky}) {
    EXPECT_EQ(v->size(), static_cast<size_t>(1.1 * kRate));
    EXPECT_EQ(v->back(), 0.0);
  }
  // A longer sound is faded out to fit, not cut off.
  std::vector<double> longer = Sine(440, 0.5, 2.0);
  Master(longer, -20.0, 1.0);
  ASSERT_EQ(longer.size(), static_cast<size_t>(kRate));
  EXPECT_LT(std::fabs(longer[longer.size() - static_cast<size_t>(kSilentEnd * kRate) - 1]), 0.01);
  Master(silent, -20.0, 1.1);
  for (double x : silent) EXPECT_EQ(x, 0.0);
  Master(empty, -20.0, 0.5);
  EXPECT_EQ(empty.size(), static_cast<size_t>(0.5 * kRate));
}

TEST(Gobble, WarblesInUnevenSyllables) {
  const std::vector<double> g = Gobble();
  // Loudness in 5 ms windows over the first second: find the swells.
  std::vector<double> env;
  for (size_t at = 0; at + 220 <= 44100 && at + 220 <= g.size(); at += 220) {
    env.push_back(Rms(std::vector<double>(g.begin() + static_cast<long>(at), g.begin() + static_cast<long>(at + 220))));
  }
  double mean = 0;
  for (double e : env) mean += e / static_cast<double>(env.size());
  std::vector<size_t> onsets;
  for (size_t i = 1; i < env.size(); ++i)
    if (env[i - 1] < mean && env[i] >= mean) onsets.push_back(i);
  EXPECT_GE(onsets.size(), 8u);
  EXPECT_LE(onsets.size(), 16u);
  // Syllables of one length and one loudness sound like a machine.
  std::vector<size_t> gaps;
  for (size_t i = 1; i < onsets.size(); ++i) gaps.push_back(onsets[i] - onsets[i - 1]);
  ASSERT_GE(gaps.size(), 4u);
  EXPECT_GE(static_cast<double>(*std::max_element(gaps.begin(), gaps.end())),
            1.3 * static_cast<double>(*std::min_element(gaps.begin(), gaps.end())));
  std::vector<double> peaks;
  for (size_t i = 0; i + 1 < onsets.size(); ++i)
    peaks.push_back(
        *std::max_element(env.begin() + static_cast<long>(onsets[i]), env.begin() + static_cast<long>(onsets[i + 1])));
  EXPECT_GE(*std::max_element(peaks.begin(), peaks.end()), 1.25 * *std::min_element(peaks.begin(), peaks.end()));
}

}  // namespace
}  // namespace gs::soundgen
