#include "plucked_string.h"

#include <algorithm>
#include <cmath>

#include "biquad.h"

namespace gs::soundgen {

std::vector<double> PluckedString(double freq, double seconds, double decay, NoiseSource& noise) {
  const auto length = static_cast<size_t>(std::max(2.0, std::round(kRate / std::max(freq, 20.0))));
  std::vector<double> line(length);
  for (double& v : line) v = noise.White();
  std::vector<double> out(static_cast<size_t>(seconds * kRate));
  size_t pos = 0;
  for (double& o : out) {
    const size_t next = (pos + 1) % length;
    o = line[pos];
    line[pos] = decay * 0.5 * (line[pos] + line[next]);
    pos = next;
  }
  return out;
}

}  // namespace gs::soundgen
