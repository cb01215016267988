#include "report/calculation_run.h"

#include "report/earth_pressure_report.h"
#include "report/other_loads_report.h"
#include "report/self_weight_report.h"

namespace marvoten {

void clearMemberSections(CalculationBook& book) {
    book.clearMemberDesign();
}

void setMemberFigureTitles(const DesignConditions& dc, CalculationBook& book) {
    book.figure(FigureId::ToeReactionFigure).setTitle("図:つま先版地盤反力");
    if (dc.hasShearKey == 1) book.figure(FigureId::KeyFigure).setTitle("図:突起地盤反力");
}

void runCalculation(const DesignConditions& dc, CalculationBook& book, ResultsView& view,
                    const RunStages& stages) {
    if (stages.refused && stages.refused(dc)) return;

    // The window that shows the book hears once, at the end, that every kind of
    // section changed; also when a text that is not a number stops the run.
    struct AnnounceAtEnd {
        CalculationBook& book;
        ~AnnounceAtEnd() { book.announce(BookChange::everything); }
    } announceAtEnd{book};

    view.show(dc.buoyancyInSlab.on);
    view.selectPage(PageId::PageLoads);
    book.resetResultTables();

    TAntei a;
    const SlipLineReach reach = computeStabilityLoads(a, dc);
    setMemberFigureTitles(dc, book);
    if (stages.computeStability) stages.computeStability(a, dc);

    if (stages.writeConditionsPage) stages.writeConditionsPage(a, dc, book, reach.r1);
    writeSelfWeightPages(a, dc, book);
    writeEarthPressureText(a, book);
    writeOtherLoadsText(a, dc, book);
    drawSlipAngleCurve(a, dc, book);
    writeLoadList(a, book);
    if (stages.writeStabilityReport) stages.writeStabilityReport(a, dc, book);
    if (stages.writeLoadDiagram)
        stages.writeLoadDiagram(a, dc, book, reach.r2, a.wallHeight, reach.r1);

    if (a.reactionCase == GroundReactionCase::Incalculable) {
        clearMemberSections(book);
    } else if (stages.designStem) {
        stages.designStem(a, dc, book);
    }

    if (stages.repaintEditor) stages.repaintEditor();
    view.selectPage(PageId::PageEarthPressure);
    view.selectPage(PageId::PageLoads);
}

}  // namespace marvoten
