#pragma once
// "単鉄筋長方形ばりC1,C2,Po表": the singly reinforced beam coefficients, filled
// each time the window is shown, at the left screen edge.
#include <QDialog>
#include <QTableWidget>

#include "book/table_section.h"
#include "ui/shell_window.h"

namespace marvoten {

class BeamTableWindow : public ShellWindow {
public:
    explicit BeamTableWindow(QWidget* parent);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;

    QTableWidget& grid() { return *grid_; }

private:
    QDialog dialog_;
    TableSection table_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace marvoten
