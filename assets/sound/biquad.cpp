#include "biquad.h"

#include <algorithm>
#include <cmath>

namespace gs::soundgen {

namespace {
double Omega(double freq) { return 2.0 * M_PI * std::clamp(freq, 10.0, kRate * 0.45) / kRate; }
}  // namespace

void Biquad::LowPass(double freq, double q) {
  const double w = Omega(freq), c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::HighPass(double freq, double q) {
  const double w = Omega(freq), c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::BandPass(double freq, double q) {
  const double w = Omega(freq), c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = a1 / a0;
  a2_ = a2 / a0;
}

double Biquad::Process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

}  // namespace gs::soundgen
