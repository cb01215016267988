// The desktop tests run on the offscreen platform unless told otherwise, with
// one application object for all of them.
#include <gtest/gtest.h>

#include <QApplication>
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
    // earlier one left on the screen.
    // MARVOTEN_WM_SCREEN is "NN,WIDTHxHEIGHT": the display number and the screen size.
    static const QList<QByteArray> screen = qgetenv("MARVOTEN_WM_SCREEN").split(',');
    if (screen.size() == 2) {
        const std::string session = std::string("bash ") + MARVOTEN_WM_SESSION_SCRIPT;
        if (std::system(
                (session + " start " + screen[0].toStdString() + " " + screen[1].toStdString())
                    .c_str()) != 0)
            return 3;
        std::atexit([] {
            std::system((std::string("bash ") + MARVOTEN_WM_SESSION_SCRIPT + " stop " +
                         screen[0].toStdString())
                            .c_str());
        });
        qputenv("DISPLAY", ":" + screen[0]);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(quietPlatformNotes);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
