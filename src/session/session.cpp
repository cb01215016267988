#include "session/session.h"

#include <stdexcept>

#include "calc/search_limit.h"
#include "output/figure_files.h"
#include "output/pdf_book.h"
#include "output/text_output.h"
#include "platform/number_text.h"
#include "platform/utf8_path.h"
#include "report/anchorage_report.h"
#include "report/calculation_run.h"

namespace marvoten {

Session::Session(Dialogs& d) : dialogs(d), editor(d) {
    std::error_code ec;
    workFolder = std::filesystem::current_path(ec);
    if (ec) workFolder.clear();
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

std::string searchStoppedMessage(Search search) {
    const char* what = "";
    switch (search) {
        case Search::SlipAngle:
            what = "試行くさび法のすべり角";
            break;
        case Search::SlipAngleCurve:
            what = "すべり角と土圧の関係図";
            break;
        case Search::Anchorage:
            what = "たて壁鉄筋の定着長";
            break;
        case Search::StemCurve:
            what = "たて壁の断面の計算";
            break;
        case Search::NeutralAxis:
            what = "必要鉄筋量の中立軸";
            break;
        case Search::BearingSlipLine:
            what = "支持力係数のすべり線";
            break;
    }
    return std::string("計算を中止しました。\r") + what +
           "の探索が終わりません。\r\r設計条件を確認して、訂正して下さい。";
}

RunOutcome runCalculationCommand(Session& s) {
    try {
        switch (s.editor.check()) {
            case Verdict::Refused:
                return RunOutcome::Refused;
            case Verdict::NotANumber:
                return RunOutcome::Stopped;  // the message named the field
            case Verdict::Passed:
                break;
        }
        runCalculation(s.editor.conditions(), s.editor.state().subjectName, s.book, s.view,
                       s.headings, s.pageLabels);
    } catch (const ConversionError& e) {
        s.dialogs.message(MessageKind::Error, e.what());
        return RunOutcome::Stopped;
    } catch (const SearchLimitExceeded& e) {
        s.dialogs.message(MessageKind::Error, searchStoppedMessage(e.search()));
        return RunOutcome::Stopped;
    }
    return RunOutcome::Completed;
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

namespace {

FileChoiceRequest designFileRequest(const Session& s, bool saving) {
    return {utf8FromPath(s.workFolder), "dat|*.dat", "dat", saving};
}

// The chosen file as a whole path; its folder becomes the work folder, named as the
// system names it (links resolved), when it is a folder that can be read.
std::filesystem::path followChosenFile(Session& s, const std::string& chosen) {
    const std::filesystem::path path = s.workFolder / pathFromUtf8(chosen);
    if (path.has_parent_path()) {
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::canonical(path.parent_path(), ec);
        if (!ec && std::filesystem::is_directory(folder, ec)) s.workFolder = folder;
    }
    return path;
}

}  // namespace

void loadDesignFileCommand(Session& s) {
    const auto chosen = s.dialogs.chooseFileToOpen(designFileRequest(s, false));
    if (!chosen) return;
    s.editor.loadDesignFileFrom(followChosenFile(s, *chosen));
}

void saveDesignFileCommand(Session& s) {
    const auto chosen = s.dialogs.chooseFileToSave(designFileRequest(s, true));
    if (!chosen) return;
    s.editor.saveDesignFileTo(followChosenFile(s, *chosen));
}

bool openDesignFile(Session& s, const std::string& chosen) {
    return s.editor.loadDesignFileFrom(followChosenFile(s, chosen));
}

bool runOutputCommand(Session& s, OutputKind kind) {
    return writeOutputs(s, {kind}, s.workFolder);
}

RunOutcome startCalculationFromEditor(Session& s) {
    if (!s.editor.confirmCalculationStart()) return RunOutcome::Cancelled;
    return runCalculationCommand(s);
}

bool mayExit(Session& s, ExitRequest request) {
    if (s.editor.modified()) {
        switch (s.dialogs.askToSave(saveBeforeExitQuestion)) {
            case SaveChoice::Save:
                saveDesignFileCommand(s);
                return !s.editor.modified();
            case SaveChoice::Discard:
                return true;
            case SaveChoice::Cancel:
                return false;
        }
    }
    return request == ExitRequest::Frame || s.dialogs.confirmAt("終了しますか。", 0, 82);
}

}  // namespace marvoten
