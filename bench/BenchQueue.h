#pragma once
// The queue the benchmarks that print use: CORVEL_BENCH_QUEUE, else Corvel (the queue
// scripts/bench adds to its private cupsd).
#include <cstdlib>
#include <string>

inline std::string BenchQueue() {
  const char* queue = std::getenv("CORVEL_BENCH_QUEUE");
  return queue ? queue : "Corvel";
}
