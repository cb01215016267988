#include "report/calculation_run.h"

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "calc/stem_design.h"
#include "report/conditions_page.h"
#include "report/earth_pressure_report.h"
#include "report/key_report.h"
#include "report/other_loads_report.h"
#include "report/self_weight_report.h"
#include "report/stability_figures.h"
#include "report/stem_report.h"

namespace marvoten {

void setMemberFigureTitles(const DesignConditions& dc, CalculationBook& book) {
    book.figure(FigureId::ToeReactionFigure).setTitle("図:つま先版地盤反力");
    if (dc.hasShearKey == 1) book.figure(FigureId::KeyFigure).setTitle("図:突起地盤反力");
}

void runCalculation(const DesignConditions& dc, const std::string& subjectName,
                    CalculationBook& book, ResultsView& view, StabilityHeadings& headings,
                    PrintedPageLabels& pageLabels) {
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
    computeStability(a);

    writeConditionsPage(a, dc, subjectName, book, pageLabels);
    writeSelfWeightPages(a, dc, book);
    writeEarthPressureText(a, book);
    writeOtherLoadsText(a, dc, book);
    drawSlipAngleCurve(a, dc, book);
    writeLoadList(a, book);
    writeStabilityReport(a, dc, book, headings);
    drawLoadDiagram(a, dc, book, reach.r2, a.wallHeight, reach.r1);

    if (a.reactionCase == GroundReactionCase::Incalculable) {
        book.clearMemberDesign();
    } else {
        const StemDesign stem = designStem(a);
        writeStemPages(a, dc, stem, book);
        // The slabs are designed with the whole-wall earth pressure and section
        // reactions; the toe slab takes the stem's fixed-end moment as its limit.
        restoreWholeWall(a);
        designSlabs(a, dc, book, stem.M0);
        drawStemStressFigure(a, book);
    }

    view.selectPage(PageId::PageEarthPressure);
    view.selectPage(PageId::PageLoads);
}

}  // namespace marvoten
