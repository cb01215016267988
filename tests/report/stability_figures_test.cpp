#include "report/stability_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "calc/ground_reaction.h"
#include "calc/input_gathering.h"
#include "calc/stability_loads.h"
#include "support/design_fixtures.h"
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
        EXPECT_TRUE(near(p.x, expected[i].x, 1e-6)) << "point " << i << " x";
        EXPECT_TRUE(near(p.y, expected[i].y, 1e-6)) << "point " << i << " y";
        EXPECT_EQ(p.label, expected[i].label) << "point " << i;
    }
}

using testing::sixMetreWall;

// Vo = 120 kN and d set through Mr − Mo.
TAntei stable(const DesignConditions& dc, double d, int seismic) {
    TAntei a;
    gatherInputs(a, dc);
    a.seismicCase = seismic;
    a.sumV = 120;
    a.sumH = 40;
    a.sumMr = 120 * d;
    computeStability(a);
    return a;
}

struct DiagramCase {
    const char* name;
    const char* keyPosition;
    double d;
    int seismic;
    ReactionDiagramMode mode;
    std::vector<Pt> points;
};

class ReactionDiagram : public ::testing::TestWithParam<DiagramCase> {};

// Intensities by hand: trapezoid q1 = 40, qf = 40/6; toe triangle over L = 3
// with q1 = 80 (q at 2.8 m: 80·0.2/3); heel triangle over L = 3 from the heel
// with q2 = 80 (q at 4.0 m: 80/3, at 4.4 m: 80·1.4/3).
INSTANTIATE_TEST_SUITE_P(
    Modes, ReactionDiagram,
    ::testing::Values(
        DiagramCase{"TrapezoidStability",
                    nullptr,
                    2.0,
                    0,
                    ReactionDiagramMode::Stability,
                    {{0, 0, " "}, {0, -0.4, "40.00kN/m2"}, {6, 0, "0.00kN/m2"}, {6, 0, " "}}},
        DiagramCase{"TrapezoidToeSlab",
                    nullptr,
                    2.0,
                    0,
                    ReactionDiagramMode::ToeSlab,
                    {{0, 0, " "},
                     {0, -0.4, "40.00"},
                     {5, -0.4 / 6, " "},
                     {5, 0, " "},
                     {5, -0.4 / 6, "6.67kN/m2"},
                     {6, 0, " "},
                     {6, 0, " "}}},
        DiagramCase{"ToeTriangleKeyBackBeyondReaction",
                    "2800",
                    1.0,
                    1,
                    ReactionDiagramMode::ShearKey,
                    {{0, 0, " "},
                     {0, -0.8, "80.00kN/m2"},
                     {2.8, -16.0 / 300, " "},
                     {2.8, 0, " "},
                     {2.8, -16.0 / 600, "5.33"},
                     {2.8, -16.0 / 300, " "},
                     {3, 0, "0.0kN/m2"}}},
        DiagramCase{"HeelTriangleStability",
                    nullptr,
                    5.0,
                    1,
                    ReactionDiagramMode::Stability,
                    {{3, 0, "0.0kN/m2"}, {6, -0.8, "80.00kN/m2"}, {6, 0, " "}}},
        DiagramCase{"HeelTriangleKeyInFrontOfReaction",
                    "2000",
                    5.0,
                    1,
                    ReactionDiagramMode::ShearKey,
                    {{3, 0, " "}, {6, -0.8, "80.00kN/m2"}, {6, 0, " "}}},
        DiagramCase{"HeelTriangleKeyUnderReaction",
                    "4000",
                    5.0,
                    1,
                    ReactionDiagramMode::ShearKey,
                    {{3, 0, " "},
                     {4, -0.8 / 3, " "},
                     {4, 0, " "},
                     {4, -0.4 / 3, "26.67"},
                     {4, -0.8 / 3, " "},
                     {4.4, -1.12 / 3, " "},
                     {4.4, 0, " "},
                     {4.4, -1.12 / 3, "37.33"},
                     {6, -0.8, "80.00kN/m2"},
                     {6, 0, " "}}},
        DiagramCase{"Incalculable", nullptr, 0.9, 1, ReactionDiagramMode::Stability, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ReactionDiagram, Points) {
    const DiagramCase& c = GetParam();
    const TAntei a = stable(sixMetreWall(c.keyPosition), c.d, c.seismic);
    CalculationBook book;
    FigureSeries& s = book.figure(FigureId::ToeReactionFigure).series(1);
    drawReactionDiagram(s, a, c.mode);
    expectPoints(s, c.points);
}

TEST(GroundReactionFigure, AxesAndColoursFollowTheReaction) {
    DesignConditions dc = sixMetreWall();
    CalculationBook book;
    const TAntei a = stable(dc, 2.0, 0);
    writeGroundReactionFigure(a, weighLoadPolygons(a).wallBody(), dc, book);
    const FigureSection& f = book.figure(FigureId::GroundReactionFigure);
    EXPECT_TRUE(near(f.verticalAxis().minimum, -0.9, 1e-12));  // −q1/100 − 0.5
    EXPECT_TRUE(near(f.verticalAxis().maximum, 1.4, 1e-12));   // Y(P3) + 0.5
    EXPECT_TRUE(near(f.horizontalAxis().minimum, -1, 1e-12));
    EXPECT_TRUE(near(f.horizontalAxis().maximum, 6.5, 1e-12));
    EXPECT_EQ(f.series(2).colour(), colours::purple);
    EXPECT_EQ(f.series(2).pointCount(), 4u);
    EXPECT_TRUE(f.series(1).keepsInsertionOrder());
    dc.outputColour = 1;
    writeGroundReactionFigure(a, weighLoadPolygons(a).wallBody(), dc, book);
    EXPECT_EQ(f.series(2).colour(), colours::black);
}

TEST(SurfaceLine, LevelBackfillWithSurchargeOnTheFlatPart) {
    DesignConditions dc;  // 10 kN/m2 on the flat part, γs = 20: hf = 0.5 m
    TAntei a;
    gatherInputs(a, dc);
    const SurfaceLine ground = surfaceLine(a, dc, SurfaceKind::Ground);
    ASSERT_EQ(ground.points.size(), 3u);
    EXPECT_TRUE(near(ground.points[0].x, 4.042, 1e-12));
    EXPECT_TRUE(near(ground.points[2].x, 104.042, 1e-9));
    EXPECT_TRUE(near(ground.points[2].y, 8.0, 1e-12));
    EXPECT_EQ(ground.labelAt(1), " ");
    const SurfaceLine load = surfaceLine(a, dc, SurfaceKind::Surcharge);
    EXPECT_TRUE(near(load.points[1].y, 8.5, 1e-12));
    EXPECT_TRUE(near(load.points[2].y, 8.5, 1e-12));
    EXPECT_EQ(load.labelAt(1), "10.00kN/m2");
    EXPECT_EQ(load.labelAt(2), " ");
}

TEST(SurfaceLine, EmbankmentStartsTheSurchargeBehindTheSlopeForTheFlatPart) {
    DesignConditions dc;
    dc.backfillShape = 2;
    dc.slopeRatio.text = "1.5";
    dc.embankmentHeight.text = "1000";  // Le = 1.5 m, He = 1.0 m
    TAntei a;
    gatherInputs(a, dc);
    const SurfaceLine load = surfaceLine(a, dc, SurfaceKind::Surcharge);
    const std::vector<SurfacePoint> expected{
        {5.542, 9.0}, {5.542, 9.0}, {5.542, 9.0}, {5.542, 9.5}, {104.042, 9.5}};
    ASSERT_EQ(load.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(near(load.points[i].x, expected[i].x, 1e-9)) << i;
        EXPECT_TRUE(near(load.points[i].y, expected[i].y, 1e-9)) << i;
    }
    EXPECT_EQ(load.labelAt(1), " ");  // nothing on the slope
    EXPECT_EQ(load.labelAt(3), "10.00kN/m2");

    dc.surchargeZone = 1;  // the whole surface, snow on the slope
    dc.hasSnow.on = true;
    dc.snowOnSlope.text = "2.0";
    gatherInputs(a, dc);
    const SurfaceLine whole = surfaceLine(a, dc, SurfaceKind::Surcharge);
    EXPECT_TRUE(near(whole.points[0].x, 4.042, 1e-12));
    EXPECT_TRUE(near(whole.points[1].y, 8.6, 1e-12));  // (10 + 2)/20
    EXPECT_EQ(whole.labelAt(1), "12.00kN/m2");
}

TEST(LoadSummary, WaterLinePrintedEvenWithoutPressure) {
    DesignConditions dc;
    dc.hasWater.on = true;
    TAntei a;
    CalculationBook book;
    writeLoadSummary(a, dc, book);
    const auto& lines = book.text(TextId::LoadSummaryText).upper().lines();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[18], "④地下水");
    EXPECT_EQ(lines[19], "  Pw(水圧)        =0.00kN");
    EXPECT_EQ(lines[5], "    (安定計算時 α=0.00度)");
}

// The start values through the whole load stage.
struct StartRun {
    DesignConditions dc;
    TAntei a;
    SlipLineReach reach;
    CalculationBook book;
    explicit StartRun(int outputColour = 0) {
        dc.outputColour = outputColour;
        reach = computeStabilityLoads(a, dc);
        computeStability(a);
        drawLoadDiagram(a, weighLoadPolygons(a).wallBody(), dc, book, reach.r2, a.point(4).y,
                        reach.r1);
    }
    const FigureSeries& series(int n) const {
        return book.figure(FigureId::LoadDiagramFigure).series(n);
    }
};

// The wall body of the start values: toe slab 0.7 m thick rising 0.2 m to the
// formwork strip at 3.4 m, stem foot at 3.5 m with a 0.142 m front batter up to
// H = 8.0 m, crest 0.4 m, back face at B = 4.042 m.
const std::vector<Pt> startOutline{{0, 0, ""},       {0, 0.7, ""},     {3.4, 0.9, ""},
                                   {3.5, 0.9, ""},   {3.642, 8.0, ""}, {4.042, 8.0, ""},
                                   {4.042, 0.9, ""}, {4.042, 0, ""},   {0, 0, ""}};

TEST(LoadDiagram, StartValuesOutlineSlipLineAndReaction) {
    const StartRun run;
    expectPoints(run.series(1), startOutline);

    // Coulomb's wedge on a vertical back face, level cohesionless backfill, δ = 2φ/3,
    // the 10 kN/m2 surcharge in the wedge weight (W ∝ cot ω, so it leaves ω alone):
    // P(ω) = W·sin(ω − φ)/cos(ω − φ − δ) peaks at 58.94°. The coarse pass in steps of
    // 0.005 rad from φ peaks at φ + 84·0.005 = 59.06°, just above it, and the fine
    // pass searches upwards only, so the slip angle stays there. Pa and the slip
    // length are those of the last trial, one fine step (0.00001 rad) further.
    const double omega = 35 * std::numbers::pi / 180 + 84 * 0.005;
    const double Ls = 8.0 / std::sin(omega + 0.00001);
    const FigureSeries& slip = run.series(3);
    ASSERT_EQ(slip.pointCount(), 2u);
    EXPECT_EQ(slip.points()[0].label, "ω=59.06度");
    EXPECT_TRUE(near(slip.points()[0].x, 4.042, 1e-12));
    EXPECT_TRUE(near(slip.points()[1].x, 4.042 + Ls * std::cos(omega), 1e-9));
    EXPECT_TRUE(near(slip.points()[1].y, Ls * std::sin(omega), 1e-9));

    // Loads by hand: body 6.6419 m2 × 24.5 at x̄ = 2.964515; front soil 5.9656 m2 × 20
    // at x̄ = 1.722410; Pa = 175.971850 at ω + 0.00001, Ph = Pa·cos δ at h/3,
    // Pv = Pa·sin δ at B. Vo = 351.737439, Mr = 969.632330, Mo = 430.880499,
    // d = 1.531687, e = 0.489313 < B/6: q1 = 150.227407, q2 = 23.813879 kN/m2.
    const TAntei& a = run.a;
    ASSERT_EQ(a.reactionCase, GroundReactionCase::Trapezoid);
    EXPECT_TRUE(near(a.q1, 150.2274073, 1e-6));
    EXPECT_TRUE(near(a.q2, 23.8138788, 1e-6));
    expectPoints(run.series(2), {{0, 0, " "},
                                 {0, -1.502274073, "150.23kN/m2"},
                                 {4.042, -0.238138788, "23.81kN/m2"},
                                 {4.042, 0, " "}});
    // The resultant drawn from d at (Ho, Vo)/1000.
    expectPoints(run.series(10), {{1.331687479, 0.2, ""},
                                  {1.531687479, 0, ""},
                                  {1.531687479 + 0.161580187, 0.351737439, ""}});
    // The middle-third marks and the front ground at Ho' = 2.5 m reaching the stem
    // face at 3.5 + 1.6·0.142/7.1 = 3.532 m.
    expectPoints(run.series(8), {{4.042 / 3, 0, " "}, {4.042 / 3, 0.2, " "}});
    expectPoints(run.series(13), {{-10, 2.5, ""}, {3.532, 2.5, ""}});
    EXPECT_EQ(run.series(7).pointCount(), 0u);  // no water
    // The surcharge of 10 kN/m2 as 0.5 m of soil over the level surface.
    expectPoints(run.series(4),
                 {{4.042, 8.0, " "}, {4.042, 8.5, "10.00kN/m2"}, {104.042, 8.5, " "}});

    const FigureSection& f = run.book.figure(FigureId::LoadDiagramFigure);
    EXPECT_TRUE(near(f.verticalAxis().maximum, 8.0 + 0.5 + 1, 1e-12));
    EXPECT_TRUE(near(f.horizontalAxis().minimum, -0.5, 1e-12));
    EXPECT_TRUE(near(f.horizontalAxis().maximum, run.reach.r1 + 4.042 + 1, 1e-12));
    EXPECT_TRUE(near(f.verticalAxis().minimum, std::min(-a.q1, -a.q2) / 100 - 0.5, 1e-12));
    EXPECT_EQ(f.titleColour(), colours::blue);
    EXPECT_EQ(f.series(3).colour(), colours::red);
    EXPECT_EQ(f.series(2).labelColour(), colours::purple);
}

// The summary of the start values, with the hand values of the load-diagram test;
// the reaction at the stem's front foot x = 3.5: q2 + (q1 − q2)·0.542/4.042.
TEST(LoadSummary, StartValues) {
    StartRun run;
    writeLoadSummary(run.a, run.dc, run.book);
    const std::vector<std::string> expected{"荷重概要",
                                            "①角度",
                                            "  φ(剪断抵抗角)  =35.00度",
                                            "  ω(すべり面角)  =59.06度",
                                            "  α(背面角)      =0.00度",
                                            "    (安定計算時 α=0.00度)",
                                            "  δ(壁面摩擦角)  =23.33度",
                                            "  α+δ(土圧角度) =23.33度",
                                            "",
                                            "②土圧",
                                            "  Ph(水平土圧)    =161.58kN",
                                            "  Pv(鉛直土圧)    =69.70kN",
                                            "",
                                            "③地盤反力",
                                            "  つま先先端部    =150.23kN/m2",
                                            "  つま先固定部    =40.76kN/m2",
                                            "  たて壁後面部    =23.81kN/m2",
                                            "",
                                            "④地下水          :なし"};
    EXPECT_EQ(run.book.text(TextId::LoadSummaryText).upper().lines(), expected);
}

TEST(LoadDiagram, MonochromeTurnsEverythingBlack) {
    const StartRun run(1);
    const FigureSection& f = run.book.figure(FigureId::LoadDiagramFigure);
    EXPECT_EQ(f.titleColour(), colours::black);
    for (int n = 1; n <= f.seriesCount(); ++n) {
        EXPECT_EQ(f.series(n).colour(), colours::black) << n;
        EXPECT_EQ(f.series(n).labelColour(), colours::black) << n;
    }
}

TEST(LoadDiagram, IncalculableReactionDrawsEverythingButTheReaction) {
    DesignConditions dc;
    TAntei a;
    const SlipLineReach reach = computeStabilityLoads(a, dc);
    a.sumMr = a.sumMo;  // d = 0: the resultant at the toe
    computeStability(a);
    ASSERT_EQ(a.reactionCase, GroundReactionCase::Incalculable);
    CalculationBook book;
    drawLoadDiagram(a, weighLoadPolygons(a).wallBody(), dc, book, reach.r2, a.point(4).y, reach.r1);
    const FigureSection& f = book.figure(FigureId::LoadDiagramFigure);
    EXPECT_EQ(f.series(2).pointCount(), 0u);
    EXPECT_EQ(f.series(1).pointCount(), startOutline.size());
    EXPECT_EQ(f.series(3).pointCount(), 2u);
}

}  // namespace
}  // namespace marvoten
