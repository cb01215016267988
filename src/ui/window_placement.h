#pragma once
// Where the program's windows stand on the screen. A position the program gives is
// that of the window's frame, not of its contents; positions are worked out for a
// main window whose toolbars end 82 pixels from the top, and move down by as much as
// the toolbars end lower, so that no window covers them; and every window is kept
// inside the screen's available area.
#include <QPoint>
#include <QWidget>
#include <functional>

namespace marvoten {

// The window whose menu bar and toolbars no other window may cover.
void setToolbarWindow(const QWidget* mainWindow);

// A position of the program moved below the toolbars, not yet kept on the screen.
QPoint belowToolbars(QPoint position);
// The available area of the screen at a point.
QRect availableAreaAt(QPoint point);
// Where the frame of `window` stands when placed at `position`.
QPoint framePosition(const QWidget& window, QPoint position);
// The margins of the frame the window has, or is going to get.
QMargins frameMargins(const QWidget& window);
// Places the frame there, also for a window not shown yet.
void placeFrame(QWidget& window, QPoint position);
// Runs `then` once the window manager has framed the window (at its next showing); a
// later request of the same name replaces one still waiting.
void whenFramed(QWidget& window, const char* name, std::function<void()> then);

// The height the positions of the program assume for the title, menu and toolbars.
inline constexpr int kToolbarsEndAt = 82;

}  // namespace marvoten
