#include "report/calculation_run.h"

#include "report/conditions_page.h"
#include "report/earth_pressure_report.h"
#include "report/key_report.h"
#include "report/other_loads_report.h"
#include "report/self_weight_report.h"
#include "report/stability_figures.h"
#include "report/stem_report.h"
#include "report/toe_report.h"

namespace marvoten {

void setMemberFigureTitles(const DesignConditions& dc, CalculationBook& book) {
    book.figure(FigureId::ToeReactionFigure).setTitle("図:つま先版地盤反力");
    if (dc.hasShearKey == 1) book.figure(FigureId::KeyFigure).setTitle("図:突起地盤反力");
}

void writeCalculationBook(const DesignRun& run, const DesignConditions& dc,
                          const std::string& subjectName, CalculationBook& book,
                          StabilityHeadings& headings, PrintedPageLabels& pageLabels) {
    const TAntei& a = run.a;
    const PolygonResult& wallBody = run.polygons.wallBody();
    writeConditionsPage(a, wallBody, dc, subjectName, book, pageLabels);
    writeSelfWeightPages(a, run.polygons, dc, book);
    writeEarthPressureText(a, book);
    writeOtherLoadsText(a, dc, book);
    drawSlipAngleCurve(run.slipCurve, a, dc, book);
    writeLoadList(a, book);
    writeStabilityReport(a, run.verdicts, wallBody, dc, book, headings);
    drawLoadDiagram(a, wallBody, dc, book, run.reach.r2, a.wallHeight, run.reach.r1);

    if (!run.members) {
        book.clearMemberDesign();
        return;
    }
    const MemberDesign& m = *run.members;
    writeStemPages(a, wallBody, dc, m.stem, book);
    writeToeReport(m.toe, a, wallBody, dc, book);
    writeKeyReport(m.key, m.toe, a, wallBody, dc, book);
    // The stem's bar figure is labelled from the stem's stress table.
    drawStemStressFigure(a, wallBody, book);
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

    const DesignRun run = runStages(dc);
    setMemberFigureTitles(dc, book);
    writeCalculationBook(run, dc, subjectName, book, headings, pageLabels);

    view.selectPage(PageId::PageEarthPressure);
    view.selectPage(PageId::PageLoads);
}

}  // namespace marvoten
