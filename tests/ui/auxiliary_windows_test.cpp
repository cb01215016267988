#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QTest>

#include "ui/allowable_stress_window.h"
#include "ui/beam_table_window.h"
#include "ui/earth_pressure_window.h"
#include "ui/editor_shell.h"
#include "ui/soil_constants_window.h"
#include "ui/window_placement.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

// A user's click on a cell of a grid.
void clickCell(QTableWidget& grid, int row, int column) {
    const QRect cell = grid.visualItemRect(grid.item(row, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// With MARVOTEN_SCREENSHOTS naming a folder, the window as the user sees it.
void screenshot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("MARVOTEN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    QApplication::processEvents();
    window.grab().save(folder + "/" + name + ".png");
}

class AuxiliaryWindowsTest : public ::testing::Test {
protected:
    TestDesktop desktop;
    DesignConditionsEditor& editor() { return desktop->session().editor; }
    template <class W>
    W& window(WindowId id) {
        W* w = desktop->windowAs<W>(id);
        EXPECT_NE(w, nullptr);
        return *w;
    }
};

TEST_F(AuxiliaryWindowsTest, FoundationRowSixAsksAndNoLeavesEverything) {
    auto& soil = window<SoilConstantsView>(WindowId::SoilConstants);
    desktop->perform(Command::ShowSoilConstantsFromToolbar);
    ASSERT_TRUE(soil.widget().isVisible());
    EXPECT_EQ(soil.widget().pos(), QPoint(0, 82));
    screenshot(soil.widget(), "soil_constants");
    editor().transferText(&DesignConditions::allowableBearing, "150");
    editor().transferText(&DesignConditions::frictionCoeff, "0.4");

    desktop.dialogs.defaultAnswer = false;
    clickCell(soil.foundationGrid(), 6, 1);
    ASSERT_EQ(desktop.dialogs.confirmations.size(), 1u);
    EXPECT_EQ(desktop.dialogs.confirmations[0],
              "許容鉛直支持力度[qa]  = 300 kN/m2\r\r摩擦係数[μ=tan(φb)]  = 0.6\r\rいいですか。");
    EXPECT_EQ(editor().conditions().allowableBearing.text, "150");
    EXPECT_EQ(editor().conditions().frictionCoeff.text, "0.4");
    EXPECT_TRUE(soil.widget().isVisible());

    desktop.dialogs.defaultAnswer = true;
    clickCell(soil.foundationGrid(), 6, 3);
    EXPECT_EQ(editor().conditions().allowableBearing.text, "300");
    EXPECT_EQ(editor().conditions().frictionCoeff.text, "0.6");
    EXPECT_FALSE(soil.widget().isVisible());

    desktop->perform(Command::ShowSoilConstantsFromMenu);
    EXPECT_EQ(soil.widget().pos(), QPoint(0, 70));
}

TEST_F(AuxiliaryWindowsTest, SoilTablesOfferTheChosenBackfillRow) {
    auto& soil = window<SoilConstantsView>(WindowId::SoilConstants);
    desktop->perform(Command::ShowSoilConstantsFromMenu);
    desktop.dialogs.defaultAnswer = false;
    clickCell(soil.naturalGroundGrid(), 3, 0);
    ASSERT_EQ(desktop.dialogs.confirmations.size(), 1u);
    EXPECT_EQ(desktop.dialogs.confirmations[0],
              "裏込め土の土質=砂、砂礫\r\rを設計条件に転記します。いいですか。");

    desktop.dialogs.defaultAnswer = true;
    clickCell(soil.backfillStrengthGrid(), 3, 0);
    EXPECT_EQ(desktop.dialogs.confirmations.back(),
              "裏込め土の土質=粘性土(wL<50%)\r\rを設計条件に転記します。いいですか。");
    EXPECT_EQ(editor().conditions().backfillSoilType, 2);
    EXPECT_EQ(editor().conditions().backfillUnitWeight.text, "18");
    EXPECT_EQ(editor().conditions().backfillPhi.text, "25");
    EXPECT_TRUE(soil.widget().isVisible());
    EXPECT_EQ(soil.backfillStrengthGrid().currentRow(), 3);
    EXPECT_EQ(soil.backfillStrengthGrid().item(3, 0)->text(), QStringLiteral("粘性土"));
}

TEST_F(AuxiliaryWindowsTest, AllowableStressesShownAndCopiedIntoTheEditor) {
    auto& stresses = window<AllowableStressView>(WindowId::AllowableStresses);
    stresses.showAt({100, 100});
    ASSERT_TRUE(stresses.widget().isVisible());
    EXPECT_EQ(stresses.widget().size(), QSize(360, 245));
    QTest::mouseClick(stresses.designStrength().button(3), Qt::LeftButton);
    QTest::mouseClick(stresses.loadCase().button(1), Qt::LeftButton);
    const char* expected[] = {"14", "0", "0.36", "2.6", "300"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(stresses.field(i).text(), expected[i]) << i;
    screenshot(stresses.widget(), "allowable_stresses");

    QTest::mouseClick(&stresses.transferButton(), Qt::LeftButton);
    const DesignConditions& d = editor().conditions();
    EXPECT_EQ(d.sigmaCk.text, "27");
    EXPECT_EQ(d.sigmaCa.text, "14");
    EXPECT_EQ(d.sigmaCat.text, "0");
    EXPECT_EQ(d.tauA1.text, "0.36");
    EXPECT_EQ(d.tau0.text, "2.6");
    EXPECT_EQ(d.sigmaSa.text, "300");
    EXPECT_FALSE(stresses.widget().isVisible());
}

TEST_F(AuxiliaryWindowsTest, AllowableStressCancelKeepsTheDesign) {
    auto& stresses = window<AllowableStressView>(WindowId::AllowableStresses);
    stresses.showAt({100, 100});
    QTest::mouseClick(stresses.designStrength().button(0), Qt::LeftButton);
    QTest::mouseClick(&stresses.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(editor().conditions().sigmaCk.text, DesignConditions{}.sigmaCk.text);
    EXPECT_FALSE(stresses.widget().isVisible());
    EXPECT_EQ(editor().allowableStressWindow().designStrength(), 0);
}

// The palette types into any of the five fields, the read-only ones too, and
// "設計条件に転記" carries the typed text into the design.
TEST_F(AuxiliaryWindowsTest, PaletteTypesIntoTheAllowableStressFields) {
    auto& stresses = window<AllowableStressView>(WindowId::AllowableStresses);
    InputPaletteWindow& palette = window<InputPaletteShell>(WindowId::InputPalette).window();
    stresses.showAt({100, 100});
    struct Typed {
        int field;
        std::vector<const char*> keys;
        const char* text;
    };
    const Typed cases[] = {{2, {"0", ".", "3", "転記"}, "0.3"},
                           {4, {"1", "8", "0", "転記"}, "180"}};
    for (const Typed& c : cases) {
        QLineEdit& field = stresses.field(c.field);
        QTest::mouseClick(&field, Qt::LeftButton);
        ASSERT_TRUE(palette.isVisible()) << c.field;
        EXPECT_EQ(palette.pos(), field.mapToGlobal(QPoint(0, 0)) + QPoint(0, 40)) << c.field;
        for (const char* key : c.keys)
            QTest::mouseClick(palette.button(QString::fromUtf8(key)), Qt::LeftButton);
        EXPECT_FALSE(palette.isVisible());
        EXPECT_EQ(field.text(), QString::fromUtf8(c.text)) << c.field;
    }
    EXPECT_EQ(editor().allowableStressWindow().texts().tauA1, "0.3");
    QTest::mouseClick(&stresses.transferButton(), Qt::LeftButton);
    EXPECT_EQ(editor().conditions().tauA1.text, "0.3");
    EXPECT_EQ(editor().conditions().sigmaSa.text, "180");
}

TEST_F(AuxiliaryWindowsTest, CoefficientTabFromTheMenu) {
    auto& coefficients = window<EarthPressureWindow>(WindowId::EarthPressureCoefficients);
    desktop->perform(Command::ShowEarthPressureCoefficientsFromMenu);
    QWidget& w = coefficients.widget();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos(), QPoint(0, 82));
    EXPECT_EQ(editor().conditions().seismicLoadSet, 1);
    QTabWidget& tabs = coefficients.tabs();
    EXPECT_TRUE(tabs.isTabVisible(0));
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(tabs.isTabVisible(i));
    QTableWidget& grid = coefficients.coefficientGrid();
    EXPECT_EQ(grid.item(1, 0)->text(), QStringLiteral("1:1.5"));
    EXPECT_EQ(grid.item(0, 12)->text(), QStringLiteral("1.00"));
    EXPECT_FALSE(grid.item(1, 2)->text().isEmpty());
    EXPECT_FALSE(coefficients.khBox().isEnabled());
    screenshot(w, "earth_pressure_coefficients");

    coefficients.loadCaseBox().setCurrentIndex(1);
    emit coefficients.loadCaseBox().activated(1);
    EXPECT_TRUE(coefficients.khBox().isEnabled());
    EXPECT_EQ(coefficients.khBox().currentText(), QStringLiteral("0.1"));

    const QString before = grid.item(4, 7)->text();
    coefficients.wallTypeTabs().setCurrentIndex(3);
    QTest::mouseClick(&coefficients.displayButton(), Qt::LeftButton);
    ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages[0].text,
              "H24擁壁工指針では,βの計算にかかと版の幅\r\rが必要になったで計算出来ません。");
    EXPECT_EQ(grid.item(4, 7)->text(), before);

    coefficients.wallTypeTabs().setCurrentIndex(0);
    QTest::mouseClick(&coefficients.displayButton(), Qt::LeftButton);
    EXPECT_NE(grid.item(4, 7)->text(), before);  // now the seismic table
}

TEST_F(AuxiliaryWindowsTest, BearingFactorTabsFromTheToolbar) {
    auto& coefficients = window<EarthPressureWindow>(WindowId::EarthPressureCoefficients);
    desktop->perform(Command::ShowBearingFactors);
    QTabWidget& tabs = coefficients.tabs();
    EXPECT_FALSE(tabs.isTabVisible(0));
    for (int i = 1; i < 4; ++i) EXPECT_TRUE(tabs.isTabVisible(i));
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_EQ(coefficients.bearingGrid(0).item(1, 1)->text(), QStringLiteral("5.14"));
    EXPECT_EQ(coefficients.bearingGrid(1).item(1, 1)->text(), QStringLiteral("1.00"));
    EXPECT_TRUE(coefficients.bearingGrid(2).item(1, 1)->text().isEmpty());
    const char* names[] = {"bearing_factor_Nc", "bearing_factor_Nq", "bearing_factor_Ngamma"};
    for (int i = 0; i < 3; ++i) {
        tabs.setCurrentIndex(i + 1);
        screenshot(coefficients.widget(), names[i]);
    }
    // The toolbar moves the visible window; the menu leaves it where it stands.
    desktop->perform(Command::ShowEarthPressureCoefficientsFromToolbar);
    // At (0, 90), kept on the screen.
    EXPECT_EQ(coefficients.widget().pos(), framePosition(coefficients.widget(), QPoint(0, 90)));
    EXPECT_TRUE(tabs.isTabVisible(0));
    EXPECT_FALSE(tabs.isTabVisible(1));
    coefficients.widget().move(200, 150);
    desktop->perform(Command::ShowEarthPressureCoefficientsFromMenu);
    EXPECT_EQ(coefficients.widget().pos(), QPoint(200, 150));
}

TEST_F(AuxiliaryWindowsTest, BeamTableAtTheLeftEdge) {
    auto& beams = window<BeamTableWindow>(WindowId::BeamTable);
    desktop->perform(Command::ShowBeamTable);
    ASSERT_TRUE(beams.widget().isVisible());
    EXPECT_EQ(beams.widget().pos(), QPoint(0, 82));
    EXPECT_EQ(beams.widget().size(), QSize(308, 131));
    EXPECT_EQ(beams.grid().item(1, 1)->text(), QStringLiteral("0.28824"));
    EXPECT_EQ(beams.grid().item(4, 3)->text(), QStringLiteral("0.01512"));
    screenshot(beams.widget(), "beam_table");
}

}  // namespace
}  // namespace marvoten::testing
