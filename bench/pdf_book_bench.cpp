// The PDF book of the start values after a whole run. Timed: laying out the pages
// and writing the file's bytes in memory.
#include <benchmark/benchmark.h>

#include "book/results_view.h"
#include "output/pdf_book.h"
#include "report/calculation_run.h"

namespace {

using namespace marvoten;

CalculationBook fullBook() {
    CalculationBook book;
    ResultsView view(book);
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;
    runCalculation(DesignConditions{}, "擁壁試験", book, view, headings, pageLabels);
    return book;
}

void PdfBookOfTheStartValues(benchmark::State& state) {
    const CalculationBook book = fullBook();
    const Clock clock = [] { return std::string("20261210150000"); };
    for (auto _ : state) benchmark::DoNotOptimize(pdfBookBytes(book, "擁壁試験", false, clock));
}
BENCHMARK(PdfBookOfTheStartValues)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
