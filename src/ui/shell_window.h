#pragma once
// One window of the program besides the main window. Start-up creates each
// registered window once, in the order of WindowId; the menus and toolbars reach
// it only through perform().
#include <QWidget>
#include <functional>

#include "model/design_conditions_editor.h"
#include "ui/commands.h"

namespace marvoten {

class ShellWindow {
public:
    virtual ~ShellWindow() = default;
    ShellWindow() = default;
    ShellWindow(const ShellWindow&) = delete;
    ShellWindow& operator=(const ShellWindow&) = delete;

    virtual QWidget& widget() = 0;
    // A menu or toolbar command addressed to this window (commandWindow()).
    virtual void perform(Command command) = 0;
    // When the main window is first shown, in creation order; the editor is
    // shown after every window's start-up, then the visibility rules apply.
    virtual void startUp() {}
    // The editor changed what this window shows (values, visibility rules).
    virtual void followEditor(const EditorChange& change) { (void)change; }
};

// A fixed-size window kept above the program's other windows and owned by the main
// window: a title and a close button, nothing to minimise or maximise.
inline constexpr Qt::WindowFlags kFixedToolWindow =
    Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Runs a window's action so that no exception leaves the Qt slot: an unexpected
// error becomes a message box and the design stays as it was (Desktop::guard).
using Guard = std::function<void(const std::function<void()>& action)>;

// "Show" a window: visible if hidden, then in front; a visible window keeps its
// state.
void showInFront(QWidget& window);

}  // namespace marvoten
