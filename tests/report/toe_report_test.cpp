#include "report/toe_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using Lines = std::vector<std::string>;

// A run's book and object up to the member design, with the stem moment M0.
struct ToeRun {
    DesignConditions dc;
    TAntei a;
    double M0;
    CalculationBook book;

    explicit ToeRun(DesignConditions conditions, double stemM0 = 1e9)
        : dc(std::move(conditions)), M0(stemM0) {
        computeStabilityLoads(a, dc);
        computeStability(a);
        book.resetResultTables();
    }
    void design() {
        writeToeReport(designToe(a, M0), a, weighLoadPolygons(a).wallBody(), dc, book);
    }
    const Lines& forces() const { return book.text(TextId::ToeForcesText).upper().lines(); }
    const Lines& stresses() const { return book.text(TextId::ToeStressText).upper().lines(); }
    const TableSection& table(TableId id) const { return book.table(id); }
};

DesignConditions withBuoyancy() {
    DesignConditions dc;
    dc.hasWater.on = true;
    dc.waterDepth.text = "1.5";
    dc.waterUnitWeight.text = "9.8";
    dc.buoyancyInSlab.on = true;
    return dc;
}

bool has(const Lines& l, const std::string& s) {
    return std::find(l.begin(), l.end(), s) != l.end();
}

bool anyContains(const Lines& l, const std::string& s) {
    return std::any_of(l.begin(), l.end(),
                       [&](const std::string& line) { return line.find(s) != std::string::npos; });
}

std::vector<std::string> column(const TableSection& t, int c) {
    std::vector<std::string> cells;
    for (int r = 0; r < t.rowCount(); ++r) cells.push_back(t.cell(c, r));
    return cells;
}

TEST(ToeReport, LayoutWithoutBuoyancy) {
    ToeRun run{DesignConditions{}};
    run.design();
    const Lines& f = run.forces();
    ASSERT_EQ(f.size(), 26u);
    EXPECT_EQ(f[3], "");  // the empty line after the three title lines
    EXPECT_EQ(f[4], "(a)断面力");
    EXPECT_EQ(f[10], "     Wc(自重)                 =59.01kN");
    EXPECT_EQ(f[12], "     Qs(地盤反力)=Ls･(q1+q3)/2=312.73kN");
    EXPECT_EQ(f[13], "       Ls(先端～ H/2部距離)   =3.050m");
    EXPECT_EQ(f[19], "   ここに");
    EXPECT_EQ(f[21], "     Sv(前面土自重)           =118.80kN");
    EXPECT_EQ(f[23], "       Lo(q1～q4間距離)       =3.500m");
    EXPECT_EQ(f.back(), "     x1=1.675m:x2=1.785m:x3=2.084m");
    EXPECT_FALSE(anyContains(f, "x4="));
    EXPECT_FALSE(anyContains(f, "Sf(前面土浮力)"));

    for (TableId id : {TableId::ToeHalfDepthTable, TableId::ToeRootTable}) {
        const TableSection& t = run.table(id);
        EXPECT_EQ(t.rowCount(), 5);
        EXPECT_EQ(column(t, 0),
                  (std::vector<std::string>{"断面力", "自　重", "前面土", "地盤反力", "合計"}));
    }
    const TableSection& half = run.table(TableId::ToeHalfDepthTable);
    EXPECT_EQ(half.cell(3, 1), "-59.01");
    EXPECT_EQ(half.cell(3, 2), "-104.33");
    EXPECT_EQ(half.cell(1, 3), "150.23");
    EXPECT_EQ(half.cell(2, 3), "54.84");
    EXPECT_EQ(half.cell(3, 4), "149.39");
    EXPECT_EQ(half.cell(4, 4), "---");  // no lever in the shear table
    const TableSection& root = run.table(TableId::ToeRootTable);
    EXPECT_EQ(root.cell(3, 2), "-118.80");
    EXPECT_EQ(root.cell(4, 2), "1.785");
    EXPECT_EQ(root.cell(5, 4), "369.22");  // M root on the total row
}

TEST(ToeReport, LayoutWithBuoyancy) {
    ToeRun run{withBuoyancy()};
    run.design();
    const Lines& f = run.forces();
    ASSERT_EQ(f.size(), 29u);
    EXPECT_EQ(f[3], "(a)断面力");
    EXPECT_EQ(f[7], "   S=-Wc-Sv+Qs+Sf+Wf          =148.81kN");
    EXPECT_EQ(f[9], "     Wc(つま先版自重)         =59.01kN");
    EXPECT_EQ(f[15], "     Sf(前面土浮力)  　       =19.50kN");  // 9 kN/m3 · 2.1664 m2
    EXPECT_EQ(f[16], "     Wf(つま先版浮力)         =23.60kN");  // 9.8 kN/m3 · 2.4086 m2
    EXPECT_FALSE(has(std::vector<std::string>(f.begin() + 19, f.end()), "   ここに"));
    EXPECT_EQ(f[27].substr(0, 14), "     x1=1.675m");
    EXPECT_EQ(f[28].substr(0, 14), "     x4=1.836m");
    EXPECT_EQ(f[28].substr(14), ":x5=1.675m");  // the submerged slab is the whole slab

    for (TableId id : {TableId::ToeHalfDepthTable, TableId::ToeRootTable}) {
        const TableSection& t = run.table(id);
        EXPECT_EQ(t.rowCount(), 7);
        EXPECT_EQ(column(t, 0), (std::vector<std::string>{"断面力", "自　重", "前面土", "地盤反力",
                                                          "前面土浮力", "つま先版浮力", "合計"}));
    }
    const TableSection& half = run.table(TableId::ToeHalfDepthTable);
    EXPECT_EQ(half.cell(3, 4), "19.50");
    EXPECT_EQ(half.cell(3, 5), "23.60");
    EXPECT_EQ(half.cell(3, 6), "148.81");
    const TableSection& root = run.table(TableId::ToeRootTable);
    EXPECT_EQ(root.cell(3, 5), "27.54");  // 9.8 · 2.81
    EXPECT_EQ(root.cell(4, 5), "1.675");
}

TEST(ToeReport, StartValueBarsAndStresses) {
    ToeRun run{DesignConditions{}};
    run.design();
    const Lines& s = run.stresses();
    EXPECT_TRUE(has(s, "   As=-------------      =3,238mm2"));
    EXPECT_TRUE(has(s, "     d   (部材厚-かぶり) =790mm"));
    EXPECT_TRUE(has(s, "     上記式を解いてx=232mmを得る。"));
    EXPECT_TRUE(has(s, "   直径=D25mm:ﾋﾟｯﾁ=@125mmとする。"));
    EXPECT_TRUE(has(s, "   使用鉄筋量(A)は4,054mm2"));
    EXPECT_TRUE(has(s, "   となり、必要鉄筋量を満足する。"));
    EXPECT_TRUE(has(s, "　　d(部材厚-かぶり)　　　　 =769mm"));  // d half = 0.8794 − 0.11
    EXPECT_TRUE(has(s, "　　Cdc (剪断ｽﾊﾟﾝ比[a/d]の補正係数) =1.000"));
    EXPECT_TRUE(has(s, "　　　d (たて壁位置の底版の有効高)　=0.790m"));
    EXPECT_EQ(s.back(), "計算結果を[図][表]に示す。");
    EXPECT_EQ(s.size(), 60u);

    const TableSection& t = run.table(TableId::ToeStressTable);
    EXPECT_EQ(t.cell(1, 3), "3238mm2");
    EXPECT_EQ(t.cell(1, 4), "4054mm2");
    EXPECT_EQ(t.cell(1, 5), "D25@125");
    EXPECT_EQ(t.cell(2, 6), "8.00N/mm2");
    EXPECT_EQ(t.cell(2, 7), "160.00N/mm2");
    EXPECT_EQ(t.cell(1, 9), "OK");

    const FigureSection& fig = run.book.figure(FigureId::ToeReactionFigure);
    EXPECT_EQ(fig.series(2).colour(), colours::purple);
    EXPECT_DOUBLE_EQ(fig.verticalAxis().maximum, 0.9 + 0.5);
    EXPECT_DOUBLE_EQ(fig.horizontalAxis().maximum, 4.042 + 0.5);
    const auto& bar = fig.series(3).points();
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_DOUBLE_EQ(bar[1].x, 4.042 / 2);
    EXPECT_DOUBLE_EQ(bar[1].y, 0.11);
    EXPECT_EQ(bar[1].label, "D25@125:" + t.cell(1, 6));
}

TEST(ToeReport, StemMomentBelowRootMomentIsTheDesignMoment) {
    ToeRun run{DesignConditions{}, 200.0};
    run.design();
    EXPECT_TRUE(has(run.forces(), "   M=-Wc･x1-Sv･x2+Qs･x3       =369.22kNm"));
    EXPECT_TRUE(has(run.stresses(), "     M   (曲げﾓｰﾒﾝﾄ)     =200.00kNm"));
    EXPECT_TRUE(has(run.stresses(), "    M(曲げﾓｰﾒﾝﾄ)　　　　　　　=200.00kNm"));
    EXPECT_EQ(run.table(TableId::ToeStressTable).cell(1, 1), "200.00kNm");
}

struct MissingBarsRow {
    const char* name;
    int mode;
    const char* pitch;
    const char* diameter;
    double sigmaSa;
};

class ToeReportMissingBars : public ::testing::TestWithParam<MissingBarsRow> {};

INSTANTIATE_TEST_SUITE_P(ToeReport, ToeReportMissingBars,
                         ::testing::Values(MissingBarsRow{"AutomaticBeyondTable", 0, "-", "-", 10},
                                           MissingBarsRow{"GivenPitchTooWide", 1, "300mm", "-", 60},
                                           MissingBarsRow{"GivenDiameterTooThin", 2, "-", "6mm",
                                                          160}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ToeReportMissingBars, ShortfallWithoutStresses) {
    const MissingBarsRow& row = GetParam();
    DesignConditions dc;
    dc.toeRebar.mode = row.mode;
    dc.toeRebar.pitch.text = row.pitch;
    dc.toeRebar.diameter.text = row.diameter;
    ToeRun run{dc};
    run.a.sigmaSa = row.sigmaSa;
    run.design();
    const Lines& s = run.stresses();
    EXPECT_TRUE(has(s, "   鉄筋量不足である。"));
    EXPECT_TRUE(has(s, "　鉄筋量不足のため、応力度の計算は行わない。"));
    EXPECT_FALSE(anyContains(s, "必要鉄筋量を満足する"));
    EXPECT_FALSE(anyContains(s, "σc(圧縮応力度)"));
    EXPECT_FALSE(anyContains(s, "9999"));
    const TableSection& t = run.table(TableId::ToeStressTable);
    for (int r : {4, 5, 6, 7, 8}) EXPECT_EQ(t.cell(1, r), "---") << r;
    EXPECT_EQ(t.cell(1, 9), "不可");
    for (const Lines* l : {&s, &run.forces()})
        for (const std::string& line : *l) EXPECT_FALSE(testing::showsNonFinite(line)) << line;
    for (int c = 1; c < 3; ++c)
        for (const std::string& cell : column(t, c)) EXPECT_FALSE(testing::showsNonFinite(cell));
    EXPECT_EQ(run.book.figure(FigureId::ToeReactionFigure).series(3).points()[1].label, "---:---");
}

TEST(ToeReport, GivenBarsBelowTheRequiredArea) {
    DesignConditions dc;
    dc.toeRebar.mode = 3;
    dc.toeRebar.pitch.text = "300mm";
    dc.toeRebar.diameter.text = "6mm";
    ToeRun run{dc};
    run.design();
    const Lines& s = run.stresses();
    EXPECT_TRUE(has(s, "   直径=D6mm:ﾋﾟｯﾁ=@300mmとする。"));
    EXPECT_TRUE(has(s, "   使用鉄筋量(A)は106mm2"));  // 1000/300 · 31.67
    EXPECT_TRUE(has(s, "   となり、鉄筋量不足である。"));
    EXPECT_FALSE(anyContains(s, "必要鉄筋量を満足する"));
    EXPECT_EQ(run.table(TableId::ToeStressTable).cell(1, 5), "D6@300");
    EXPECT_EQ(run.table(TableId::ToeStressTable).cell(1, 9), "不可");
}

}  // namespace
}  // namespace marvoten
