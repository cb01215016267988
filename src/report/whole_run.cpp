#include "report/whole_run.h"

#include "calc/ground_reaction.h"
#include "report/conditions_page.h"
#include "report/key_report.h"
#include "report/stability_figures.h"
#include "report/stem_report.h"

namespace marvoten {

RunStages wholeRunStages(std::string subjectName, StabilityHeadings& headings,
                         PrintedPageLabels& pageLabels) {
    RunStages stages;
    stages.computeStability = [](TAntei& a, const DesignConditions& dc) {
        computeStability(a, dc);
    };
    stages.writeConditionsPage = [subjectName = std::move(subjectName), &pageLabels](
                                     const TAntei& a, const DesignConditions& dc,
                                     CalculationBook& book, double) {
        writeConditionsPage(a, dc, subjectName, book, pageLabels);
    };
    stages.writeStabilityReport = [&headings](TAntei& a, const DesignConditions& dc,
                                              CalculationBook& book) {
        writeStabilityReport(a, dc, book, headings);
    };
    stages.writeLoadDiagram = [](const TAntei& a, const DesignConditions& dc, CalculationBook& book,
                                 double r2, double H,
                                 double r1) { drawLoadDiagram(a, dc, book, r2, H, r1); };
    // The stem design hands the toe slab and the shear key their turn once the
    // whole-wall loads are restored.
    stages.designStem = [](TAntei& a, const DesignConditions& dc, CalculationBook& book) {
        designStemAndSlabs(a, dc, book, designSlabs);
    };
    return stages;
}

}  // namespace marvoten
