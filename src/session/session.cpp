#include "session/session.h"

#include "platform/number_text.h"
#include "report/anchorage_report.h"
#include "report/calculation_run.h"
#include "report/whole_run.h"

namespace marvoten {

Session::Session(Dialogs& d) : dialogs(d), editor(d) {
    book.setShearKeyShown(editor.shearKeyResultPageShown());
    writeAnchorageTermPlaceholders(book);
    editor.setListener([this](const EditorChange& change) {
        if (change.has(EditorChange::Visibility)) {
            book.setShearKeyShown(editor.shearKeyResultPageShown());
            // The slab pages show their plain numbers again until the next run.
            pageLabels = PrintedPageLabels{};
        }
        if (change.has(EditorChange::HideResults)) view.hide();
        if (onEditorChange) onEditorChange(change);
    });
}

RunOutcome runCalculationCommand(Session& s) {
    Verdict verdict = Verdict::Passed;
    try {
        RunStages stages = wholeRunStages(s.editor.state().subjectName, s.headings, s.pageLabels);
        stages.refused = [&s, &verdict](const DesignConditions&) {
            verdict = s.editor.check();
            return verdict != Verdict::Passed;
        };
        runCalculation(s.editor.conditions(), s.book, s.view, stages);
    } catch (const ConversionError& e) {
        s.dialogs.message(MessageKind::Error, e.what());
        return RunOutcome::Stopped;
    }
    switch (verdict) {
        case Verdict::Refused:
            return RunOutcome::Refused;
        case Verdict::NotANumber:
            return RunOutcome::Stopped;  // the message named the field
        default:
            return RunOutcome::Completed;
    }
}

RunOutcome startCalculationFromEditor(Session& s) {
    if (!s.editor.confirmCalculationStart()) return RunOutcome::Cancelled;
    return runCalculationCommand(s);
}

}  // namespace marvoten
