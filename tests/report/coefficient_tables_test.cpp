#include "report/coefficient_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "book/line_format.h"
#include "calc/trial_wedge.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

constexpr double deg = std::numbers::pi / 180.0;

// Coulomb's active coefficient for a vertical back face and level backfill with
// wall friction δ and the seismic angle θ (Mononobe–Okabe; θ = 0 is Coulomb).
double closedFormK(double phi, double delta, double theta) {
    const double root =
        std::sqrt(std::sin(phi + delta) * std::sin(phi - theta) / std::cos(theta + delta));
    return std::pow(std::cos(phi - theta), 2) /
           (std::cos(theta) * std::cos(theta + delta) * std::pow(1 + root, 2));
}

struct Filled {
    TableSection table = makeCoefficientTable();
    FigureSection figure = makeCoefficientFigure();
    explicit Filled(const CoefficientConditions& c) {
        writeCoefficientFixedCells(table);
        computeCoefficientTable(c, table, figure);
    }
};

TEST(CoefficientTable, FixedCellsRatiosAndEightSeries) {
    Filled f{CoefficientConditions{}};
    EXPECT_EQ(f.table.cell(0, 0), "勾配");
    EXPECT_EQ(f.table.cell(1, 0), "係数");
    const char* slopes[] = {"1:1.5", "1:1.8", "1:2.0", "1:3.0"};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.table.cell(0, 3 * k + 1), slopes[k]);
        EXPECT_EQ(f.table.cell(1, 3 * k + 1), "Ka");
        EXPECT_EQ(f.table.cell(1, 3 * k + 2), "Kah");
        EXPECT_EQ(f.table.cell(1, 3 * k + 3), "Kav");
        EXPECT_EQ(f.figure.series(k + 1).legendTitle(), std::string("Kh ") + slopes[k]);
        EXPECT_EQ(f.figure.series(k + 5).legendTitle(), std::string("Kv ") + slopes[k]);
    }
    // The ratio accumulates steps of 0.1 and still reaches the last column at 1.0.
    EXPECT_EQ(f.table.cell(2, 0), "0.00");
    EXPECT_EQ(f.table.cell(7, 0), "0.50");
    EXPECT_EQ(f.table.cell(12, 0), "1.00");
    for (int s = 1; s <= 8; ++s) {
        ASSERT_EQ(f.figure.series(s).pointCount(), 11u) << "series " << s;
        EXPECT_EQ(f.figure.series(s).points().back().label, "1.0");
    }
    EXPECT_EQ(f.figure.series(1).colour(), colours::red);
    EXPECT_EQ(f.figure.series(8).colour(), colours::teal);
    // Regression: "Kh 1:2.0" was white on the white plot. Every curve shows.
    for (int s = 1; s <= 8; ++s) EXPECT_NE(f.figure.series(s).colour(), colours::white) << s;
    EXPECT_EQ(f.figure.title(), "H1/H～土圧係数");
}

// Without embankment (H1/H = 0) every slope is a level backfill: the table's Ka is
// the trial wedge of a level wall of unit height, and Coulomb's value.
TEST(CoefficientTable, LevelColumnIsTheWedgeOfALevelWallAndCoulomb) {
    const CoefficientConditions c{.gamma = 19, .phiDeg = 30, .c = 0};
    Filled f{c};
    TPa direct;
    direct.backfillUnitWeight = 19;
    direct.backfillPhi = 30 * deg;
    direct.waterUnitWeight = 10;
    trialWedge(direct, wedgeModeStability, 1, 0, 1.0, 1.0);
    const double coulomb = closedFormK(30 * deg, 20 * deg, 0);
    ASSERT_TRUE(testing::near(direct.pressureCoeff, coulomb, 0.0005));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.table.cell(2, 3 * k + 1), formatValue("0.000", direct.pressureCoeff));
        EXPECT_EQ(f.table.cell(2, 3 * k + 1), formatValue("0.000", coulomb));
        EXPECT_EQ(f.table.cell(2, 3 * k + 2), formatValue("0.000", coulomb * std::cos(20 * deg)));
        EXPECT_EQ(f.table.cell(2, 3 * k + 3), formatValue("0.000", coulomb * std::sin(20 * deg)));
    }
}

// The seismic case searches with θ = arctan kh and δ = φ/2: Mononobe–Okabe.
TEST(CoefficientTable, SeismicLevelColumnIsMononobeOkabe) {
    const CoefficientConditions c{.gamma = 20, .phiDeg = 35, .c = 0, .seismic = true, .kh = 0.15};
    Filled f{c};
    const double K = closedFormK(35 * deg, 17.5 * deg, std::atan(0.15));
    EXPECT_EQ(f.table.cell(2, 1), formatValue("0.000", K));
    EXPECT_NE(f.table.cell(2, 1), Filled{CoefficientConditions{}}.table.cell(2, 1));
}

// A higher and a steeper embankment load the wall more.
TEST(CoefficientTable, CoefficientsGrowWithTheEmbankment) {
    Filled f{CoefficientConditions{}};
    for (int s = 1; s <= 4; ++s) {
        const auto& p = f.figure.series(s).points();
        EXPECT_GT(p.back().y, p.front().y + 0.05) << "series " << s;
    }
    EXPECT_GT(f.figure.series(1).points().back().y, f.figure.series(4).points().back().y);
}

// Coulomb's active coefficient for a vertical back face under a backfill rising at β,
// with wall friction δ.
double coulombSlopingK(double phi, double delta, double beta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - beta) /
                                  (std::cos(delta) * std::cos(beta)));
    return std::pow(std::cos(phi), 2) / (std::cos(delta) * std::pow(1 + root, 2));
}

// With the embankment at half the wall's height or more, the critical wedge of a
// 1:3.0 slope (φ = 30°, δ = 20°) meets the surface on the slope itself (slip angle
// about 49.4°, reaching out 1.2 wall heights, less than 3 × 0.5): the table must show
// Coulomb's coefficient of a backfill rising at β = arctan(1/3), 0.399.
TEST(CoefficientTable, HighEmbankmentOnAGentleSlopeIsCoulombsSlopingBackfill) {
    const CoefficientConditions c{.gamma = 19, .phiDeg = 30, .c = 0};
    Filled f{c};
    const double K = coulombSlopingK(30 * deg, 20 * deg, std::atan(1.0 / 3.0));
    ASSERT_EQ(formatValue("0.000", K), "0.399");
    const int slope30 = 3;
    for (int row : {7, 12}) {  // H1/H = 0.5 and 1.0
        EXPECT_EQ(f.table.cell(row, 3 * slope30 + 1), formatValue("0.000", K)) << row;
        EXPECT_EQ(f.table.cell(row, 3 * slope30 + 2), formatValue("0.000", K * std::cos(20 * deg)))
            << row;
        EXPECT_EQ(f.table.cell(row, 3 * slope30 + 3), formatValue("0.000", K * std::sin(20 * deg)))
            << row;
    }
}

const BearingFactorTab& tab(const BearingFactorTabs& tabs, BearingFactorKind k) {
    return tabs[static_cast<std::size_t>(k)];
}

// The points of the curve of one φ: the curve series holds the curves in φ order,
// each closed by a point that cannot be drawn.
std::vector<FigurePoint> curveOf(const FigureSection& f, int phiIndex) {
    std::vector<FigurePoint> curve;
    int index = 0;
    for (const FigurePoint& p : f.series(1).points()) {
        if (std::isnan(p.y)) {
            if (index++ == phiIndex) return curve;
            curve.clear();
            continue;
        }
        curve.push_back(p);
    }
    ADD_FAILURE() << "no curve " << phiIndex;
    return {};
}

std::vector<FigurePoint> endPoints(const FigureSection& f) {
    std::vector<FigurePoint> out;
    for (const FigurePoint& p : f.series(2).points())
        if (!std::isnan(p.y)) out.push_back(p);
    return out;
}

class BearingFactorTabsTest : public ::testing::Test {
protected:
    void SetUp() override { fillBearingFactorTabs(tabs); }
    BearingFactorTabs tabs = makeBearingFactorTabs();
};

TEST_F(BearingFactorTabsTest, FixedSetUpOnALogarithmicScale) {
    struct Expected {
        BearingFactorKind kind;
        double vMin, vMax;
        const char* title;
    } cases[] = {{BearingFactorKind::Nc, 1, 200, "支持力係数　Nc"},
                 {BearingFactorKind::Nq, 0.5, 200, "支持力係数　Nq"},
                 {BearingFactorKind::Ngamma, 0.1, 300, "支持力係数　Nγ"}};
    for (const auto& e : cases) {
        const FigureSection& f = tab(tabs, e.kind).figure;
        EXPECT_EQ(f.title(), e.title);
        EXPECT_TRUE(f.verticalAxis().logarithmic);
        EXPECT_FALSE(f.horizontalAxis().logarithmic);
        EXPECT_DOUBLE_EQ(f.verticalAxis().minimum, e.vMin);
        EXPECT_DOUBLE_EQ(f.verticalAxis().maximum, e.vMax);
        EXPECT_DOUBLE_EQ(f.horizontalAxis().maximum, 50);
        EXPECT_TRUE(f.series(1).keepsInsertionOrder());
        const TableSection& t = tab(tabs, e.kind).table;
        EXPECT_EQ(t.cell(1, 0), "φ0.0");
        EXPECT_EQ(t.cell(10, 0), "φ45.0");
    }
    EXPECT_EQ(tab(tabs, BearingFactorKind::Nc).table.cell(0, 1), "θ0.0");
    EXPECT_EQ(tab(tabs, BearingFactorKind::Nc).table.cell(0, 10), "θ45.0");
}

TEST_F(BearingFactorTabsTest, PhiZeroGivesNcAloneNqWithAnEndPointAndNoNgamma) {
    const auto& nc = tab(tabs, BearingFactorKind::Nc);
    const auto ncCurve = curveOf(nc.figure, 0);
    ASSERT_EQ(ncCurve.size(), 1u);
    EXPECT_EQ(formatValue("0.00", ncCurve[0].y), "5.14");
    EXPECT_EQ(nc.table.cell(1, 1), "5.14");
    EXPECT_EQ(nc.table.cell(1, 2), "");
    for (const FigurePoint& p : endPoints(nc.figure)) EXPECT_NE(p.y, ncCurve[0].y);

    const auto& nq = tab(tabs, BearingFactorKind::Nq);
    const auto nqCurve = curveOf(nq.figure, 0);
    ASSERT_EQ(nqCurve.size(), 1u);
    EXPECT_EQ(nq.table.cell(1, 1), "1.00");
    const auto nqEnds = endPoints(nq.figure);
    ASSERT_FALSE(nqEnds.empty());
    EXPECT_EQ(nqEnds.front().x, 0);
    EXPECT_DOUBLE_EQ(nqEnds.front().y, nqCurve[0].y);

    const auto& ng = tab(tabs, BearingFactorKind::Ngamma);
    EXPECT_TRUE(curveOf(ng.figure, 0).empty());
    for (int row = 1; row <= 10; ++row) EXPECT_EQ(ng.table.cell(1, row), "") << row;
}

TEST_F(BearingFactorTabsTest, PhiThirtyNqAndNgammaEndAtThirtyDegrees) {
    for (BearingFactorKind k : {BearingFactorKind::Nq, BearingFactorKind::Ngamma}) {
        const FigureSection& f = tab(tabs, k).figure;
        const auto curve = curveOf(f, 6);
        ASSERT_FALSE(curve.empty());
        EXPECT_EQ(curve.front().x, 0);
        EXPECT_EQ(curve.back().x, 30);
        bool endMarked = false;
        for (const FigurePoint& p : endPoints(f)) endMarked |= p.x == 30 && p.y == curve.back().y;
        EXPECT_TRUE(endMarked);
        // Its table column stops at θ = 30 too.
        EXPECT_NE(tab(tabs, k).table.cell(7, 7), "");
        EXPECT_EQ(tab(tabs, k).table.cell(7, 8), "");
    }
    // The curve is named at θ = φ/2.
    const auto curve = curveOf(tab(tabs, BearingFactorKind::Nq).figure, 7);
    EXPECT_EQ(curve.at(17).label, "φ35°");
    EXPECT_EQ(curve.at(16).label, " ");
}

// Without inclination the classical factors at φ = 30° (s = 0.5, t = tan 30° = 0.57735):
// Nq = e^(π·t)·(1 + s)/(1 − s) = 6.1337 × 3 = 18.401, Nc = (Nq − 1)/t = 30.14, and Nγ
// from the fitted polynomial of φ = 30 at θ = 0, its constant term 15.3262.
TEST_F(BearingFactorTabsTest, PhiThirtyWithoutInclinationPrintsTheClassicalFactors) {
    const double t = std::tan(30 * deg), s = 0.5;
    const double Nq = std::exp(std::numbers::pi * t) * (1 + s) / (1 - s);
    ASSERT_EQ(formatValue("0.00", Nq), "18.40");
    ASSERT_EQ(formatValue("0.00", (Nq - 1) / t), "30.14");
    const struct {
        BearingFactorKind kind;
        const char* text;
    } cases[] = {{BearingFactorKind::Nc, "30.14"},
                 {BearingFactorKind::Nq, "18.40"},
                 {BearingFactorKind::Ngamma, "15.33"}};
    const int phi30 = 7, theta0 = 1;
    for (const auto& e : cases)
        EXPECT_EQ(tab(tabs, e.kind).table.cell(phi30, theta0), e.text) << e.text;
}

TEST_F(BearingFactorTabsTest, RefillingGivesTheSameFigures) {
    const std::size_t points = tab(tabs, BearingFactorKind::Nc).figure.series(1).pointCount();
    fillBearingFactorTabs(tabs);
    EXPECT_EQ(tab(tabs, BearingFactorKind::Nc).figure.series(1).pointCount(), points);
}

}  // namespace
}  // namespace marvoten
