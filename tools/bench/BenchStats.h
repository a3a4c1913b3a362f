#pragma once
// What the benchmarks make of their samples.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace bench {

// The middle sample (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0.0;
  const std::size_t middle = samples.size() / 2;
  std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(middle),
                   samples.end());
  return samples[middle];
}

// The nearest-rank percentile (0 < p <= 100); 0 for no samples.
inline double Percentile(std::vector<double> samples, double p) {
  if (samples.empty()) return 0.0;
  std::sort(samples.begin(), samples.end());
  std::size_t rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(samples.size())));
  rank = std::min(std::max<std::size_t>(rank, 1), samples.size());
  return samples[rank - 1];
}

}  // namespace bench
