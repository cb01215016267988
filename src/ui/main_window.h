#pragma once
// The main window: menu bar, two toolbars and a status bar over an empty work
// area, built from the command tables. It forwards every command to its handler
// and decides nothing itself.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <functional>
#include <string>
#include <vector>

#include "ui/commands.h"

namespace marvoten {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    void setCommandHandler(std::function<void(Command)> handler) { handler_ = std::move(handler); }
    void setFirstShowHandler(std::function<void()> handler) { firstShow_ = std::move(handler); }
    // Asked when the frame closes the window (close button, Alt+F4): false keeps it open.
    void setCloseHandler(std::function<bool()> handler) { mayClose_ = std::move(handler); }
    // Closes without asking: the exit command has asked already.
    void closeAsked();
    // A design file (".dat") dropped on the window, as a local path.
    void setDesignFileDropHandler(std::function<void(const std::string&)> handler) {
        designFileDrop_ = std::move(handler);
    }

    // The action of each menu entry and toolbar button, in table order (menus and
    // submenus and separators included).
    const std::vector<QAction*>& menuActions() const { return menuActions_; }
    const std::vector<QAction*>& toolbarActions() const { return toolbarActions_; }
    QToolBar* toolbar(int number) const { return number == 1 ? toolbar1_ : toolbar2_; }
    QLabel& statusPanel() { return *statusPanel_; }
    // The print-preview entry "2．突起" follows the design's shear key.
    void setShearKeyEntryShown(bool shown);
    // The main window as first shown: status panel, caption.
    void applyFirstShowState();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolbars();
    void fitStatusPanel();

    std::function<void(Command)> handler_;
    std::function<void()> firstShow_;
    std::function<bool()> mayClose_;
    bool closeAsked_ = false;
    std::function<void(const std::string&)> designFileDrop_;
    bool shownBefore_ = false;
    std::vector<QAction*> menuActions_;
    std::vector<QAction*> toolbarActions_;
    QToolBar* toolbar1_ = nullptr;
    QToolBar* toolbar2_ = nullptr;
    QLabel* statusPanel_ = nullptr;
};

// The application title, and the caption once the window is up.
inline constexpr const char* applicationTitle = "Sordex";
inline constexpr const char* productLine = "Marvoten(Sordex Ver3.1)";

}  // namespace marvoten
