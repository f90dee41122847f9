#pragma once
// Min and max beside the median, for runs with --benchmark_repetitions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace messung {

inline void spanne(benchmark::internal::Benchmark* b) {
    b->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    b->ComputeStatistics(
        "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

} // namespace messung
