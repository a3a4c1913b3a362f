#pragma once
// What the benchmarks make of their samples.
#include <algorithm>
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

}  // namespace bench
