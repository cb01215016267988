#include "ui/desktop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <filesystem>

#include "ui/painter_canvas.h"
#include "ui/printer_choice_dialog.h"
#include "ui/window_placement.h"

namespace marvoten {

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// Qt's own dialogs (print, preview, file choice) in Japanese, from the translations
// Qt ships; where they are not installed the dialogs stay as Qt has them.
bool loadJapaneseQtTranslations() {
    static QTranslator translator;
    static const bool loaded =
        translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&translator);
    return loaded;
}

Desktop::Desktop(Dialogs& dialogs, const WindowRegistry& registry)
    : dialogs_(dialogs), session_(dialogs) {
    loadJapaneseQtTranslations();
    QApplication::setApplicationName(applicationTitle);
    QApplication::setFont(japaneseUiFont());
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QApplication::style()->standardIcon(QStyle::SP_DesktopIcon));
    printer_ = std::make_unique<QPrinter>();
    mainWindow_ = std::make_unique<MainWindow>();
    for (int i = 0; i < windowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (const WindowFactory& make = registry.factory(id)) windows_[i] = make(*this);
    }
    mainWindow_->setCommandHandler([this](Command c) { perform(c); });
    mainWindow_->setFirstShowHandler([this] { guard([this] { completeStartUp(); }); });
    mainWindow_->setCloseHandler([this] { return mayCloseFromFrame(); });
    mainWindow_->setDesignFileDropHandler(
        [this](const std::string& file) { openDesignFile(file); });
    session_.onEditorChange = [this](const EditorChange& change) { followEditor(change); };
}

// The windows go before the main window, whose children some of them are.
Desktop::~Desktop() {
    for (auto& w : windows_) w.reset();
}

void Desktop::start(std::optional<std::string> designFile) {
    designFileAtStart_ = std::move(designFile);
    mainWindow_->showMaximized();
}

void Desktop::openDesignFile(const std::string& file) {
    guard([this, &file] {
        marvoten::openDesignFile(session_, file);
        applyVisibilityRules();
    });
}

void Desktop::completeStartUp() {
    setToolbarWindow(mainWindow_.get());
    mainWindow_->applyFirstShowState();
    for (auto& w : windows_)
        if (w) w->startUp();
    if (ShellWindow* editor = window(WindowId::Editor)) showInFront(editor->widget());
    applyVisibilityRules();
    // The file is loaded once the windows are up, so that its message stands over them.
    if (designFileAtStart_)
        QTimer::singleShot(0, mainWindow_.get(), [this] { openDesignFile(*designFileAtStart_); });
}

void Desktop::followEditor(const EditorChange& change) {
    if (change.has(EditorChange::Visibility))
        mainWindow_->setShearKeyEntryShown(session_.editor.shearKeyPreviewEntryShown());
    for (auto& w : windows_)
        if (w) w->followEditor(change);
}

void Desktop::applyVisibilityRules() {
    session_.book.setShearKeyShown(session_.editor.shearKeyResultPageShown());
    followEditor(EditorChange{EditorChange::Visibility});
}

void Desktop::guard(const std::function<void()>& action) {
    const auto editorBefore = session_.editor.snapshot();
    const CalculationBook bookBefore = session_.book;
    try {
        action();
        return;
    } catch (const std::exception& e) {
        session_.book = bookBefore;
        session_.book.announce(BookChange::everything);
        session_.editor.restore(editorBefore);
        dialogs_.message(MessageKind::Error,
                         std::string("予期しないエラーが発生しました。\r") + e.what());
    } catch (...) {
        session_.book = bookBefore;
        session_.book.announce(BookChange::everything);
        session_.editor.restore(editorBefore);
        dialogs_.message(MessageKind::Error, "予期しないエラーが発生しました。");
    }
}

void Desktop::perform(Command command) {
    guard([this, command] { dispatch(command); });
}

void Desktop::dispatch(Command command) {
    if (const auto id = commandWindow(command)) {
        if (ShellWindow* w = window(*id))
            w->perform(command);
        else
            dialogs_.message(MessageKind::Information, notYetAvailableText);
        return;
    }
    switch (command) {
        case Command::LoadDesign:
            loadDesignFileCommand(session_);
            applyVisibilityRules();
            break;
        case Command::SaveDesign:
            saveDesignFileCommand(session_);
            break;
        case Command::Exit:
            exitWithConfirmation();
            break;
        case Command::PrinterSetup:
            choosePrinter();
            break;
        case Command::TextOutput:
        case Command::MetafileOutput:
        case Command::PdfOutput:
            writeOutput(command);
            break;
        case Command::RunCalculation:
            runCalculation();
            break;
        default:
            dialogs_.message(MessageKind::Information, notYetAvailableText);
    }
}

// A run ends with its results in front, the keyboard on them.
RunOutcome Desktop::runCalculation() {
    const RunOutcome outcome = runCalculationCommand(session_);
    bringResultsForward(outcome);
    return outcome;
}

void Desktop::bringResultsForward(RunOutcome outcome) {
    ShellWindow* results = window(WindowId::Results);
    if (outcome == RunOutcome::Completed && results && results->widget().isVisible())
        showInFront(results->widget());
}

RunOutcome Desktop::startCalculationFromEditor() {
    const RunOutcome outcome = marvoten::startCalculationFromEditor(session_);
    bringResultsForward(outcome);
    return outcome;
}

void Desktop::exitWithConfirmation() {
    if (mayExit(session_, ExitRequest::Command)) mainWindow_->closeAsked();
}

// An unexpected error while asking keeps the program open with the design as it was.
bool Desktop::mayCloseFromFrame() {
    bool may = false;
    guard([&] { may = mayExit(session_, ExitRequest::Frame); });
    return may;
}

// The printer chosen is the one every printed page uses.
void Desktop::choosePrinter() {
    PrinterChoiceDialog dialog(*printer_, dialogs_, mainWindow_.get());
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.exec();
}

// The outputs go into the session's work folder, which a chosen design file sets;
// the session's output commands ask, write and report as the command line's do.
void Desktop::writeOutput(Command command) {
    const OutputKind kind = command == Command::TextOutput       ? OutputKind::Text
                            : command == Command::MetafileOutput ? OutputKind::Metafiles
                                                                 : OutputKind::PdfBook;
    runOutputCommand(session_, kind);
}

}  // namespace marvoten
