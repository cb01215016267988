#pragma once
// "土圧係数": the embankment earth-pressure coefficients and the bearing capacity
// factors, over the headless CoefficientWindow. The widgets forward the user's
// choices and redraw from its change notification.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <array>

#include "report/coefficient_window.h"
#include "ui/reference_sections.h"
#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

class EarthPressureWindow : public ShellWindow {
public:
    EarthPressureWindow(Dialogs& dialogs, DesignConditionsEditor& editor, Guard guard,
                        QWidget* parent);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;

    CoefficientWindow& controller() { return controller_; }
    // The widgets, for the tests and the screenshots.
    QTabWidget& tabs() { return *tabs_; }
    QTabWidget& wallTypeTabs() { return *wallTypes_; }
    QComboBox& soilKindBox() { return *soilKind_; }
    QComboBox& gammaBox() { return *gamma_; }
    QComboBox& phiBox() { return *phi_; }
    QComboBox& cohesionBox() { return *cohesion_; }
    QComboBox& loadCaseBox() { return *loadCase_; }
    QComboBox& khBox() { return *kh_; }
    QPushButton& displayButton() { return *display_; }
    QTableWidget& coefficientGrid() { return *grid_; }
    QTableWidget& bearingGrid(int i) { return *bearingGrids_.at(static_cast<std::size_t>(i)); }

private:
    QWidget* buildCoefficientTab();
    QWidget* buildBearingTab(int i);
    QWidget* buildWallTypeTabs();
    void follow(const CoefficientChange& change);
    void showInputs();

    CoefficientWindow controller_;
    Guard guard_;
    QDialog dialog_;
    QTabWidget* tabs_ = nullptr;
    QTabWidget* wallTypes_ = nullptr;
    QComboBox* soilKind_ = nullptr;
    QComboBox* gamma_ = nullptr;
    QComboBox* phi_ = nullptr;
    QComboBox* cohesion_ = nullptr;
    QComboBox* loadCase_ = nullptr;
    QComboBox* kh_ = nullptr;
    QComboBox* gravitySlope_ = nullptr;
    QComboBox* leaningSlope_ = nullptr;
    QPushButton* display_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* assumptions_ = nullptr;
    SectionFigureView* figure_ = nullptr;
    std::array<QTableWidget*, 3> bearingGrids_{};
    std::array<SectionFigureView*, 3> bearingFigures_{};
};

}  // namespace marvoten
