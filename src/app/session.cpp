#include "session.h"

#include "platform/number_text.h"
#include "report/anchorage_report.h"
#include "report/calculation_run.h"
#include "report/whole_run.h"

namespace marvoten {

Session::Session(Dialogs& d) : dialogs(d), editor(d) {
    book.setShearKeyShown(editor.shearKeyResultPageShown());
    writeAnchorageTermPlaceholders(book);
    editor.setListener([this](const EditorChange& change) {
        if (change.has(EditorChange::Visibility)) book.setShearKeyShown(editor.shearKeyResultPageShown());
        if (change.has(EditorChange::HideResults)) view.hide();
        if (onEditorChange) onEditorChange(change);
    });
}

RunOutcome runCalculationCommand(Session& s) {
    bool refused = false;
    try {
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
