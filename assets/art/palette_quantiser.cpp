#include "palette_quantiser.h"

#include <algorithm>
#include <array>
#include <map>

namespace art {
namespace {

using Rgb = std::array<uint8_t, 3>;

struct Box {
  std::vector<Rgb> colours;  // distinct colours, weighted by count below
  std::vector<int> counts;
  int Range(int channel) const {
    int lo = 255, hi = 0;
    for (const Rgb& c : colours) lo = std::min<int>(lo, c[channel]), hi = std::max<int>(hi, c[channel]);
    return hi - lo;
  }
};

}  // namespace

PalettedImage QuantiseTo256(const RgbImage& image) {
  PalettedImage out;
  out.width = image.width;
  out.height = image.height;
  out.palette.assign(256 * 3, 0);
  out.indices.assign(static_cast<size_t>(image.width) * image.height, 0);

  std::map<Rgb, int> histogram;
  for (size_t i = 0; i < out.indices.size(); ++i)
    ++histogram[{image.rgb[i * 3], image.rgb[i * 3 + 1], image.rgb[i * 3 + 2]}];
  if (histogram.empty()) return out;

  std::vector<Box> boxes(1);
  for (const auto& [c, n] : histogram) boxes[0].colours.push_back(c), boxes[0].counts.push_back(n);

  while (boxes.size() < 256) {
    // Split the box with the widest channel range; ties go to the first box.
    int best = -1, bestRange = 0, bestChannel = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      for (int ch = 0; ch < 3; ++ch) {
        const int r = boxes[i].Range(ch);
        if (r > bestRange) best = static_cast<int>(i), bestRange = r, bestChannel = ch;
      }
    }
    if (best < 0) break;
    Box& box = boxes[best];
    std::vector<size_t> order(box.colours.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      return box.colours[a][bestChannel] < box.colours[b][bestChannel];
    });
    long total = 0;
    for (int n : box.counts) total += n;
    // Weighted median, but always leave at least one colour on each side.
    size_t cut = 0;
    long seen = 0;
    while (cut + 1 < order.size() && seen + box.counts[order[cut]] <= total / 2) seen += box.counts[order[cut++]];
    cut = std::clamp<size_t>(cut, 1, order.size() - 1);
    Box low, high;
    for (size_t i = 0; i < order.size(); ++i) {
      Box& dst = i < cut ? low : high;
      dst.colours.push_back(box.colours[order[i]]);
      dst.counts.push_back(box.counts[order[i]]);
    }
    boxes[best] = std::move(low);
    boxes.push_back(std::move(high));
  }

  std::map<Rgb, uint8_t> lookup;
  for (size_t b = 0; b < boxes.size(); ++b) {
    long sum[3] = {0, 0, 0}, total = 0;
    for (size_t i = 0; i < boxes[b].colours.size(); ++i) {
      for (int ch = 0; ch < 3; ++ch) sum[ch] += static_cast<long>(boxes[b].colours[i][ch]) * boxes[b].counts[i];
      total += boxes[b].counts[i];
    }
    for (int ch = 0; ch < 3; ++ch) out.palette[b * 3 + ch] = static_cast<uint8_t>((sum[ch] + total / 2) / total);
    for (const Rgb& c : boxes[b].colours) lookup[c] = static_cast<uint8_t>(b);
  }
  for (size_t i = 0; i < out.indices.size(); ++i)
    out.indices[i] = lookup[{image.rgb[i * 3], image.rgb[i * 3 + 1], image.rgb[i * 3 + 2]}];
  return out;
}

}  // namespace art
