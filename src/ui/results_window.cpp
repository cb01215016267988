#include "ui/results_window.h"

#include <QVBoxLayout>

#include "ui/desktop.h"

namespace marvoten {

ResultsWindow::ResultsWindow(Desktop& desktop)
    : desktop_(desktop), dialog_(&desktop.mainWindow(), Qt::Dialog) {
    dialog_.setWindowTitle(QStringLiteral("計算結果"));
    dialog_.setFixedSize(891, 553);
    auto* layout = new QVBoxLayout(&dialog_);
    pages_ = new QTabWidget(&dialog_);
    for (const BookPage& page : desktop_.session().book.pages())
        pages_->addTab(new QWidget(pages_), QString::fromStdString(page.caption));
    layout->addWidget(pages_);
}

void ResultsWindow::perform(Command) {
    Session& s = desktop_.session();
    s.view.show(s.editor.conditions().buoyancyInSlab.on);
    showInFront(dialog_);
}

}  // namespace marvoten
