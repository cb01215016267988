#include "session.h"

#include "calc/ground_reaction.h"
#include "platform/number_text.h"
#include "report/calculation_run.h"
#include "report/conditions_page.h"
#include "report/key_report.h"
#include "report/stability_figures.h"
#include "report/stem_report.h"

namespace marvoten {

Session::Session(Dialogs& d) : dialogs(d), editor(d) {
    book.setShearKeyShown(editor.shearKeyResultPageShown());
}

namespace {

RunStages runStages(Session& s, bool& refused) {
    RunStages stages;
    stages.refused = [&s, &refused](const DesignConditions&) {
        refused = s.editor.validate();
        return refused;
    };
    stages.computeStability = [](TAntei& a, const DesignConditions& dc) { computeStability(a, dc); };
    stages.writeConditionsPage = [&s](const TAntei& a, const DesignConditions& dc,
                                      CalculationBook& book, double) {
        writeConditionsPage(a, dc, s.editor.state().subjectName, book, s.pageLabels);
    };
    stages.writeStabilityReport = [&s](TAntei& a, const DesignConditions& dc, CalculationBook& book) {
        writeStabilityReport(a, dc, book, s.headings);
    };
    stages.writeLoadDiagram = [](const TAntei& a, const DesignConditions& dc, CalculationBook& book,
                                 double r2, double H, double r1) {
        drawLoadDiagram(a, dc, book, r2, H, r1);
    };
    // The stem design hands the toe slab and the shear key their turn once the
    // whole-wall loads are restored.
    stages.designStem = [](TAntei& a, const DesignConditions& dc, CalculationBook& book) {
        designStemAndSlabs(a, dc, book, designSlabs);
    };
    return stages;
}

}  // namespace

RunOutcome runCalculationCommand(Session& s) {
    bool refused = false;
    try {
        s.book.setShearKeyShown(s.editor.shearKeyResultPageShown());
        runCalculation(s.editor.conditions(), s.book, s.view, runStages(s, refused));
    } catch (const ConversionError& e) {
        s.dialogs.message(MessageKind::Error, e.what());
        return RunOutcome::Stopped;
    }
    return refused ? RunOutcome::Refused : RunOutcome::Completed;
}

}  // namespace marvoten
