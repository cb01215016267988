#include "ui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace marvoten {
namespace {

QPointer<const QWidget>& toolbarWindow() {
    static QPointer<const QWidget> window;
    return window;
}

// The lowest screen line of the toolbar window's menu bar and toolbars.
int toolbarsBottom() {
    const QWidget* main = toolbarWindow();
    if (!main || !main->isVisible()) return 0;
    int bottom = 0;
    for (const QToolBar* bar : main->findChildren<QToolBar*>())
        if (bar->isVisible())
            bottom = std::max(bottom, bar->mapToGlobal(QPoint(0, bar->height())).y());
    return bottom;
}

}  // namespace

// The window's own margins once the window manager has framed it, otherwise those of
// the main window, whose frame is of the same kind. The window system is asked, not
// Qt's cache, which learns them only later.
QMargins frameMargins(const QWidget& window) {
    const QWidget* reference = window.isVisible() ? &window : toolbarWindow().data();
    if (!reference || !reference->isVisible() || !reference->windowHandle()) return {};
    return reference->windowHandle()->frameMargins();
}

namespace {

QPoint inside(const QRect& area, const QSize& frame, QPoint at) {
    const int x =
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - frame.width() + 1));
    const int y =
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - frame.height() + 1));
    return {x, y};
}

}  // namespace

void setToolbarWindow(const QWidget* mainWindow) {
    toolbarWindow() = mainWindow;
}

QPoint belowToolbars(QPoint position) {
    const int bottom = toolbarsBottom();
    const int shift = std::max(0, bottom - kToolbarsEndAt);
    return {position.x(), std::max(position.y() + shift, bottom)};
}

QRect availableAreaAt(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint framePosition(const QWidget& window, QPoint position) {
    const QPoint at = belowToolbars(position);
    const QMargins m = frameMargins(window);
    const QSize frame = window.size().grownBy(m);
    return inside(availableAreaAt(at), frame, at);
}

namespace {

// Moves the window so that its frame stands at `at`: a framed window by the frame the
// window system gives it, one not shown yet by the frame it is going to get.
void moveFrameTo(QWidget& window, QPoint at) {
    if (window.isVisible()) {
        window.move(at);  // a shown window moves by its frame
        return;
    }
    const QMargins m = frameMargins(window);
    window.move(at + QPoint(m.left(), m.top()));
}

// Runs `then` once, when the window manager has framed the window.
class OnceFramed : public QObject {
public:
    OnceFramed(QWidget& window, const char* name, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {
        setObjectName(name);
        window.windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            const std::function<void()> then = std::move(then_);
            deleteLater();
            then();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
};

}  // namespace

void whenFramed(QWidget& window, const char* name, std::function<void()> then) {
    window.winId();
    // A later request of the same name replaces an earlier one still waiting.
    delete window.findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    new OnceFramed(window, name, std::move(then));
}

// A window placed before it was shown is placed again once the window manager has
// framed it: its own frame may differ from the main window's (a maximised main window
// has no borders, a resizable window has a handle at its foot).
void placeFrame(QWidget& window, QPoint position) {
    const QPoint at = framePosition(window, position);
    window.winId();
    moveFrameTo(window, at);
    if (!window.isVisible())
        whenFramed(window, "marvoten-place-frame",
                   [&window, at] { window.windowHandle()->setFramePosition(at); });
}

}  // namespace marvoten
