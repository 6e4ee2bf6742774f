#pragma once
#include <cstdint>

namespace gs::soundgen {

// A small fixed-seed generator (xorshift64*): the same seed gives the same
// sounds on every build, which keeps the generated files byte-identical.
class NoiseSource {
 public:
  explicit NoiseSource(uint64_t seed) : state_(seed != 0 ? seed : 0x9e3779b97f4a7c15ULL) {}
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545f4914f6cdd1dULL;
  }
  // Uniform in [-1, 1).
  double White() { return static_cast<double>(Next() >> 11) * (2.0 / 9007199254740992.0) - 1.0; }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

 private:
  uint64_t state_;
};

}  // namespace gs::soundgen
