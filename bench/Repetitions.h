#pragma once
// How the benchmarks repeat: medians and the 95th percentile over repetitions, as Google
// Benchmark statistics. With one iteration a repetition the percentile is that of single runs.
#include <benchmark/benchmark.h>

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

// Ten repetitions in microseconds, aggregates only (median, mean, spread, p95).
inline void TenRepetitionsInMicroseconds(benchmark::internal::Benchmark* run) {
  run->Unit(benchmark::kMicrosecond)
      ->Repetitions(10)
      ->ComputeStatistics("p95", Percentile95)
      ->ReportAggregatesOnly(true);
}

// Thirty single runs in milliseconds, each timed by the benchmark itself (SetIterationTime);
// a later Repetitions() call changes the count.
inline void SingleRunsInMilliseconds(benchmark::internal::Benchmark* run) {
  run->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(1)
      ->Repetitions(30)
      ->ComputeStatistics("p95", Percentile95)
      ->ReportAggregatesOnly(true);
}
