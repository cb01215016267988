#pragma once
// "計算結果": the calculation book, one tab per page, over the session's results
// view. The window only mirrors the view and the book; it changes them only by
// forwarding the user's clicks and slider moves.
#include <QDialog>
#include <QTabWidget>

#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

class ResultsWindow : public ShellWindow {
public:
    explicit ResultsWindow(Desktop& desktop);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;

    QTabWidget& pages() { return *pages_; }

private:
    Desktop& desktop_;
    QDialog dialog_;
    QTabWidget* pages_ = nullptr;
};

}  // namespace marvoten
