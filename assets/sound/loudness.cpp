#include "loudness.h"

#include <algorithm>
#include <cmath>

#include "biquad.h"

namespace gs::soundgen {

namespace {

constexpr double kKnee = 0.6;     // below this the limiter leaves samples alone
constexpr double kCeiling = 0.95; // the limiter never goes past this

double Limit(double x) {
  const double a = std::fabs(x);
  if (a <= kKnee) return x;
  const double over = (a - kKnee) / (kCeiling - kKnee);
  return std::copysign(kKnee + (kCeiling - kKnee) * std::tanh(over), x);
}

}  // namespace

double Rms(const std::vector<double>& samples) {
  if (samples.empty()) return 0.0;
  double sum = 0.0;
  for (double s : samples) sum += s * s;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

void Normalise(std::vector<double>& samples, double targetRms) {
  if (samples.empty()) return;
  // Remove any offset first so the limiter treats both halves alike.
  Biquad dc;
  dc.HighPass(20.0, 0.707);
  for (double& s : samples) s = dc.Process(s);
  // Scaling and limiting pull against each other; a few rounds settle them.
  for (int round = 0; round < 6; ++round) {
    const double rms = Rms(samples);
    if (rms <= 0.0) return;
    const double gain = targetRms / rms;
    for (double& s : samples) s = Limit(s * gain);
  }
  // A 1 ms rise keeps the start click-free without delaying the cue; 15 ms out.
  const size_t in = std::min<size_t>(44, samples.size());
  for (size_t i = 0; i < in; ++i) samples[i] *= static_cast<double>(i) / static_cast<double>(in);
  const size_t out = std::min<size_t>(661, samples.size());
  for (size_t i = 0; i < out; ++i) samples[samples.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
}

}  // namespace gs::soundgen
