#pragma once
#include <cstdint>

namespace gs {

// The show's 16-bit counters stop at 32767 instead of wrapping to -32768,
// which would make every "counter >= n" cue fire again after nine hours.
constexpr int16_t Inc16(int16_t v) { return v < INT16_MAX ? static_cast<int16_t>(v + 1) : v; }

}  // namespace gs
