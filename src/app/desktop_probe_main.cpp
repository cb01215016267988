// A helper beside the desktop program for the build: it starts the same windows
// and either
//   marvoten-probe screenshots DIR [DESIGN.dat]   runs the start values (or the
//       design file) and writes PNG pictures of the windows into DIR, or
//   marvoten-probe startup                        prints "shown" the moment the
//       main window is first shown, and ends (the start-up benchmark times it), or
//   marvoten-probe caption DESIGN.dat              starts on the design file as
//       "marvoten DESIGN.dat" does and prints the editor's caption after the load.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <iostream>

#include "ui/desktop.h"
#include "ui/qt_dialogs.h"
#include "ui/screenshots.h"

namespace {

// Every question answered Yes, every message written to standard error: the
// probe runs without anybody at the screen.
class UnattendedDialogs : public marvoten::Dialogs {
public:
    bool confirm(const std::string&) override { return true; }
    void message(marvoten::MessageKind, const std::string& text) override {
        std::cerr << marvoten::messageText(text).toStdString() << "\n";
    }
    std::optional<std::string> chooseFileToOpen(const marvoten::FileChoiceRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const marvoten::FileChoiceRequest&) override {
        return std::nullopt;
    }
};

// The start-up completes once the main window stands on the screen; the editor comes
// up with it.
void waitForStartUp(marvoten::Desktop& desktop) {
    marvoten::ShellWindow* editor = desktop.window(marvoten::WindowId::Editor);
    QElapsedTimer waited;
    waited.start();
    while (editor && !editor->widget().isVisible() && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

int usage() {
    std::cerr << "使い方: marvoten-probe screenshots DIR [DESIGN.dat] | marvoten-probe startup | "
                 "marvoten-probe caption DESIGN.dat\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool known = !args.isEmpty() &&
                       (args[0] == "startup" || args[0] == "screenshots" || args[0] == "caption");
    if (!known || (args[0] != "startup" && args.size() < 2)) return usage();
    UnattendedDialogs dialogs;
    marvoten::WindowRegistry registry;
    marvoten::registerWindows(registry);
    marvoten::Desktop desktop(dialogs, registry);
    if (args[0] == "startup") {
        desktop.mainWindow().setFirstShowHandler([] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        });
        desktop.start();
        return app.exec();
    }
    if (args[0] == "caption") {
        desktop.start(args[1].toStdString());
        waitForStartUp(desktop);
        // The start-up queued the load before this, so it has run when this prints.
        QTimer::singleShot(0, [&desktop] {
            marvoten::ShellWindow* editor = desktop.window(marvoten::WindowId::Editor);
            std::cout << (editor ? editor->widget().windowTitle().toStdString() : "") << "\n";
            QApplication::quit();
        });
        return app.exec();
    }
    desktop.start();
    waitForStartUp(desktop);
    if (args.size() > 2 && !desktop.session().editor.loadDesignFileFrom(args[2].toStdString()))
        return 1;
    if (desktop.runCalculation() != marvoten::RunOutcome::Completed) return 1;
    for (const auto& file : marvoten::writeScreenshots(desktop, args[1].toStdString()))
        std::cout << file.string() << "\n";
    return 0;
}
