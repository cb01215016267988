// The stability-side loads of one run on the start values: input gathering, body
// weight, the trial-wedge search, front soil, passive pressure, water, buoyancy
// and the totals, on a fresh calculation object each time.
#include <benchmark/benchmark.h>

#include "calc/stability_loads.h"

namespace {

void StabilityLoadsOfTheStartValues(benchmark::State& state) {
    const marvoten::DesignConditions dc;
    for (auto _ : state) {
        marvoten::TAntei a;
        benchmark::DoNotOptimize(marvoten::computeStabilityLoads(a, dc));
        benchmark::DoNotOptimize(a.sumMo);
    }
}
BENCHMARK(StabilityLoadsOfTheStartValues)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
