#include "report/stem_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>

#include "book/line_format.h"
#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "calc/toe_design.h"
#include "report/calculation_run.h"
#include "support/design_fixtures.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;
constexpr double deg = std::numbers::pi / 180;

struct Written {
    DesignConditions dc;
    TAntei a;
    CalculationBook book;
};

// The stem pages of a run: loads, stability, then the stem's design written.
std::unique_ptr<Written> write(const std::function<void(DesignConditions&)>& change = {}) {
    auto w = std::make_unique<Written>();
    if (change) change(w->dc);
    computeStabilityLoads(w->a, w->dc);
    computeStability(w->a);
    w->book.resetResultTables();
    const StemDesign s = designStem(w->a);
    const LoadPolygonTable polygons = weighLoadPolygons(w->a);
    writeStemPages(w->a, polygons.wallBody(), w->dc, s, w->book);
    drawStemStressFigure(w->a, polygons.wallBody(), w->book);
    return w;
}

const std::vector<std::string>& upper(const Written& w, TextId id) {
    return w.book.text(id).upper().lines();
}
const std::vector<std::string>& lower(const Written& w, TextId id) {
    return w.book.text(id).lower().lines();
}

std::string lineStarting(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) return l;
    return {};
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The number after the last "=".
double valueOf(const std::string& line) {
    return std::stod(line.substr(line.rfind('=') + 1));
}

// Coulomb for the start values over the stem (Hs = 7.1 m, φ = 35°, δ = 2φ/3,
// γs = 20, q = 10 in the wedge): Ph = Ka·(γs·Hs²/2 + q·Hs)·cos δ.
double fixedEndPh() {
    const double phi = 35 * deg, delta = 2 * phi / 3, Hs = 7.1;
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    const double Ka = std::cos(phi) * std::cos(phi) / (std::cos(delta) * (1 + root) * (1 + root));
    return Ka * (20 * Hs * Hs / 2 + 10 * Hs) * std::cos(delta);
}

TEST(StemForcesText, StartValues) {
    const auto w = write();
    const auto& t = upper(*w, TextId::StemForcesText);
    EXPECT_EQ(t.at(0), "1.たて壁の計算");
    EXPECT_EQ(t.at(3), "  部材設計において考慮する荷重は、常時");
    EXPECT_EQ(t.at(4), "  主働土圧の水平分力とする。");
    EXPECT_TRUE(contains(t, "   たて壁の固定端(H=7.100m)における土圧を求める"));
    EXPECT_TRUE(contains(t, "       W･sin(ω-φ)-c･L･cosφ"));
    const double Ph = fixedEndPh();
    EXPECT_TRUE(near(valueOf(lineStarting(t, "   Ph(水平土圧)")), Ph, 0.006));
    EXPECT_TRUE(
        near(valueOf(lineStarting(t, "   Kh(水平土圧係数)")), 2 * Ph / (20 * 7.1 * 7.1), 0.0006));
    EXPECT_TRUE(contains(t, "     φ(背面土剪断抵抗角)          =35.0度"));
    EXPECT_TRUE(contains(t, "     α(壁面が鉛直となす角)        =0.00度"));
    EXPECT_TRUE(contains(t, "     δ(壁面摩擦角)                =23.33度"));
    EXPECT_TRUE(contains(t, "(b)断面力(土圧)の計算[逆算土圧係数で計算]"));
    EXPECT_TRUE(near(valueOf(lineStarting(t, "   M(曲げﾓｰﾒﾝﾄ)")), Ph * 7.1 / 3, 0.006));
    EXPECT_EQ(t.back(), "     h (土圧作用点)                =2.367m");
    EXPECT_EQ(lineStarting(t, " Zc"), "");
    EXPECT_EQ(lineStarting(t, " hc"), "");

    const auto& l = lower(*w, TextId::StemForcesText);
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[0], "(c)断面力(地震慣性力)の計算");
    EXPECT_EQ(l[1], "   常時であり、地震慣性力はない。");
    EXPECT_TRUE(contains(l, "   水圧は無い。"));
    EXPECT_EQ(l.back(), "計算結果を[表]に示す。");
}

// Seismic with inertia and water: the loads sentence names both, the formula is the
// seismic one, the inertia and water blocks carry their values.
TEST(StemForcesText, SeismicWithInertiaAndWater) {
    const auto w = write([](DesignConditions& d) {
        d.seismicCase = 1;
        d.seismicLoadSet = 1;
        d.kh.text = "0.2";
        d.hasWater.on = true;
        d.waterDepth.text = "3.0";
        d.waterUnitWeight.text = "10";
    });
    const auto& t = upper(*w, TextId::StemForcesText);
    EXPECT_EQ(t.at(3), "  部材設計において考慮する荷重は、地震時主働土圧");
    EXPECT_EQ(t.at(4), "  の水平分力とたて壁自重の地震時慣性力と水圧とする。");
    EXPECT_TRUE(contains(t, "       W･secθsin(ω-φ+θ)-c･L･cosφ"));
    // arctan 0.2 = 11.31°
    EXPECT_TRUE(contains(t, "   θ(地震合成角)  =Arctan(kh)     =11.31度"));
    const auto& l = lower(*w, TextId::StemForcesText);
    // Pbody = (0.4 + 0.542)/2·7.1·24.5 = 81.93 kN, Pinertia = 0.2·81.93 = 16.39 kN.
    EXPECT_TRUE(contains(l, "   Pv(躯体重量)         =81.93kN"));
    EXPECT_TRUE(contains(l, "   Ph(地震慣性力)=Pv･Kh =16.39kN"));
    EXPECT_TRUE(contains(l, "     Kh(水平震度)       =0.20"));
    // Hw = 3.0 − 0.9 = 2.1 m: Pwh = 10·2.1²/2 = 22.05 kN at 0.7 m.
    EXPECT_TRUE(contains(l, "   Pwh(水圧)=γw･------ =22.05kN"));
    // Pwm = 22.05·2.1/3 = 15.435, held as a double just below the half: 15.43.
    EXPECT_TRUE(contains(l, "   Pwm(水圧ﾓｰﾒﾝﾄ )=Pwh･H=15.43kNm"));
    EXPECT_TRUE(contains(l, "     Hw (水深)          =2.100m"));
    EXPECT_TRUE(contains(l, "     H  (作用点)=Hw/3   =0.700m"));
    EXPECT_FALSE(contains(l, "   水圧は無い。"));
}

// Load set 3 (seismic earth pressure without inertia).
TEST(StemForcesText, SeismicPressureWithoutInertia) {
    const auto w = write([](DesignConditions& d) {
        d.seismicCase = 1;
        d.seismicLoadSet = 2;
        d.kh.text = "0.2";
    });
    EXPECT_EQ(upper(*w, TextId::StemForcesText).at(4), "  の水平分力とする。");
    EXPECT_EQ(lower(*w, TextId::StemForcesText).at(1), "   地震慣性力は、無視する。");
}

TEST(StemStressText, StartValuesFixedEnd) {
    const auto w = write();
    const auto& t = upper(*w, TextId::StemStressText);
    EXPECT_EQ(t.at(0), "(e)応力度計算");
    // As ≈ 5,059 mm² for M = 305.45 kN·m on d = 442 mm; D29@125 gives 5,139.2 mm².
    EXPECT_EQ(t.at(4), "　As=---------------　　=5,059mm2");
    EXPECT_TRUE(contains(t, "　配筋は、鉄筋直径=D29mm、鉄筋ﾋﾟｯﾁ=@125mmとする。"));
    EXPECT_TRUE(contains(t, "　使用鉄筋量は、5,139mm2となり必要鉄筋量を満足する。"));
    // σc = 8.31 N/mm² exceeds σca = 8.0: the "＞" variant.
    EXPECT_TRUE(contains(t, "　σc(圧縮応力度)=------------=8.31N/mm2 (＞σca=8.00N/mm2)"));
    EXPECT_EQ(lineStarting(t, "　σs(引張応力度)").find("(≦σsa=160.00N/mm2)") == std::string::npos,
              false);
    EXPECT_TRUE(contains(t, "　　d(部材厚-かぶり) =442mm"));
    EXPECT_TRUE(contains(t, "　　b(幅)　　　　　　=1,000mm"));
    // Ce(442) = 1.4 − 142/700·0.4 = 1.319; Pt = 5,139.2/442,000 = 1.163 %.
    EXPECT_TRUE(
        contains(t, "　　　Ce　 (有効高dの補正係数：表から補間計算)　　　 =1.319 (0.5≦Ce ≦1.4)"));
    EXPECT_TRUE(contains(t, "　　　Pt　 (軸方向引張鉄筋比)　　　　　　　　　　　　=1.163%"));
    EXPECT_TRUE(
        contains(t, "　　　Cpt　(軸方向引張鉄筋比補正係数：表から補間計算)=1.500 (0.7≦Cpt≦1.5)"));
    EXPECT_EQ(t.back(), "　計算結果を一覧表に示す。");
}

// The member-axis angles take π as 3.14: a batter of 1 : 0.3 prints 16.71°, where
// 180/π would give 16.70°.
TEST(StemStressText, BatterAngleWithPiAs314) {
    const auto w = write([](DesignConditions& d) {
        d.toeWidth.text = "1500";
        d.frontBatterWidth.text = "2130";  // 0.3 · 7,100
        d.baseWidth.text = "4030";
    });
    const auto& t = upper(*w, TextId::StemStressText);
    EXPECT_TRUE(contains(t, "　　　tanβ(部材圧縮縁の部材軸との角度)　　　　　　　=16.71度"));
    EXPECT_TRUE(contains(t, "　　　tanγ(引張り鋼材の部材軸との角度)　　　　　　　=0.00度"));
}

TEST(StemTables, QuarterPointsOfTheStartValues) {
    const auto w = write();
    const TableSection& f = w->book.table(TableId::StemForcesTable);
    const TableSection& s = w->book.table(TableId::StemStressTable);
    // Columns 4 … 1: depths Hs, 3Hs/4, Hs/2, Hs/4.
    EXPECT_EQ(f.cell(4, 1), "7.100m");
    EXPECT_EQ(f.cell(3, 1), "5.325m");
    EXPECT_EQ(f.cell(2, 1), "3.550m");
    EXPECT_EQ(f.cell(1, 1), "1.775m");
    // Back-calculated Ph = Ph(Hs)·(y/Hs)²: 129.06/4 = 32.27 at Hs/2, at y/3 = 1.183 m.
    EXPECT_EQ(f.cell(2, 2), formatValue("0.00kN", fixedEndPh() / 4));
    EXPECT_EQ(f.cell(2, 3), "1.183m");
    EXPECT_EQ(f.cell(4, 5), "81.93kN");
    EXPECT_EQ(f.cell(4, 6), "0.00kN");
    EXPECT_EQ(f.cell(4, 13), formatValue("0.00kN", fixedEndPh()));

    EXPECT_EQ(s.cell(4, 2), "0.542m");
    EXPECT_EQ(s.cell(4, 6), "5,059mm2");
    EXPECT_EQ(s.cell(4, 7), "5,139mm2");
    EXPECT_EQ(s.cell(4, 8), "D29@125");
    EXPECT_EQ(s.cell(4, 9), "8.31N/mm2");
    EXPECT_EQ(s.cell(4, 13), "1.319");
    EXPECT_EQ(s.cell(4, 14), "1.163%:1.500");
    EXPECT_EQ(s.cell(4, 15), "不可");
    // Above the end of the anchorage (Lo ≈ 2.8 m): every second bar, half the area.
    EXPECT_EQ(s.cell(3, 8), "D29@125");
    EXPECT_EQ(s.cell(2, 8), "D29@250");
    EXPECT_EQ(s.cell(2, 7), "2,570mm2");
    EXPECT_EQ(s.cell(1, 15), "OK");
}

TEST(StemStressFigure, MainBarAlongTheBackFace) {
    const auto w = write();
    const FigureSection& f = w->book.figure(FigureId::StemStressFigure);
    EXPECT_EQ(f.series(1).points().front().label, "0");
    EXPECT_EQ(f.series(1).points().back().label, " ");
    const auto& bar = f.series(2).points();
    ASSERT_EQ(bar.size(), 2u);
    // Back top P5 = (4.042, 8.0) less the cover 0.1; down to the slab cover 0.11.
    EXPECT_TRUE(near(bar[0].x, 3.942, 1e-9));
    EXPECT_TRUE(near(bar[0].y, 7.9, 1e-9));
    EXPECT_EQ(bar[0].label, "D29@125:8.31N/mm2");
    EXPECT_TRUE(near(bar[1].x, 3.942, 1e-9));
    EXPECT_TRUE(near(bar[1].y, 0.11, 1e-9));
    EXPECT_TRUE(near(f.verticalAxis().maximum, 9.0, 1e-12));
    EXPECT_TRUE(near(f.horizontalAxis().maximum, 4.542, 1e-12));
}

// The printed lengths agree with one another: y = Hs − L, Lo = max(L1 + 35φ, L2).
TEST(AnchorageText, LengthsOfTheStartValues) {
    const auto w = write();
    const auto& t = upper(*w, TextId::AnchorageText);
    const double L1 = valueOf(lineStarting(t, "         L1=h(壁高)-y"));
    const double L2 = valueOf(lineStarting(t, "         L2=h(壁高)-y"));
    EXPECT_TRUE(near(valueOf(lineStarting(t, "         L1+35φ")), L1 + 35 * 29 / 1000.0, 0.0005));
    EXPECT_TRUE(contains(t, "            φ(鉄筋径)        =29mm"));
    EXPECT_TRUE(contains(t, "            h (壁高)          =7.100m"));
    EXPECT_TRUE(contains(t, formatValue("      (1)式を反復計算し解[ y=0.000m]を得る。", 7.1 - L1)));
    const auto& l = lower(*w, TextId::AnchorageText);
    EXPECT_TRUE(contains(l, "     As  (たて壁つけ根配筋量) =5,139mm2"));
    EXPECT_TRUE(contains(l, "     σsa(許容引張応力度)     =160.00N/mm2"));
    const std::string lo = l.back();
    EXPECT_EQ(lo.rfind("     Lo(定着長)=Max(L1+35φ,L2)=", 0), 0u);
    EXPECT_TRUE(near(valueOf(lo), std::max(L1 + 0.035 * 29, L2), 0.0011));
}

TEST(AnchorageFigures, MarkersAndCurves) {
    const auto w = write([](DesignConditions& d) { d.outputColour = 1; });
    const FigureSection& f1 = w->book.figure(FigureId::AnchorageFigureL1);
    const auto& s2 = f1.series(2).points();
    ASSERT_GE(s2.size(), 5u);
    // As/2 = 2,569.6 mm², drawn at As/200.
    EXPECT_TRUE(near(s2[1].x, 25.696, 1e-9));
    EXPECT_EQ(s2[3].label, "As/2=2,570mm2");
    EXPECT_EQ(s2[3].colour, PointColour(colours::black)) << "白黒: the length marks black too";
    EXPECT_EQ(write()->book.figure(FigureId::AnchorageFigureL1).series(2).points()[3].colour,
              PointColour(colours::red))
        << "red in colour";
    EXPECT_EQ(s2[4].label, "5,059mm2");  // A(Hs) at the fixed end
    EXPECT_TRUE(near(s2[4].y, 7.1, 1e-12));
    EXPECT_EQ(f1.series(2).colour(), colours::black);  // 白黒
    // The outline seen from the back top: P5 at the origin, depth downwards.
    EXPECT_TRUE(near(f1.series(1).points().front().x, -4.042, 1e-12));
    EXPECT_TRUE(near(f1.horizontalAxis().maximum, 1.1 * 5059 / 100, 0.02));

    const FigureSection& f2 = w->book.figure(FigureId::AnchorageFigureL2);
    const auto& t2 = f2.series(2).points();
    ASSERT_GE(t2.size(), 5u);
    EXPECT_TRUE(near(t2[1].x, 8.0, 1e-12));  // σsa/20
    EXPECT_EQ(t2[3].label, "σsa/2=80.00N/mm2");
    EXPECT_TRUE(near(f2.horizontalAxis().maximum, 35.2, 1e-9));
    // The curve from Hs upwards in 0.1 m steps while below the top: 7.1 … 0.1 and
    // the remainder of the repeated subtraction just above 0.
    EXPECT_GE(t2.size(), 4 + 71u);
    EXPECT_TRUE(near(t2[5].y, 7.0, 1e-9));
    EXPECT_GT(t2.back().y, 0.0);
    EXPECT_LT(t2.back().y, 0.1 - 1e-9);
}

// A whole run hands the toe slab the stem's fixed-end moment M0 = Ph·Hs/3 as the
// limit of its design moment, and the toe's own root moment governs below it.
TEST(MemberDesignOfARun, ToeSlabTakesTheStemMomentAsItsLimit) {
    CalculationBook book;
    ResultsView view{book};
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;
    DesignConditions dc;
    runCalculation(dc, "", book, view, headings, pageLabels);
    TAntei a;
    computeStabilityLoads(a, dc);
    computeStability(a);
    const StemDesign s = designStem(a);
    EXPECT_TRUE(near(s.M0, fixedEndPh() * 7.1 / 3, 0.01));
    const ToeDesign t = designToe(a, s.M0);
    EXPECT_EQ(t.Md, std::min(t.MRoot, s.M0));
    EXPECT_TRUE(contains(book.text(TextId::ToeStressText).upper().lines(),
                         formatValue("    M(曲げﾓｰﾒﾝﾄ)　　　　　　　=0.00kNm", t.Md)));
    EXPECT_EQ(book.figure(FigureId::StemStressFigure).series(2).pointCount(), 2u);
}

bool printable(const std::string& s) {
    return !testing::showsNonFinite(s);
}

class NoBars : public ::testing::TestWithParam<testing::NoBarsCase> {};

// No combination large enough: the shortfall in the stem's wording, no stresses,
// every verdict "不可", and nothing the book shows is NaN or inf.
TEST_P(NoBars, ShortfallIsStatedWithoutStresses) {
    const auto w = write([&](DesignConditions& d) { GetParam().applyTo(d); });
    const auto& t = upper(*w, TextId::StemStressText);
    EXPECT_TRUE(contains(t, "　鉄筋の組合せが見つからず、鉄筋量不足である。"));
    EXPECT_EQ(lineStarting(t, "　使用鉄筋量は、"), "");
    EXPECT_EQ(lineStarting(t, "　配筋は、"), "");
    EXPECT_EQ(lineStarting(t, "　σc"), "");
    EXPECT_TRUE(contains(t, "　鉄筋量不足のため、応力度の計算は行わない。"));

    const TableSection& s = w->book.table(TableId::StemStressTable);
    for (int col = 1; col <= 4; ++col) {
        EXPECT_EQ(s.cell(col, 15), "不可") << "column " << col;
        for (int row : {7, 8, 9, 10, 12, 14}) EXPECT_EQ(s.cell(col, row), "---");
    }
    EXPECT_EQ(upper(*w, TextId::AnchorageText).back(),
              "   主鉄筋が決まらないため、定着位置の計算は行わない。");
    EXPECT_EQ(w->book.figure(FigureId::AnchorageFigureL1).series(2).pointCount(), 0u);

    for (TextId id : {TextId::StemForcesText, TextId::StemStressText, TextId::AnchorageText}) {
        const TextSection& sec = w->book.text(id);
        for (int b = 0; b < sec.blockCount(); ++b)
            for (const std::string& l : sec.block(b).lines()) EXPECT_TRUE(printable(l)) << l;
    }
    for (TableId id : {TableId::StemForcesTable, TableId::StemStressTable}) {
        const TableSection& tab = w->book.table(id);
        for (int r = 1; r < tab.rowCount(); ++r)
            for (int col = 1; col < tab.columnCount(); ++col)
                EXPECT_TRUE(printable(tab.cell(col, r))) << tab.cell(col, r);
    }
    for (FigureId id :
         {FigureId::StemStressFigure, FigureId::AnchorageFigureL1, FigureId::AnchorageFigureL2}) {
        const FigureSection& fig = w->book.figure(id);
        EXPECT_TRUE(std::isfinite(fig.horizontalAxis().maximum));
        for (const FigureSeries& series : fig.allSeries())
            for (const FigurePoint& p : series.points()) {
                EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
                EXPECT_TRUE(printable(p.label)) << p.label;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, NoBars, ::testing::ValuesIn(testing::noBarsCases),
                         testing::noBarsCaseName);

// Both given and too small: the shortfall is stated, the stresses are still checked
// with the bars given, and they exceed the allowable values.
TEST(StemStressText, GivenBarsTooSmall) {
    const auto w = write([](DesignConditions& d) {
        d.stemRebar.mode = 3;
        d.stemRebar.pitch.text = "250mm";
        d.stemRebar.diameter.text = "16mm";
    });
    const auto& t = upper(*w, TextId::StemStressText);
    // D16@250: 4·198.6 = 794.4 mm².
    EXPECT_TRUE(contains(t, "　使用鉄筋量は、794mm2となり鉄筋量不足である。"));
    EXPECT_TRUE(contains(t, "　配筋は、鉄筋直径=D16mm、鉄筋ﾋﾟｯﾁ=@250mmとする。"));
    EXPECT_NE(lineStarting(t, "　σs(引張応力度)").find("(＞σsa=160.00N/mm2)"), std::string::npos);
    EXPECT_EQ(w->book.table(TableId::StemStressTable).cell(4, 15), "不可");
}

}  // namespace
}  // namespace marvoten
