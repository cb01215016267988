// The desktop tests run on the offscreen platform unless told otherwise, with
// one application object for all of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says on every raise() that it cannot; that is noise.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    standardHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef MARVOTEN_WM_SESSION_SCRIPT
    // The window-manager tests run on the real X platform, each process on a display of
    // its own with a fresh X server and window manager, so that no test inherits what an
    // earlier one left on the screen. MARVOTEN_WM_SCREEN is the screen size,
    // "WIDTHxHEIGHT"; the session script takes a free display and names it.
    const QByteArray size = qgetenv("MARVOTEN_WM_SCREEN");
    if (!size.isEmpty()) {
        static std::string display;
        const std::string script = std::string("bash ") + MARVOTEN_WM_SESSION_SCRIPT;
        if (FILE* started = popen((script + " start " + size.toStdString()).c_str(), "r")) {
            char number[16] = {};
            if (std::fgets(number, sizeof number, started)) display = number;
            if (pclose(started) != 0) display.clear();
        }
        while (!display.empty() && std::isspace(static_cast<unsigned char>(display.back())))
            display.pop_back();
        if (display.empty()) return 3;
        std::atexit([] {
            std::system(
                (std::string("bash ") + MARVOTEN_WM_SESSION_SCRIPT + " stop " + display).c_str());
        });
        qputenv("DISPLAY", QByteArray(":") + display.c_str());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(quietPlatformNotes);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
