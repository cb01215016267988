#include "report/wall_shape_figure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/input_gathering.h"
#include "report/conditions_page.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;

struct Pt {
    double x, y;
    std::string label;
};

void expectPoints(const FigureSeries& s, const std::vector<Pt>& expected) {
    ASSERT_EQ(s.pointCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FigurePoint& p = s.points()[i];
        EXPECT_TRUE(near(p.x, expected[i].x, 1e-9)) << "point " << i << " x";
        EXPECT_TRUE(near(p.y, expected[i].y, 1e-9)) << "point " << i << " y";
        EXPECT_EQ(p.label, expected[i].label) << "point " << i;
    }
}

// The marks of a vertical chain at x0, position s (extension stroke ±0.3, barbs 0.03).
std::vector<Pt> verticalMark(double x0, double s, const char* kind) {
    std::vector<Pt> p{{x0, s, " "}, {x0 + 0.3, s, " "}, {x0 - 0.3, s, " "}, {x0, s, " "}};
    const std::string k = kind;
    auto barb = [&](double dAlong, double dAcross) {
        p.push_back({x0 + dAcross, s + dAlong, " "});
        p.push_back({x0, s, " "});
    };
    if (k == "start") barb(0.03, 0.03), barb(0.03, -0.03);
    if (k == "joint") barb(-0.03, 0.03), barb(0.03, 0.03), barb(0.03, -0.03), barb(-0.03, -0.03);
    if (k == "end") barb(-0.03, 0.03), barb(-0.03, -0.03);
    return p;
}

std::vector<Pt> join(std::initializer_list<std::vector<Pt>> parts) {
    std::vector<Pt> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct WallFigure {
    DesignConditions dc;
    TAntei a;
    CalculationBook book;
    explicit WallFigure(DesignConditions d = {}) : dc(std::move(d)) {
        gatherInputs(a, dc);
        drawWallShapeFigure(a, weighLoadPolygons(a).wallBody(), dc, book);
    }
    const FigureSection& figure() const { return book.figure(FigureId::WallShapeFigure); }
    const FigureSeries& series(int n) const { return figure().series(n); }
};

// Start values: base t = 0.7, slope s = 0.2, stem Hs = 7.1 at x = B + 1 = 5.042,
// labelled at the middle of each segment.
TEST(WallShapeFigure, StartValuesBaseAndStemChain) {
    const WallFigure w;
    const double x0 = 5.042;
    expectPoints(w.series(5), join({verticalMark(x0, 0, "start"),
                                    {{x0, 0.35, "700"}},
                                    verticalMark(x0, 0.7, "joint"),
                                    {{x0, 0.8, "200"}},
                                    verticalMark(x0, 0.9, "joint"),
                                    {{x0, 4.45, "7,100"}},
                                    verticalMark(x0, 8.0, "end")}));
    EXPECT_EQ(w.series(5).labelDistance(), -4);
    EXPECT_TRUE(w.series(5).keepsInsertionOrder());
    EXPECT_EQ(w.series(5).colour(), colours::black);
}

TEST(WallShapeFigure, StartValuesOutlineSurfaceAndAxes) {
    const WallFigure w;
    expectPoints(w.series(1), {{0, 0, ""},
                               {0, 0.7, ""},
                               {3.4, 0.9, ""},
                               {3.5, 0.9, ""},
                               {3.642, 8.0, ""},
                               {4.042, 8.0, ""},
                               {4.042, 0.9, ""},
                               {4.042, 0, ""},
                               {0, 0, ""}});
    expectPoints(w.series(2), {{4.042, 8, ""}, {4.042, 8, ""}, {104.042, 8, ""}});
    EXPECT_EQ(w.series(2).colour(), colours::maroon);
    // Front ground at Ho' = 2.5 m up to the stem face, 3.5 + 1.6·0.142/7.1.
    expectPoints(w.series(3), {{-10, 2.5, ""}, {3.532, 2.5, ""}});
    const FigureSection& f = w.figure();
    EXPECT_TRUE(near(f.verticalAxis().minimum, -2, 1e-12));
    EXPECT_TRUE(near(f.verticalAxis().maximum, 9.5, 1e-12));
    EXPECT_TRUE(near(f.horizontalAxis().minimum, -1.8, 1e-12));
    EXPECT_TRUE(near(f.horizontalAxis().maximum, 6.842, 1e-12));
}

std::vector<std::string> labels(const FigureSeries& s) {
    std::vector<std::string> out;
    for (const FigurePoint& p : s.points())
        if (p.label != " ") out.push_back(p.label);
    return out;
}

TEST(WallShapeFigure, StartValuesOtherChains) {
    const WallFigure w;
    using L = std::vector<std::string>;
    EXPECT_EQ(labels(w.series(4)), L{"8,000"});
    EXPECT_EQ(labels(w.series(6)), (L{"142", "400"}));  // vertical back face: no back batter
    EXPECT_EQ(labels(w.series(7)), (L{"3,400", "100"}));
    EXPECT_EQ(labels(w.series(9)), L{"4,042"});
    EXPECT_EQ(labels(w.series(12)), L{"2,500"});
    EXPECT_EQ(w.series(10).pointCount(), 0u);
    EXPECT_EQ(w.series(11).pointCount(), 0u);
    // Height chain labelled at a third of H; base-width chain 1 m below the base.
    const FigurePoint& h = w.series(4).points()[8];
    EXPECT_TRUE(near(h.x, 6.042, 1e-12));
    EXPECT_TRUE(near(h.y, 8.0 / 3, 1e-12));
    const FigurePoint& b = w.series(9).points()[8];
    EXPECT_TRUE(near(b.x, 2.021, 1e-12));
    EXPECT_TRUE(near(b.y, -1, 1e-12));
    EXPECT_EQ(w.series(9).labelDistance(), 2);
}

TEST(WallShapeFigure, ShearKeyChains) {
    DesignConditions dc;
    dc.hasShearKey = 1;
    dc.keyPosition.text = "2000";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "600";
    const WallFigure w(dc);
    using L = std::vector<std::string>;
    EXPECT_EQ(labels(w.series(5)), (L{"600", "700", "200", "7,100"}));
    EXPECT_TRUE(near(w.series(5).points()[0].y, -0.6, 1e-12));
    EXPECT_EQ(labels(w.series(10)), (L{"2,000", "500"}));
    EXPECT_TRUE(near(w.series(10).points()[0].y, -1.1, 1e-12));  // 0.5 below the key bottom
    EXPECT_TRUE(near(w.series(9).points()[0].y, -1.5, 1e-12));
    EXPECT_TRUE(near(w.figure().verticalAxis().minimum, -2.6, 1e-12));
}

TEST(WallShapeFigure, EmbankmentAndMonochrome) {
    DesignConditions dc;
    dc.backfillShape = 2;
    dc.slopeRatio.text = "1.5";
    dc.embankmentHeight.text = "2000";  // Le = 3.0
    dc.outputColour = 1;
    const WallFigure w(dc);
    using L = std::vector<std::string>;
    EXPECT_EQ(labels(w.series(4)), (L{"8,000", "2,000"}));
    EXPECT_EQ(labels(w.series(11)), L{"3,000"});
    EXPECT_TRUE(near(w.series(11).points()[0].y, 10.5, 1e-12));
    EXPECT_TRUE(near(w.figure().verticalAxis().maximum, 11.5, 1e-12));
    EXPECT_TRUE(near(w.figure().horizontalAxis().maximum, 8.042, 1e-12));  // X(P5) + Le + 1
    EXPECT_EQ(w.series(2).colour(), colours::black);
}

TEST(DimensionChain, SingleZeroLengthDrawsNothing) {
    CalculationBook book;
    FigureSeries& s = book.figure(FigureId::WallShapeFigure).series(12);
    s.addPoint(1, 1, "old");
    drawDimensionChain(s, ChainOrientation::Vertical, {0.0}, 0, -1, 2);
    EXPECT_EQ(s.pointCount(), 0u);
}

TEST(DimensionChain, HorizontalMarksAndLabelAtAThird) {
    CalculationBook book;
    FigureSeries& s = book.figure(FigureId::WallShapeFigure).series(6);
    drawDimensionChain(s, ChainOrientation::Horizontal, {0.9, 0.0}, 2, 1, 3);
    const std::vector<Pt> expected{
        {1, 2, " "},       {1, 2.3, " "},   {1, 1.7, " "},     {1, 2, " "},  // start
        {1.03, 2.03, " "}, {1, 2, " "},     {1.03, 1.97, " "}, {1, 2, " "},
        {1.3, 2, "900"},                                                       // 0.9 at a third
        {1.9, 2, " "},     {1.9, 2.3, " "}, {1.9, 1.7, " "},   {1.9, 2, " "},  // joint
        {1.87, 2.03, " "}, {1.9, 2, " "},   {1.93, 2.03, " "}, {1.9, 2, " "},
        {1.93, 1.97, " "}, {1.9, 2, " "},   {1.87, 1.97, " "}, {1.9, 2, " "},
        {1.9, 2, " "},                                                         // zero length
        {1.9, 2, " "},     {1.9, 2.3, " "}, {1.9, 1.7, " "},   {1.9, 2, " "},  // end
        {1.87, 2.03, " "}, {1.9, 2, " "},   {1.87, 1.97, " "}, {1.9, 2, " "}};
    expectPoints(s, expected);
}

TEST(WallShapeFigure, DrawnWithTheConditionsPage) {
    DesignConditions dc;
    TAntei a;
    gatherInputs(a, dc);
    CalculationBook book;
    PrintedPageLabels labels;
    writeConditionsPage(a, weighLoadPolygons(a).wallBody(), dc, "", book, labels);
    EXPECT_EQ(book.figure(FigureId::WallShapeFigure).series(1).pointCount(), 9u);
}

}  // namespace
}  // namespace marvoten
