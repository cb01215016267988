// The PDF book of the start values: the calculation run fills what it writes, and
// every text block it leaves empty gets the earth-pressure page's lines, every
// empty figure the slip-angle curve, so that all thirteen pages (shear key
// included) are about as full as a real book. Timed: laying out the pages and
// writing the file's bytes in memory.
#include <benchmark/benchmark.h>

#include "book/results_view.h"
#include "output/pdf_book.h"
#include "report/calculation_run.h"

namespace {

using namespace marvoten;

CalculationBook fullBook() {
    CalculationBook book;
    ResultsView view(book);
    runCalculation(DesignConditions{}, book, view);
    const TextBlock lines = book.text(TextId::EarthPressureText).upper();
    for (std::size_t i = 0; i < textSectionCount; ++i) {
        TextSection& t = book.text(static_cast<TextId>(i));
        for (int b = 0; b < t.blockCount(); ++b)
            if (t.block(b).lineCount() == 0)
                for (const std::string& l : lines.lines()) t.block(b).addLine(l);
    }
    const FigureSeries curve = book.figure(FigureId::EarthPressureFigure).series(1);
    for (std::size_t i = 0; i < figureSectionCount; ++i) {
        FigureSection& f = book.figure(static_cast<FigureId>(i));
        if (f.series(1).pointCount() == 0)
            for (const FigurePoint& p : curve.points()) f.series(1).addPoint(p.x, p.y, "0.00kN");
    }
    return book;
}

void PdfBookOfTheStartValues(benchmark::State& state) {
    const CalculationBook book = fullBook();
    const Clock clock = [] { return std::string("20261210150000"); };
    for (auto _ : state) benchmark::DoNotOptimize(pdfBookBytes(book, "擁壁試験", true, clock));
}
BENCHMARK(PdfBookOfTheStartValues)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
