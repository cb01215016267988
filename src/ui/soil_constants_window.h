#pragma once
// "土質定数": the guideline's soil and foundation-ground tables over the headless
// SoilConstantsWindow; a click on a table asks, through the dialogs, to copy the
// row into the design conditions.
#include <QDialog>
#include <QTableWidget>

#include "model/soil_constants.h"
#include "ui/shell_window.h"

namespace marvoten {

class SoilConstantsView : public ShellWindow {
public:
    SoilConstantsView(Dialogs& dialogs, DesignConditionsEditor& editor, Guard guard,
                      QWidget* parent);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;
    // The editor's "地盤定数一覧表" opens the window beside its condition panel.
    void showAt(ScreenPosition position);

    SoilConstantsWindow& controller() { return controller_; }
    QTableWidget& backfillStrengthGrid() { return *strength_; }
    QTableWidget& naturalGroundGrid() { return *natural_; }
    QTableWidget& foundationGrid() { return *foundation_; }

private:
    void follow();

    SoilConstantsWindow controller_;
    Guard guard_;
    QDialog dialog_;
    QTableWidget* strength_ = nullptr;
    QTableWidget* natural_ = nullptr;
    QTableWidget* foundation_ = nullptr;
};

}  // namespace marvoten
