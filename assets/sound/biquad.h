#pragma once

namespace gs::soundgen {

constexpr double kRate = 44100.0;

// A second-order filter (the usual cookbook shapes). The shape can be changed
// on every sample, which is how the glides sweep their formants.
class Biquad {
 public:
  void LowPass(double freq, double q);
  void HighPass(double freq, double q);
  // Peak gain 1 at the centre frequency.
  void BandPass(double freq, double q);
  double Process(double x);

 private:
  void Set(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace gs::soundgen
