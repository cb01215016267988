// The stem design of one run on the start values, after the stability loads:
// fixed-end forces and bars, the anchorage search at every 0.01 m, the quarter
// points and the anchorage curves. With the back-calculated coefficient
// (stemPressureMethod 1) only the fixed end runs the trial wedge; with the trial
// wedge at every section (0) the search runs one wedge per step.
#include <benchmark/benchmark.h>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "calc/stem_design.h"

namespace {

void StemDesignOfTheStartValues(benchmark::State& state) {
    marvoten::DesignConditions dc;
    dc.stemPressureMethod = static_cast<int>(state.range(0));
    marvoten::TAntei loaded;
    marvoten::computeStabilityLoads(loaded, dc);
    marvoten::computeStability(loaded);
    for (auto _ : state) {
        marvoten::TAntei a = loaded;
        const marvoten::StemDesign s = marvoten::designStem(a);
        benchmark::DoNotOptimize(s.anchorage);
        benchmark::DoNotOptimize(s.quarterPoints);
    }
}
BENCHMARK(StemDesignOfTheStartValues)
    ->ArgName("stemPressureMethod")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
