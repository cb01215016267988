// The desktop tests run on the offscreen platform unless told otherwise, with
// one application object for all of them.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says on every raise() that it cannot; that is noise.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    standardHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // The window-manager tests name their display; they run on the real X platform.
    if (const QByteArray display = qgetenv("MARVOTEN_WM_DISPLAY"); !display.isEmpty()) {
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(quietPlatformNotes);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
