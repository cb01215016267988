#include "report/key_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "report/toe_report.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using Lines = std::vector<std::string>;

// The start-value wall with a key 500 mm wide and 600 mm high at 1.5 m from
// the toe end (cover 0.11 m).
DesignConditions keyedWall() {
    DesignConditions dc;
    dc.hasShearKey = 1;
    dc.keyPosition.text = "1500";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "600";
    return dc;
}

struct KeyRun {
    DesignConditions dc;
    TAntei a;
    CalculationBook book;

    explicit KeyRun(DesignConditions conditions) : dc(std::move(conditions)) {
        computeStabilityLoads(a, dc);
        computeStability(a);
        book.resetResultTables();
    }
    // The slab designs in the order of a run: toe slab, then key.
    void design() {
        const ToeDesign toe = designToe(a, 1e9);
        writeToeReport(toe, a, weighLoadPolygons(a).wallBody(), dc, book);
        writeKeyReport(designKey(a), toe, a, weighLoadPolygons(a).wallBody(), dc, book);
    }
    const Lines& forces() const { return book.text(TextId::KeyForcesText).upper().lines(); }
    const Lines& stresses() const { return book.text(TextId::KeyStressText).upper().lines(); }
    const TableSection& table() const { return book.table(TableId::KeyTable); }
};

bool has(const Lines& l, const std::string& s) {
    return std::find(l.begin(), l.end(), s) != l.end();
}

bool anyContains(const Lines& l, const std::string& s) {
    return std::any_of(l.begin(), l.end(),
                       [&](const std::string& line) { return line.find(s) != std::string::npos; });
}

void expectNothingNonFinite(const KeyRun& run) {
    for (const Lines* l : {&run.forces(), &run.stresses()})
        for (const std::string& line : *l) EXPECT_FALSE(testing::showsNonFinite(line)) << line;
    for (int c = 1; c < 3; ++c)
        for (int r = 1; r < run.table().rowCount(); ++r) {
            EXPECT_FALSE(testing::showsNonFinite(run.table().cell(c, r))) << run.table().cell(c, r);
        }
}

TEST(KeyReport, SixtyCentimetreKeyWithFiftyKilonewtons) {
    KeyRun run{keyedWall()};
    run.a.Ht = 50;
    run.design();
    const Lines& f = run.forces();
    ASSERT_EQ(f.size(), 30u);
    EXPECT_EQ(f[5], "　　　=50.00kN");
    EXPECT_EQ(f[8], "　　　b1(擁壁底面前端～突起前面の距離)=1.500m");
    EXPECT_EQ(f[9], "　　　b2(有効載荷幅内の突起幅)　　　　=0.500m");
    EXPECT_EQ(f[16], "　　　φ (基礎地盤の剪断抵抗角)　　 　=35度");
    EXPECT_EQ(f[24], "　　　M= ---･Ht =15.00kNm");
    EXPECT_EQ(f[27], "　　　H (突起の高さ)　　　　=0.600m");
    EXPECT_EQ(f[28], "　　　Ht(突起に加わる水平力)=50.00kN");

    const Lines& s = run.stresses();
    EXPECT_EQ(s.size(), 48u);
    EXPECT_TRUE(has(s, "　　　M   (曲げﾓｰﾒﾝﾄ)　　 =15.00kNm"));
    EXPECT_TRUE(has(s, "　　　d   (部材厚-かぶり) =0.390m"));
    EXPECT_TRUE(has(s, "　　直径=D13mm:ﾋﾟｯﾁ=@250mm"));
    EXPECT_TRUE(has(s, "　　に設定すれば、使用鉄筋量は507mm2"));
    EXPECT_TRUE(has(s, "　　になり、必要鉄筋量を満足する。"));
    EXPECT_TRUE(has(s, "　τm= S/(b･d)　　　=0.13N/mm2"));  // 50 kN over 1000 × 390 mm
    EXPECT_TRUE(has(s, "　　S(剪断力)　　　 =50.00kN"));
    EXPECT_TRUE(has(s, "　　　a (剪断ｽﾊﾟﾝ:荷重の合力位置)　 =0.300m"));
    EXPECT_TRUE(has(s, "　　Ce　(有効高dの補正係数)　　　　 =1.349"));  // 1.4 − 0.4 · 90/700

    const TableSection& t = run.table();
    EXPECT_EQ(t.cell(1, 1), "15.00kNm");
    EXPECT_EQ(t.cell(1, 2), "50.00kN");
    EXPECT_EQ(t.cell(1, 5), "D13@250");
    EXPECT_EQ(t.cell(1, 8), "0.13N/mm2");
    EXPECT_EQ(t.cell(1, 9), "OK");

    const auto& bar = run.book.figure(FigureId::KeyFigure).series(3).points();
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_DOUBLE_EQ(bar[0].x, 1.5 + 0.11);
    EXPECT_DOUBLE_EQ(bar[0].y, 0.7 - 0.11);
    EXPECT_DOUBLE_EQ(bar[1].y, -0.6 + 0.11);
    EXPECT_DOUBLE_EQ(bar[2].x, 2.0 - 0.11);
    EXPECT_EQ(bar[2].label, "D13@250:" + t.cell(1, 6));
}

TEST(KeyReport, WithoutKeyZeroForcesAndTableKeepsDashes) {
    KeyRun run{DesignConditions{}};
    run.design();
    const Lines& f = run.forces();
    EXPECT_EQ(f[5], "　　　=0.00kN");
    EXPECT_TRUE(has(f, "　　　M= ---･Ht =0.00kNm"));
    EXPECT_TRUE(has(f, "　　　Ht(突起に加わる水平力)=0.00kN"));
    const Lines& s = run.stresses();
    EXPECT_TRUE(has(s, "　　直径=D0mm:ﾋﾟｯﾁ=@0mm"));
    EXPECT_TRUE(has(s, "　　　d (突起の有効高)　　　　　　　=0.000m"));
    // Without a key the stress lines carry the toe slab's stresses.
    EXPECT_TRUE(
        has(s, "　σc= ------------ =" + run.book.table(TableId::ToeStressTable).cell(1, 6)));
    for (int c = 1; c < 3; ++c)
        for (int r = 1; r < run.table().rowCount(); ++r) EXPECT_EQ(run.table().cell(c, r), "---");
    EXPECT_TRUE(run.book.figure(FigureId::KeyFigure).series(3).points().empty());
}

TEST(KeyReport, GivenBarsBelowTheRequiredAreaAreAShortfall) {
    DesignConditions dc = keyedWall();
    dc.keyRebar.mode = 3;
    dc.keyRebar.pitch.text = "300mm";
    dc.keyRebar.diameter.text = "6mm";
    KeyRun run{dc};
    run.a.Ht = 50;
    run.design();
    const Lines& s = run.stresses();
    EXPECT_TRUE(has(s, "　　直径=D6mm:ﾋﾟｯﾁ=@300mm"));
    EXPECT_TRUE(has(s, "　　になり、鉄筋量不足である。"));
    EXPECT_FALSE(anyContains(s, "必要鉄筋量を満足する"));
    EXPECT_EQ(run.table().cell(1, 9), "不可");
    expectNothingNonFinite(run);
}

TEST(KeyReport, NoBarsFoundIsAShortfallWithoutStresses) {
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        DesignConditions dc = keyedWall();
        dc.keyRebar.mode = mode;
        dc.keyRebar.diameter.text = "6mm";
        KeyRun run{dc};
        run.a.Ht = 50;
        run.a.sigmaSa = mode == 0 ? 0.5 : 20;  // about 83,000 resp. 2,100 mm2 needed
        run.design();
        const Lines& s = run.stresses();
        EXPECT_TRUE(has(s, "　　鉄筋量不足である。"));
        EXPECT_TRUE(has(s, "　鉄筋量不足のため、応力度の計算は行わない。"));
        EXPECT_FALSE(anyContains(s, "必要鉄筋量を満足する"));
        EXPECT_FALSE(anyContains(s, "σc="));
        EXPECT_FALSE(anyContains(s, "9999"));
        EXPECT_EQ(run.table().cell(1, 5), "---");
        EXPECT_EQ(run.table().cell(1, 6), "---");
        EXPECT_EQ(run.table().cell(1, 9), "不可");
        expectNothingNonFinite(run);
    }
}

}  // namespace
}  // namespace marvoten
