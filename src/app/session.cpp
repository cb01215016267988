#include "session.h"

#include <stdexcept>

#include "output/figure_files.h"
#include "output/pdf_book.h"
#include "output/text_output.h"
#include "platform/number_text.h"
#include "report/anchorage_report.h"
#include "report/calculation_run.h"
#include "report/whole_run.h"

namespace marvoten {

Session::Session(Dialogs& d) : dialogs(d), editor(d) {
    book.setShearKeyShown(editor.shearKeyResultPageShown());
    writeAnchorageTermPlaceholders(book);
    editor.setListener([this](const EditorChange& change) {
        if (change.has(EditorChange::Visibility))
            book.setShearKeyShown(editor.shearKeyResultPageShown());
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

namespace {

OutputCommand outputCommand(const Session& s, OutputKind kind,
                            const std::filesystem::path& folder) {
    const bool hasShearKey = s.editor.conditions().hasShearKey == 1;
    switch (kind) {
        case OutputKind::Text:
            return textOutputCommand(s.book, hasShearKey, folder);
        case OutputKind::PdfBook:
            return pdfBookCommand(s.book, s.editor.state().subjectName, hasShearKey, folder);
        case OutputKind::Metafiles:
            return figureFilesCommand(s.book, hasShearKey, folder, FigureFileFormat::Metafile);
        case OutputKind::SvgFiles:
            return figureFilesCommand(s.book, hasShearKey, folder, FigureFileFormat::Svg);
    }
    throw std::logic_error("unknown output");
}

}  // namespace

bool writeOutputs(Session& s, const std::vector<OutputKind>& kinds,
                  const std::filesystem::path& folder) {
    std::vector<OutputCommand> commands;
    for (OutputKind kind : kinds) commands.push_back(outputCommand(s, kind, folder));
    return runOutputCommands(commands, s.dialogs);
}

}  // namespace marvoten
