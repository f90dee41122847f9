#pragma once
// Min and max beside the median, for runs with --benchmark_repetitions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace messung {

inline void spanne(benchmark::internal::Benchmark* b) {
    b->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    b->ComputeStatistics(
        "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

// A fixed iteration count, or 1 in a smoke run (BENCH_PROBELAUF set, as the
// tests run every benchmark once): it shows that the benchmark still runs.
inline int mal(int n) {
    return std::getenv("BENCH_PROBELAUF") ? 1 : n;
}

} // namespace messung
