#pragma once
// The 95th percentile of a benchmark's repetitions, as a Google Benchmark statistic: with one
// iteration a repetition, the percentile of single runs.
#include <algorithm>
#include <cmath>
#include <vector>

inline double Percentile95(const std::vector<double>& values) {
  if (values.empty()) return 0;
  std::vector<double> sorted(values);
  std::sort(sorted.begin(), sorted.end());
  const size_t rank = size_t(std::ceil(0.95 * double(sorted.size())));
  return sorted[std::max<size_t>(rank, 1) - 1];
}
