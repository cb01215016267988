// The desktop program "marvoten": the main window and its windows over one
// design session.
#include <QApplication>

#include "ui/desktop.h"
#include "ui/qt_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    marvoten::QtDialogs dialogs;
    marvoten::WindowRegistry registry;
    marvoten::registerWindows(registry);
    marvoten::Desktop desktop(dialogs, registry);
    dialogs.setParent(&desktop.mainWindow());
    desktop.start();
    return app.exec();
}
