// The parameter study and the sizing search: designs per second of the
// compute-only evaluation on every core, over the start values' neighbourhood
// (toe width × base thickness), and the time of one sizing with the default free
// fields. Targets on a 2-core machine: 4,000 designs/s, sizing within 2 s.
#include <benchmark/benchmark.h>

#include "study/parameter_study.h"
#include "study/sizing.h"

namespace {

using namespace marvoten;

VariedField varied(const char* text) {
    return std::get<VariedField>(parseVariedField(text));
}

void EvaluationsOnEveryCore(benchmark::State& state) {
    std::vector<DesignConditions> designs;
    for (const StudyDesign& d :
         studyDesigns(DesignConditions{},
                      {varied("toeWidth=2500:4500:50"), varied("baseThickness=500:900:50")}))
        designs.push_back(d.conditions);
    for (auto _ : state) benchmark::DoNotOptimize(evaluateDesigns(designs));
    state.counters["designs/s"] = benchmark::Counter(
        static_cast<double>(designs.size() * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(EvaluationsOnEveryCore)->Unit(benchmark::kMillisecond)->UseRealTime();

void SizingWithTheDefaultFreeFields(benchmark::State& state) {
    DesignConditions d;
    d.sigmaCa.text = "9";
    for (auto _ : state) benchmark::DoNotOptimize(sizeDesign(d, defaultFreeFields()));
}
BENCHMARK(SizingWithTheDefaultFreeFields)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
