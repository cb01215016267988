#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include "ui/qt_text.h"

namespace marvoten {
namespace {

// The status bar's first panel leaves 160 pixels of the bar to the right.
constexpr int statusPanelMargin = 160;

// The first local design file among the dropped ones, or empty.
QString droppedDesignFile(const QMimeData* data) {
    if (!data) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.fileName().endsWith(".dat", Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

}  // namespace

MainWindow::MainWindow() {
    setWindowTitle(applicationTitle);
    setWindowIcon(QApplication::windowIcon());
    auto* workArea = new QWidget(this);
    workArea->setAutoFillBackground(true);
    QPalette palette = workArea->palette();
    palette.setColor(QPalette::Window, QColor(144, 160, 144));
    workArea->setPalette(palette);
    setCentralWidget(workArea);
    setAcceptDrops(true);
    buildMenus();
    buildToolbars();
    statusPanel_ = new QLabel(this);
    statusBar()->addWidget(statusPanel_);
}

void MainWindow::buildMenus() {
    // menusAtDepth[d] is the menu that takes the entries of depth d + 1.
    std::vector<QMenu*> menusAtDepth;
    const auto entries = menuEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& e = entries[i];
        menusAtDepth.resize(static_cast<std::size_t>(e.depth));
        const bool opensSubmenu = e.command == Command::None && !e.isSeparator();
        QAction* action = nullptr;
        if (e.depth == 0) {
            QMenu* menu = menuBar()->addMenu(qs(e.caption));
            action = menu->menuAction();
            menusAtDepth.push_back(menu);
        } else if (e.isSeparator()) {
            action = menusAtDepth.back()->addSeparator();
        } else if (opensSubmenu) {
            QMenu* menu = menusAtDepth.back()->addMenu(qs(e.caption));
            action = menu->menuAction();
            menusAtDepth.push_back(menu);
        } else {
            action = menusAtDepth.back()->addAction(qs(e.caption));
            const Command command = e.command;
            connect(action, &QAction::triggered, this, [this, command] {
                if (handler_) handler_(command);
            });
        }
        menuActions_.push_back(action);
    }
}

void MainWindow::buildToolbars() {
    toolbar1_ = addToolBar(QStringLiteral("1"));
    toolbar2_ = addToolBar(QStringLiteral("2"));
    for (QToolBar* bar : {toolbar1_, toolbar2_}) {
        bar->setObjectName(bar->windowTitle());
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setMovable(false);
    }
    for (const ToolbarButton& b : toolbarButtons()) {
        QToolBar* bar = toolbar(b.toolbar);
        if (b.isSeparator()) {
            toolbarActions_.push_back(bar->addSeparator());
            continue;
        }
        QAction* action = bar->addAction(style()->standardIcon(b.icon), qs(b.caption));
        action->setToolTip(qs(b.hint.empty() ? b.caption : b.hint));
        const Command command = b.command;
        connect(action, &QAction::triggered, this, [this, command] {
            if (handler_) handler_(command);
        });
        toolbarActions_.push_back(action);
    }
}

void MainWindow::setShearKeyEntryShown(bool shown) {
    const auto entries = menuEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].shearKeyOnly) menuActions_[i]->setVisible(shown);
}

void MainWindow::applyFirstShowState() {
    statusPanel_->setText(QStringLiteral("Sordexへようこそ．．．"));
    fitStatusPanel();
    setWindowTitle(productLine);
}

void MainWindow::fitStatusPanel() {
    statusPanel_->setFixedWidth(std::max(0, statusBar()->width() - statusPanelMargin));
}

// The start-up completes once the window stands on the screen: a window manager keeps
// the other windows above this one only when it had this one first, and their places
// depend on its frame and toolbars.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QMainWindow::eventFilter(watched, event);
        if (firstShow_) firstShow_();
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeAsked() {
    closeAsked_ = true;
    close();
    closeAsked_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closeAsked_ && mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDesignFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = droppedDesignFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    // Loaded once the drop has ended: the file manager that started the drag waits
    // for it, and the load's message box would keep it waiting.
    QTimer::singleShot(0, this, [this, path = file.toStdString()] {
        if (designFileDrop_) designFileDrop_(path);
    });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (statusPanel_) fitStatusPanel();
}

}  // namespace marvoten
