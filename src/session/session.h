#pragma once
// One design session as the program holds it from start to end: the editor with
// the current design conditions, the one calculation book, the results window's
// state, the printed page layouts, the verdict headings and printed page labels a
// run leaves behind, and the work folder.
#include <filesystem>
#include <string>
#include <vector>

#include "book/calculation_book.h"
#include "book/results_view.h"
#include "calc/search_limit.h"
#include "model/design_conditions_editor.h"
#include "output/output_command.h"
#include "output/printed_pages.h"
#include "platform/dialogs.h"
#include "report/printed_layout.h"
#include "report/stability_report.h"

namespace marvoten {

struct Session {
    explicit Session(Dialogs& dialogs);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The window's own follow-up of an editor change, after the session's: the
    // results window's key page and its hiding follow the editor here.
    EditorListener onEditorChange;

    Dialogs& dialogs;
    DesignConditionsEditor editor;
    CalculationBook book;
    ResultsView view{book};
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;
    // The printed page layouts, refilled from the book whenever they are shown.
    PrintedBook printedBook{book};
    // Where the file dialogs open and the outputs are written: the process's current
    // folder when the session starts, then the folder of each design file the user
    // chooses. The process's own current folder is never changed. Empty when the
    // process's folder could not be read: names are then taken as they are.
    std::filesystem::path workFolder;
};

// "1.設計条件読込..." and "2.設計条件保存...": a file dialog in the work folder; the
// chosen file's folder becomes the work folder, then the file is read or written with
// the editor's messages. Cancelling changes nothing.
void loadDesignFileCommand(Session& session);
void saveDesignFileCommand(Session& session);
// A design file chosen without the dialog (named when the program starts, dropped on
// its window): taken from the work folder when its name is relative, loaded as past
// the dialog, and its folder becomes the work folder. True when it was read to its end.
bool openDesignFile(Session& session, const std::string& chosen);

enum class RunOutcome {
    Completed,  // the book holds the run's results (verdicts "不可"/"NO" included)
    Refused,    // validation refused the run; the book is untouched
    Stopped,    // a design text is not a number, or a search did not end; the message was shown
    Cancelled,  // the user answered No to the question before the run
};

// The message of a run that ended because one of its searches reached its limit.
std::string searchStoppedMessage(Search search);

// The menu command "1.計算開始": validation, then the whole run into the book.
RunOutcome runCalculationCommand(Session& session);
// The editor's "計算開始": hides the results window, asks the question, and on Yes
// runs as the menu command does (the checks are made once, by the run).
RunOutcome startCalculationFromEditor(Session& session);

// Ending the program: by "3.終了..." or the "終了" button, or by the window's frame
// (its close button, Alt+F4). A design changed since it was last loaded or saved is
// offered for saving first (取消 keeps the program open; a save that is cancelled or
// fails keeps it open too). Otherwise the command asks "終了しますか。" and the frame
// closes at once. True when the program may end.
enum class ExitRequest { Command, Frame };
bool mayExit(Session& session, ExitRequest request);
inline constexpr const char* saveBeforeExitQuestion =
    "設計条件が変更されています。\r\r終了する前に保存しますか。";

enum class OutputKind { Text, PdfBook, Metafiles, SvgFiles };

// The output commands of the session's book into `folder`, for the wall as the
// editor has it now, run as one: every question first, then every file in one
// batch. True when every output was written.
bool writeOutputs(Session& session, const std::vector<OutputKind>& kinds,
                  const std::filesystem::path& folder);
// An output command of the menus: into the work folder.
bool runOutputCommand(Session& session, OutputKind kind);

}  // namespace marvoten
