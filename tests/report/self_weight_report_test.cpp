#include "report/self_weight_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "calc/stability_loads.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

struct Written {
    TAntei a;
    CalculationBook book;
};

std::unique_ptr<Written> write(const std::function<void(DesignConditions&)>& change = {}) {
    auto w = std::make_unique<Written>();
    DesignConditions dc;
    if (change) change(dc);
    computeStabilityLoads(w->a, dc);
    writeSelfWeightPages(w->a, weighLoadPolygons(w->a), dc, w->book);
    return w;
}

std::vector<std::string> linesStartingWithADigit(const TextSection& t) {
    std::vector<std::string> r;
    for (const std::string& l : t.upper().lines())
        if (!l.empty() && l[0] >= '1' && l[0] <= '9') r.push_back(l);
    return r;
}

bool hasLine(const TextSection& t, const std::string& line) {
    const auto& lines = t.upper().lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void water(DesignConditions& d, const char* H1, const char* gw = "9.8") {
    d.hasWater.on = true;
    d.waterDepth.text = H1;
    d.waterUnitWeight.text = gw;
}

// The wall body of the start values measures 6.6419 m2 (base 2.8294, sloped top
// 0.34, strip 0.02, heel top 0.1084, stem 3.3441); × 24.5 = 162.73 kN. The front
// soil up to Ho = 2.5 measures 5.9656 m2; × 20 = 119.31 kN.
TEST(SelfWeightText, StartValuesListBodyAndFrontSoil) {
    const auto w = write();
    const TextSection& t = w->book.text(TextId::SelfWeightText);
    EXPECT_EQ(t.line(0), "荷重の計算");
    EXPECT_EQ(linesStartingWithADigit(t),
              (std::vector<std::string>{"1.躯体重量の計算", "2.前面土重量の計算"}));
    // The labels are padded to 21 bytes of the printed face.
    EXPECT_TRUE(hasLine(t, "  A (擁壁躯体面積)     =6.64m2"));
    EXPECT_TRUE(hasLine(t, "  W (擁壁重量)=γc･A   =162.73kN"));
    EXPECT_TRUE(hasLine(t, "  A (前面土面積)       =5.97m2"));
    EXPECT_TRUE(hasLine(t, "  W (前面土重量)=γ･A  =119.31kN"));
    EXPECT_EQ(t.line(t.lineCount() - 1), "  γs(土の単位重量)    =20.00kN");
}

TEST(SelfWeightText, EmptyFrontSoilIsSkippedAndNumbersFollowOn) {
    const auto low = write([](DesignConditions& d) {
        d.effectiveEmbedDepth.text = "0.9";
        water(d, "0.5");
    });
    // Water within the base: the body's buoyancy is written, the front soil has
    // neither weight nor buoyancy.
    EXPECT_EQ(linesStartingWithADigit(low->book.text(TextId::SelfWeightText)),
              (std::vector<std::string>{"1.躯体重量の計算", "2.躯体浮力の計算"}));
}

// The front soil's buoyancy uses 9 kN/m3 whatever γw is entered, and shows no Ix.
TEST(SelfWeightText, SoilBuoyancyPrintsTheFixedNine) {
    const auto w = write([](DesignConditions& d) { water(d, "1.0", "10.0"); });
    const TextSection& t = w->book.text(TextId::SelfWeightText);
    EXPECT_EQ(linesStartingWithADigit(t),
              (std::vector<std::string>{"1.躯体重量の計算", "2.躯体浮力の計算",
                                        "3.前面土重量の計算", "4.前面土浮力の計算"}));
    const auto& lines = t.upper().lines();
    const auto block = std::find(lines.begin(), lines.end(), "4.前面土浮力の計算");
    ASSERT_NE(block, lines.end());
    EXPECT_EQ(*(block + 2), "  γw(水の単位重量)    =9.00kN");
    EXPECT_EQ((block + 4)->substr(0, 4), "  Iy");
    EXPECT_EQ((block + 5)->substr(0, 4), "  x ");
    EXPECT_EQ(t.line(t.lineCount() - 1), "  γw(水の単位重量)    =10.00kN");
}

// Each block shows its header and its distinct corners; the closing entry's row
// is overwritten by the next block's header.
TEST(StabilityPointTable, BlocksFollowEachOther) {
    const auto w = write();
    const TableSection& table = w->book.table(TableId::StabilityPointTable);
    EXPECT_EQ(table.cell(0, 0), "1.躯体重量");
    EXPECT_EQ(table.cell(1, 0), "座標x(m)");
    EXPECT_EQ(table.cell(2, 0), "座標y(m)");
    // W_A: P0, P1, P2, P3, P4, P5, P6, P8 (8 corners).
    EXPECT_EQ(table.cell(0, 1), "0");
    EXPECT_EQ(table.cell(1, 5), "3.642");
    EXPECT_EQ(table.cell(2, 5), "8.000");
    EXPECT_EQ(table.cell(0, 8), "7");
    EXPECT_EQ(table.cell(1, 8), "4.042");
    EXPECT_EQ(table.cell(2, 8), "0.000");
    // TS_A: P1, P24, P26, P3, P2.
    EXPECT_EQ(table.cell(0, 9), "2.前面土重量");
    EXPECT_EQ(table.cell(1, 12), "3.532");
    EXPECT_EQ(table.cell(2, 12), "2.500");
    EXPECT_EQ(table.cell(1, 14), "3.400");
    EXPECT_EQ(table.rowCount(), 15);
}

TEST(StabilityLoadFigure, OutlineWithNumberedCorners) {
    const auto w = write();
    const FigureSection& f = w->book.figure(FigureId::StabilityLoadFigure);
    const auto& body = f.series(1).points();
    ASSERT_EQ(body.size(), 9u);
    EXPECT_EQ(body[0].label, "0");
    EXPECT_EQ(body[7].label, "7");
    EXPECT_EQ(body[8].label, " ");
    EXPECT_EQ(body[8].x, 0.0);
    EXPECT_EQ(f.series(3).pointCount(), 6u);
    EXPECT_EQ(f.series(4).pointCount(), 0u);  // no water mark without water
    EXPECT_EQ(f.series(2).colour(), colours::maroon);
    EXPECT_EQ(f.titleColour(), colours::maroon);
    // Vertical from the key bottom − 1 to the backfill top + 0.5; horizontal to B + 1.
    EXPECT_DOUBLE_EQ(f.verticalAxis().minimum, -1.0);
    EXPECT_DOUBLE_EQ(f.verticalAxis().maximum, 8.5);
    EXPECT_DOUBLE_EQ(f.horizontalAxis().minimum, -0.5);
    EXPECT_DOUBLE_EQ(f.horizontalAxis().maximum, 5.042);
}

TEST(StabilityLoadFigure, BlackAndWhite) {
    const auto w = write([](DesignConditions& d) {
        d.outputColour = 1;
        water(d, "0.5");
    });
    for (FigureId id : {FigureId::StabilityLoadFigure, FigureId::SlabLoadFigure}) {
        const FigureSection& f = w->book.figure(id);
        EXPECT_EQ(f.titleColour(), colours::black);
        for (const FigureSeries& s : f.allSeries()) EXPECT_EQ(s.colour(), colours::black);
    }
}

// The water mark stands behind the back face B = 4.042 at H1 = 0.5, its offsets
// taken in single precision.
TEST(StabilityLoadFigure, WaterMark) {
    const auto w = write([](DesignConditions& d) { water(d, "0.5"); });
    const FigureSeries& mark = w->book.figure(FigureId::StabilityLoadFigure).series(4);
    ASSERT_EQ(mark.pointCount(), 6u);
    const double dx[] = {0.2f, 0.5f, 0.4f, 0.6f, 0.5f, 0.8f};
    const double dy[] = {0, 0, 0.2f, 0.2f, 0, 0};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_TRUE(marvoten::testing::near(mark.points()[k].x, 4.042 + dx[k], 1e-12)) << k;
        EXPECT_TRUE(marvoten::testing::near(mark.points()[k].y, 0.5 + dy[k], 1e-12)) << k;
        EXPECT_EQ(mark.points()[k].label, " ");
    }
    EXPECT_NE(mark.points()[0].x, 4.042 + 0.2);  // single, not double precision
    EXPECT_EQ(mark.colour(), colours::aqua);
}

// Without water: T_M, T_S, TS_M, TS_S. T_M = 2.81 m2 with its centroid
// from the toe: (2.45·1.75 + 0.34·2.2667 + 0.02·3.45) / 2.81 = 1.8246.
TEST(SlabLoadTable, RowsOfTheStartValues) {
    const auto w = write();
    const TableSection& t = w->book.table(TableId::SlabLoadTable);
    EXPECT_EQ(t.rowCount(), 5);
    EXPECT_EQ(t.cell(0, 1), "1.つま先版(M)　　");
    EXPECT_EQ(t.cell(1, 1), "2.81");
    EXPECT_EQ(t.cell(4, 1), "1.825");
    EXPECT_EQ(t.cell(0, 2), "2.つま先版(S)　　");
    EXPECT_EQ(t.cell(0, 3), "3.前面土(M)　　　");
    EXPECT_EQ(t.cell(0, 4), "4.前面土(S)　　　");
    const TableSection& points = w->book.table(TableId::SlabPointTable);
    EXPECT_EQ(points.cell(0, 0), "1.つま先(M)");
    const FigureSection& f = w->book.figure(FigureId::SlabLoadFigure);
    EXPECT_EQ(f.series(1).pointCount(), 9u);  // the wall drawn without a table
    EXPECT_EQ(f.series(2).colour(), colours::red);
    EXPECT_EQ(f.series(5).colour(), colours::maroon);
}

TEST(SlabLoadTable, ToeSectionOutsideTheToeLosesItsRow) {
    const auto w = write([](DesignConditions& d) {
        d.toeWidth.text = "300";
        d.baseWidth.text = "842";
    });
    const TableSection& t = w->book.table(TableId::SlabLoadTable);
    EXPECT_EQ(t.cell(0, 1), "1.つま先版(M)　　");
    EXPECT_EQ(t.cell(0, 2), "2.前面土(M)　　　");
}

}  // namespace
}  // namespace marvoten
