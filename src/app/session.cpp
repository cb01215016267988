#include "session.h"

#include "platform/number_text.h"
#include "report/calculation_run.h"
#include "report/whole_run.h"

namespace marvoten {

Session::Session(Dialogs& d) : dialogs(d), editor(d) {
    book.setShearKeyShown(editor.shearKeyResultPageShown());
}

RunOutcome runCalculationCommand(Session& s) {
    bool refused = false;
    try {
        s.book.setShearKeyShown(s.editor.shearKeyResultPageShown());
        RunStages stages = wholeRunStages(s.editor.state().subjectName, s.headings, s.pageLabels);
        stages.refused = [&s, &refused](const DesignConditions&) {
            refused = s.editor.validate();
            return refused;
        };
        runCalculation(s.editor.conditions(), s.book, s.view, stages);
    } catch (const ConversionError& e) {
        s.dialogs.message(MessageKind::Error, e.what());
        return RunOutcome::Stopped;
    }
    return refused ? RunOutcome::Refused : RunOutcome::Completed;
}

}  // namespace marvoten
