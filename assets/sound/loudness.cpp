#include "loudness.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "biquad.h"

namespace gs::soundgen {

namespace {

// The two stages of the K-weighting (ITU-R BS.1770): a high shelf of +4 dB
// for the head, and a high-pass near 38 Hz, designed for our sample rate.
struct KWeighting {
  double b[2][3];
  double a[2][3];
  double x[2][2] = {};
  double y[2][2] = {};

  KWeighting() {
    double k = std::tan(M_PI * 1681.974450955533 / kRate);
    const double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1.0 + k / q + k * k;
    Set(0, {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0},
        {1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0});
    k = std::tan(M_PI * 38.13547087602444 / kRate);
    const double q2 = 0.5003270373238773;
    a0 = 1.0 + k / q2 + k * k;
    Set(1, {1.0, -2.0, 1.0}, {1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q2 + k * k) / a0});
  }
  void Set(int stage, const std::array<double, 3>& bs, const std::array<double, 3>& as) {
    for (int i = 0; i < 3; ++i) {
      b[stage][i] = bs[static_cast<size_t>(i)];
      a[stage][i] = as[static_cast<size_t>(i)];
    }
  }
  double Process(double in) {
    for (int s = 0; s < 2; ++s) {
      const double out = b[s][0] * in + b[s][1] * x[s][0] + b[s][2] * x[s][1] - a[s][1] * y[s][0] - a[s][2] * y[s][1];
      x[s][1] = x[s][0];
      x[s][0] = in;
      y[s][1] = y[s][0];
      y[s][0] = out;
      in = out;
    }
    return in;
  }
};

}  // namespace

double Rms(const std::vector<double>& samples) {
  if (samples.empty()) return 0.0;
  double sum = 0.0;
  for (double s : samples) sum += s * s;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

double MomentaryMaxLufs(const std::vector<double>& samples) {
  KWeighting k;
  std::vector<double> energy(samples.size() + 1, 0.0);  // running sum of squares
  for (size_t i = 0; i < samples.size(); ++i) {
    const double w = k.Process(samples[i]);
    energy[i + 1] = energy[i] + w * w;
  }
  // Windows of 400 ms every 10 ms; the part before the start counts as silence.
  const size_t window = static_cast<size_t>(0.4 * kRate), hop = static_cast<size_t>(0.01 * kRate);
  double best = 0.0;
  for (size_t end = hop; end < samples.size() + hop; end += hop) {
    const size_t to = std::min(end, samples.size());
    const size_t from = to > window ? to - window : 0;
    best = std::max(best, (energy[to] - energy[from]) / static_cast<double>(window));
  }
  return best > 1e-7 ? -0.691 + 10.0 * std::log10(best) : -70.0;
}

void Master(std::vector<double>& samples, double targetLufs, double seconds) {
  const size_t length = static_cast<size_t>(std::max(0.0, seconds) * kRate);
  const size_t sound = length > static_cast<size_t>(kSilentEnd * kRate) ? length - static_cast<size_t>(kSilentEnd * kRate) : 0;
  samples.resize(std::min(samples.size(), sound));
  if (!samples.empty()) {
    // Remove any offset first so that both half-waves reach the same peak.
    Biquad dc;
    dc.HighPass(20.0, 0.707);
    for (double& s : samples) s = dc.Process(s);
    // A 1 ms rise keeps the start click-free without delaying the cue; 15 ms out.
    const size_t in = std::min<size_t>(44, samples.size());
    for (size_t i = 0; i < in; ++i) samples[i] *= static_cast<double>(i) / static_cast<double>(in);
    const size_t out = std::min<size_t>(661, samples.size());
    for (size_t i = 0; i < out; ++i)
      samples[samples.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
    const double lufs = MomentaryMaxLufs(samples);
    double peak = 0.0;
    for (double s : samples) peak = std::max(peak, std::fabs(s));
    if (lufs > -70.0 && peak > 0.0) {
      const double gain = std::min(std::pow(10.0, (targetLufs - lufs) / 20.0), kCeiling / peak);
      for (double& s : samples) s *= gain;
    }
  }
  samples.resize(length, 0.0);
}

}  // namespace gs
