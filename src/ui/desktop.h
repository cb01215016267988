#pragma once
// The desktop program: one design session, the main window and every registered
// window, created once at start-up in a fixed order, and the commands of the
// menus and toolbars.
//
//   QtDialogs dialogs;
//   WindowRegistry registry;
//   registerWindows(registry);
//   Desktop desktop(dialogs, registry);
//   desktop.start();
#include <QPrinter>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "session/session.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"

namespace marvoten {

class Desktop {
public:
    Desktop(Dialogs& dialogs, const WindowRegistry& registry);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    Session& session() { return session_; }
    Dialogs& dialogs() { return dialogs_; }
    // The one printer of every printed page; the printer choice changes it.
    QPrinter& printer() { return *printer_; }
    MainWindow& mainWindow() { return *mainWindow_; }
    // A registered window, or null.
    ShellWindow* window(WindowId id) { return windows_[static_cast<std::size_t>(id)].get(); }
    template <class W>
    W* windowAs(WindowId id) {
        return dynamic_cast<W*>(window(id));
    }

    // Shows the main window maximised; its first show completes the start-up. A design
    // file named at start (the file manager's "open with") is loaded right after it.
    void start(std::optional<std::string> designFile = std::nullopt);
    // Loads a design file as "1.設計条件読込..." does past its dialog, with its
    // messages; a file that cannot be read leaves the design as it was.
    void openDesignFile(const std::string& file);
    // A menu or toolbar command.
    void perform(Command command);
    // Runs `action` as a user's command: an unexpected error shows a message box
    // naming it, and the design and the book are put back as they were.
    void guard(const std::function<void()>& action);

    // "1.計算開始" from the menu, and "計算開始" of the editor after its question.
    RunOutcome runCalculation();
    RunOutcome startCalculationFromEditor();

private:
    void completeStartUp();
    void dispatch(Command command);
    void followEditor(const EditorChange& change);
    void applyVisibilityRules();
    void exitWithConfirmation();
    bool mayCloseFromFrame();
    void bringResultsForward(RunOutcome outcome);
    void choosePrinter();
    void writeOutput(Command command);

    Dialogs& dialogs_;
    Session session_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::array<std::unique_ptr<ShellWindow>, windowCount> windows_;
    std::optional<std::string> designFileAtStart_;
};

// Installs Qt's Japanese translations once; false where Qt has none installed.
bool loadJapaneseQtTranslations();

// The text of the box a command of a window not yet built shows.
inline constexpr const char* notYetAvailableText = "この機能はまだ用意されていません。";

}  // namespace marvoten
