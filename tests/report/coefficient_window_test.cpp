#include "report/coefficient_window.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace marvoten {
namespace {

class CoefficientWindowTest : public ::testing::Test {
protected:
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    CoefficientWindow window{dialogs, editor};
};

TEST_F(CoefficientWindowTest, KhFollowsTheLoadCase) {
    EXPECT_EQ(window.kh(), "0.00");
    EXPECT_FALSE(window.khEnabled());
    window.setKh("0.15");  // a disabled field takes no text
    EXPECT_EQ(window.kh(), "0.00");
    window.chooseLoadCase(1);
    EXPECT_EQ(window.kh(), "0.1");
    EXPECT_TRUE(window.khEnabled());
    window.setKh("0.15");
    EXPECT_EQ(window.kh(), "0.15");
    window.chooseLoadCase(0);
    EXPECT_EQ(window.kh(), "0.0");
    EXPECT_FALSE(window.khEnabled());
}

TEST_F(CoefficientWindowTest, SoilKindFillsGammaAndPhi) {
    window.chooseSoilKind(2);
    EXPECT_EQ(window.gamma(), "18");
    EXPECT_EQ(window.phi(), "25");
}

TEST_F(CoefficientWindowTest, InvertedTWallLeavesTableAndFigureAsTheyWere) {
    window.showCoefficients();
    const std::string before = window.coefficientTable().cell(2, 1);
    const std::size_t points = window.coefficientFigure().series(1).pointCount();
    window.chooseSoilKind(2);
    window.chooseWallType(WallTypeTab::InvertedT);
    window.display();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "H24擁壁工指針では,βの計算にかかと版の幅\r\rが必要になったで計算出来ません。");
    EXPECT_EQ(window.coefficientTable().cell(2, 1), before);
    EXPECT_EQ(window.coefficientFigure().series(1).pointCount(), points);
    window.chooseWallType(WallTypeTab::Gravity1);
    window.display();
    EXPECT_NE(window.coefficientTable().cell(2, 1), before);
}

// The table never takes the design's δ or Zc; the note under it says which it takes,
// for the table as computed, not for inputs not yet shown.
TEST_F(CoefficientWindowTest, NoteNamesTheWallFrictionOfTheShownTable) {
    window.showCoefficients();
    const auto says = [&](const char* delta) {
        return window.tableAssumptions().find(delta) != std::string::npos &&
               window.tableAssumptions().find("Zc は考慮せず") != std::string::npos;
    };
    EXPECT_TRUE(says("δ＝2φ/3（常時）"));
    window.chooseLoadCase(1);
    EXPECT_TRUE(says("δ＝2φ/3（常時）"));
    window.display();
    EXPECT_TRUE(says("δ＝φ/2（地震時）"));
}

TEST_F(CoefficientWindowTest, BadInputIsReportedAndChangesNothing) {
    window.showCoefficients();
    const std::string before = window.coefficientTable().cell(5, 4);
    for (const char* gamma : {"abc", "0", "-18"}) {
        window.setGamma(gamma);
        window.display();
        EXPECT_EQ(window.coefficientTable().cell(5, 4), before) << gamma;
    }
    EXPECT_EQ(dialogs.messages.size(), 3u);
    for (const auto& m : dialogs.messages) EXPECT_EQ(m.kind, MessageKind::Error);
}

// A back face leaning over the backfill (重力式２) raises Ka, one leaning onto the
// wall (もたれ式) lowers it.
TEST_F(CoefficientWindowTest, BackSlopeOfTheWallType) {
    window.showCoefficients();
    auto ka = [&] { return std::stod(window.coefficientTable().cell(2, 1)); };
    const double vertical = ka();
    window.chooseWallType(WallTypeTab::Gravity2);
    window.display();
    const double overhanging = ka();
    window.chooseWallType(WallTypeTab::Leaning);
    window.display();
    EXPECT_GT(overhanging, vertical);
    EXPECT_LT(ka(), vertical);
}

TEST_F(CoefficientWindowTest, ShowingSetsTheEditorsSeismicLoadSet) {
    editor.choose(Choice::SeismicCase, 1);
    editor.choose(Choice::SeismicLoadSet, 0);
    editor.choose(Choice::SeismicCase, 0);
    ASSERT_EQ(editor.conditions().seismicLoadSet, 0);
    window.showCoefficients();
    window.close();
    EXPECT_EQ(editor.conditions().seismicLoadSet, 1);
}

TEST_F(CoefficientWindowTest, TabsAndPlacesOfTheOpeners) {
    window.showCoefficientsAt({0, 90});
    EXPECT_TRUE(window.visible());
    // The show-time set-up puts a window that becomes visible at the left edge.
    EXPECT_EQ(window.position(), (ScreenPosition{0, 82}));
    EXPECT_TRUE(window.tabShown(CoefficientTab::Coefficients));
    EXPECT_FALSE(window.tabShown(CoefficientTab::Nc));
    EXPECT_EQ(window.coefficientTable().cell(0, 1), "1:1.5");

    window.showBearingFactorsAt({0, 90});
    EXPECT_EQ(window.position(), (ScreenPosition{0, 90}));
    EXPECT_FALSE(window.tabShown(CoefficientTab::Coefficients));
    EXPECT_TRUE(window.tabShown(CoefficientTab::Ngamma));
    EXPECT_EQ(window.selectedTab(), CoefficientTab::Nc);
    EXPECT_EQ(window.bearingFactorTabs()[0].table.cell(1, 1), "5.14");

    // The menu shows the visible window where it stands.
    window.showCoefficients();
    EXPECT_EQ(window.position(), (ScreenPosition{0, 90}));
    EXPECT_EQ(window.selectedTab(), CoefficientTab::Coefficients);
    window.selectTab(CoefficientTab::Nq);  // a hidden tab cannot be selected
    EXPECT_EQ(window.selectedTab(), CoefficientTab::Coefficients);
}

// Showing again resets the wall type, so the set-up never meets the inverted-T wall.
TEST_F(CoefficientWindowTest, ShowingAgainStartsFromTheFirstWallType) {
    window.showCoefficients();
    window.chooseWallType(WallTypeTab::InvertedT);
    window.close();
    window.showCoefficients();
    EXPECT_EQ(window.wallType(), WallTypeTab::Gravity1);
    EXPECT_TRUE(dialogs.messages.empty());
}

// The bearing-factor tabs alone leave the embankment table uncomputed; the
// coefficient tab asked for later in the same showing gets it then.
TEST_F(CoefficientWindowTest, TheEmbankmentTableWaitsForItsTab) {
    const std::string unset = window.coefficientTable().cell(2, 1);
    std::vector<unsigned> changes;
    window.setListener([&](const CoefficientChange& c) { changes.push_back(c.flags); });
    window.showBearingFactorsAt({0, 90});
    EXPECT_EQ(window.coefficientTable().cell(2, 1), unset);
    for (unsigned flags : changes) EXPECT_FALSE(flags & CoefficientChange::Coefficients);

    changes.clear();
    window.showCoefficients();
    CoefficientWindow shownFirst{dialogs, editor};
    shownFirst.showCoefficients();
    EXPECT_NE(window.coefficientTable().cell(2, 1), unset);
    EXPECT_EQ(window.coefficientTable().cell(2, 1), shownFirst.coefficientTable().cell(2, 1));
    EXPECT_EQ(window.coefficientTable().cell(12, 12), shownFirst.coefficientTable().cell(12, 12));
    bool announced = false;
    for (unsigned flags : changes) announced |= (flags & CoefficientChange::Coefficients) != 0;
    EXPECT_TRUE(announced);
}

}  // namespace
}  // namespace marvoten
