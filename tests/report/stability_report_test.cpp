#include "report/stability_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/ground_reaction.h"
#include "calc/input_gathering.h"
#include "report/calculation_run.h"
#include "support/design_fixtures.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using Lines = std::vector<std::string>;

// The six-metre wall without passive pressure; Vo = 120 kN, Ho = 40 kN,
// Mo = 60 kNm and Mr = 60 + 120·d, so that d comes out exactly.
DesignConditions sixMetreWall() {
    DesignConditions dc = testing::sixMetreWall();
    dc.hasPassive.on = false;
    return dc;
}

TAntei loaded(const DesignConditions& dc, double d, double Ho = 40) {
    TAntei a;
    gatherInputs(a, dc);
    a.sumV = 120;
    a.sumH = Ho;
    a.sumMo = 60;
    a.sumMr = 60 + 120 * d;
    return a;
}

TAntei stable(const DesignConditions& dc, double d, double Ho = 40) {
    TAntei a = loaded(dc, d, Ho);
    computeStability(a);
    return a;
}

const Lines& lines(const CalculationBook& book, TextId id) {
    return book.text(id).upper().lines();
}

void expectHeadingText(const StabilityHeadings& h, StabilityCheck c, const std::string& text) {
    EXPECT_EQ(h.of(c).text, text);
}

bool has(const Lines& l, const std::string& s) {
    return std::find(l.begin(), l.end(), s) != l.end();
}

struct Report {
    CalculationBook book;
    StabilityHeadings headings;
    Report(const TAntei& a, const DesignConditions& dc) {
        writeStabilityReport(a, judgeStability(a), weighLoadPolygons(a).wallBody(), dc, book,
                             headings);
    }
    const Lines& operator[](TextId id) const { return lines(book, id); }
    const VerdictHeading& heading(StabilityCheck c) const { return headings.of(c); }
};

void expectHeading(const Report& r, StabilityCheck c, const std::string& text, bool ok) {
    EXPECT_EQ(r.heading(c).text, text);
    EXPECT_EQ(r.heading(c).colour, ok ? colours::blue : colours::red) << text;
}

TEST(StabilityHeadings, BeforeTheFirstRunThePlainCaptions) {
    const StabilityHeadings h;
    EXPECT_EQ(h.of(StabilityCheck::Sliding).text, "１．滑動に対する安定");
    EXPECT_EQ(h.of(StabilityCheck::UltimateBearing).text, "４．鉛直支持力の照査");
}

// e = B/6 exactly in the normal case: overturning passes, q2 = 0.
TEST(OverturningText, EccentricityExactlyASixthPasses) {
    const DesignConditions dc = sixMetreWall();
    const Report r(stable(dc, 2.0), dc);
    const Lines expected{"2.転倒に対する安定計算",
                         "  擁壁底面つま先から合力Rの作用点までの距離(d)は、次式で求める。",
                         "",
                         "      Mr - Mo",
                         "  d=-----------                        =2.000m",
                         "         Vo",
                         "",
                         "  ここに",
                         "    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =300.00kNm",
                         "    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =60.00kNm",
                         "    Vo(擁壁底面における全鉛直荷重)     =120.00kN",
                         "  合力Rの作用点の底版中央からの偏心距離(e)は、次式で求める。",
                         "  e=B/2-d        =1.000m",
                         "",
                         "  転倒に対する安定条件として、合力Rの作用点は常時は底版中央の",
                         "  底版幅1/3の範囲内になければならない。",
                         "  すなわち、偏心距離(e)は、式|e|≦B/6を満足しなければならない。",
                         "",
                         "  |e|≦B/6       =1.000m",
                         "  判定：OK(中央1/3以内)"};
    EXPECT_EQ(r[TextId::OverturningText], expected);
    expectHeading(r, StabilityCheck::Overturning, "2.転倒に対する安定( OK )", true);
    EXPECT_TRUE(has(r[TextId::BearingText], "    q2(かかとでの地盤反力度)         =0.00kN/m2"));
    EXPECT_TRUE(has(r[TextId::BearingText], "    q1(つま先での地盤反力度)         =40.00kN/m2"));
}

TEST(OverturningText, BeyondASixthFailsInTheNormalCase) {
    const DesignConditions dc = sixMetreWall();
    const Report r(stable(dc, 1.5), dc);  // e = 1.5
    const Lines& t = r[TextId::OverturningText];
    EXPECT_EQ(t[t.size() - 2], "  |e|>B/6        =1.000m");
    EXPECT_EQ(t.back(), "  判定：不可(中央1/3以外)");
    expectHeading(r, StabilityCheck::Overturning, "2.転倒に対する安定( NO )", false);
}

// |e| = B/3 exactly in the seismic case: a toe triangle that passes overturning.
TEST(StabilityReport, SeismicEccentricityExactlyAThird) {
    DesignConditions dc = sixMetreWall();
    dc.seismicCase = 1;
    dc.kh.text = "0.2";
    TAntei a = loaded(dc, 1.0);
    computeStability(a);
    const Report r(a, dc);
    const Lines& o = r[TextId::OverturningText];
    EXPECT_EQ(o[o.size() - 2], "  |e|≦B/3     =2.000m");
    EXPECT_EQ(o.back(), "  判定：OK(中央2/3以内)");
    const Lines bearing{"3.支持地盤の支持力に対する安定",
                        "  地盤反力度(q)は、次式で求める。",
                        "",
                        "      2･Vo",
                        "  q=-------                          =80.00kN/m2",
                        "      3･d",
                        "",
                        "  ここに",
                        "    Vo(擁壁底面における全鉛直荷重)   =120.00kN",
                        "    d (つま先～合力作用位置間の距離) =1.000m",
                        "",
                        "  q1,q2は次式を満足しなければならない。",
                        "  q1,q2≦qa0(地盤の許容鉛直支持力度)=450kN/m2",
                        "",
                        "  判定：OK(許容鉛直支持力度内)",
                        "    q1(つま先での地盤反力度)≦qa0(=450kN/m2)",
                        "    q2(かかとでの地盤反力度)≦qa0(=450kN/m2)"};
    EXPECT_EQ(r[TextId::BearingText], bearing);
    expectHeading(r, StabilityCheck::Bearing, "3.支持力に対する安定( OK )", true);
}

TEST(OverturningText, BeyondAThirdFailsInTheSeismicCase) {
    DesignConditions dc = sixMetreWall();
    dc.seismicCase = 1;
    dc.kh.text = "0.2";
    const Report r(stable(dc, 0.9), dc);  // e = 2.1 > B/3 = 2
    const Lines& t = r[TextId::OverturningText];
    EXPECT_EQ(t[t.size() - 2], "  |e|>B/3      =2.000m");
    EXPECT_EQ(t.back(), "  判定：不可(中央2/3以外)");
    expectHeading(r, StabilityCheck::Overturning, "2.転倒に対する安定( NO )", false);
}

// e < 0 beyond B/6: the triangle at the heel; the text shows d and B − d.
TEST(BearingText, HeelTriangleShowsBothDistances) {
    DesignConditions dc = sixMetreWall();
    dc.allowableBearing.text = "50";
    TAntei a = loaded(dc, 4.5);
    a.allowableBearing = 50;
    computeStability(a);
    const Report r(a, dc);
    const Lines& t = r[TextId::BearingText];
    EXPECT_EQ(t[4], "  q=-------                          =53.33kN/m2");  // 2·120/(3·1.5)
    EXPECT_TRUE(has(t, "    d (つま先～合力作用位置間の距離) =4.500m"));
    EXPECT_TRUE(has(t, "    d (踵　　～合力作用位置間の距離) =1.500m"));
    EXPECT_TRUE(has(t, "  判定：不可(許容鉛直支持力度外)"));
    EXPECT_TRUE(has(t, "    q1(つま先での地盤反力度)≦qa0(=50kN/m2)"));
    EXPECT_TRUE(has(t, "    q2(かかとでの地盤反力度)＞qa0(=50kN/m2)"));
    expectHeading(r, StabilityCheck::Bearing, "3.支持力に対する安定( NO )", false);
}

TEST(StabilityReport, BeyondAThirdIsReportedAndEverythingFails) {
    const DesignConditions dc = sixMetreWall();
    const Report r(stable(dc, 0.9), dc);  // e = 2.1 > B/3
    const Lines bearing{"3.支持地盤の支持力に対する安定",
                        "  地盤反力度(q)は、次式で求める。",
                        "",
                        "  q              =計算不能",
                        "    Vo(擁壁底面における全鉛直荷重)   =120.00kN",
                        "    B (擁壁の底版幅)                 =6.000m",
                        "    e (偏心距離)                     =2.100m",
                        "",
                        "  偏心距離が[B/3]をオーバーしましたので",
                        "  設計条件を変更して再計算して下さい。",
                        "",
                        "  　地盤反力が計算出来ませんので、これ",
                        "  以降の構造計算結果は使用できません。",
                        "  判定：不可(偏心距離オーバー)"};
    EXPECT_EQ(r[TextId::BearingText], bearing);
    EXPECT_EQ(r[TextId::SlidingText].size(), 7u);
    EXPECT_EQ(r[TextId::SlidingText].back(), "  に対する安定計算ができません。");
    expectHeading(r, StabilityCheck::Sliding, "1.滑動に対する安定( NO )", false);
    expectHeading(r, StabilityCheck::Bearing, "3.支持力に対する安定( NO )", false);
    EXPECT_EQ(r.book.figure(FigureId::GroundReactionFigure).series(2).pointCount(), 0u);
    EXPECT_EQ(r.book.figure(FigureId::GroundReactionFigure).series(1).pointCount(), 0u);
}

TEST(SlidingText, WithoutKeyAndWithoutPassivePressure) {
    const DesignConditions dc = sixMetreWall();
    const Report r(stable(dc, 2.0), dc);  // Fs = 0.6·120/40 = 1.80
    const Lines expected{"1.滑動に対する安定",
                         "  滑動に対する安全率(Fs)は、次式で求める。",
                         "",
                         "      Vo･μ+Cb･Be",
                         "  Fs=--------------                      =1.80",
                         "         Ho",
                         "",
                         "  ここに",
                         "    Vo (擁壁底面における全鉛直荷重)      =120.00kN",
                         "    Ho (擁壁底面における全水平荷重)      =40.00kN",
                         "    μ (擁壁底面と地盤の間の摩擦係数)    =0.60",
                         "    Cb (擁壁底面と地盤の間の付着力)      =0.00kN/m2",
                         "    Be (有効載荷幅)                      =4.000m",
                         "       (偏心距離>0なら、有効載荷幅=底版幅(B)-2×偏心距離(e))",
                         "       (偏心距離<0なら、有効載荷幅=底版幅(B)とする",
                         "",
                         "  安全率Fsは1.5を下回ってはならい。",
                         "  判定：OK(Fs≧1.5)"};
    EXPECT_EQ(r[TextId::SlidingText], expected);
    expectHeading(r, StabilityCheck::Sliding, "1.滑動に対する安定( OK )", true);
}

// The formula carries 0.5･Pp exactly when the resistance includes it: with the
// option on even for Pp = 0, and never for a Pp from cohesion alone with the option
// off, which is listed among the loads but does not resist sliding.
TEST(SlidingText, FormulaShowsPpExactlyWhenTheResistanceIncludesIt) {
    struct Case {
        bool passiveOn;
        double Pp;
        Lines formula;
        const char* ppLine;  // nullptr: no Pp line
    };
    const std::vector<Case> cases{
        {true,
         0,
         {"      Vo･μ+Cb･Be+0.5･Pp", "  Fs=--------------------                =1.20",
          "            Ho"},
         "    Pp (受働土圧)                        =0.00kN"},
        {false,
         30,
         {"      Vo･μ+Cb･Be", "  Fs=--------------                      =1.20", "         Ho"},
         nullptr},
    };
    for (const Case& c : cases) {
        DesignConditions dc = sixMetreWall();
        dc.hasPassive.on = c.passiveOn;
        TAntei a = loaded(dc, 2.0, 60);
        a.passivePressure = c.Pp;
        computeStability(a);
        const Report r(a, dc);
        const Lines& t = r[TextId::SlidingText];
        ASSERT_GE(t.size(), 6u);
        EXPECT_EQ(Lines(t.begin() + 3, t.begin() + 6), c.formula) << c.passiveOn;  // Fs = 72/60
        const bool anyPpLine = std::any_of(t.begin(), t.end(), [](const std::string& l) {
            return l.find("Pp (受働土圧)") != std::string::npos;
        });
        EXPECT_EQ(anyPpLine, c.ppLine != nullptr) << c.passiveOn;
        if (c.ppLine) {
            EXPECT_TRUE(has(t, c.ppLine));
        }
        EXPECT_EQ(t.back(), "  判定：不可(安全率不足)<1.5");
    }
}

TEST(SlidingText, NoHorizontalLoadShowsInfinity) {
    const DesignConditions dc = sixMetreWall();
    const Report r(stable(dc, 2.0, 0), dc);
    EXPECT_EQ(r[TextId::SlidingText][4], "  Fs=--------------                      =∞");
    EXPECT_EQ(r[TextId::SlidingText].back(), "  判定：OK(Fs≧1.5)");
}

DesignConditions keyed() {
    DesignConditions dc = sixMetreWall();
    dc.hasShearKey = 1;
    dc.keyPosition.text = "4000";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "500";
    dc.bodyKind = 1;
    return dc;
}

// The key's front face at 4.0 m lies beyond Be = 3.6 m: b1 = Be, v1 = Vo,
// Hk = 120·tan35° = 84.02, Fs = 2.10; φb = 2·35/3 = 23.33° prints as 23.
TEST(SlidingText, KeyBeyondTheEffectiveWidth) {
    const DesignConditions dc = keyed();
    const Report r(stable(dc, 1.8), dc);
    const Lines expected{"1.滑動に対する安定",
                         "  滑動に対する安全率(Fs)は、次式で求める。",
                         "",
                         "  Fs=Hk/Ho                                =2.10",
                         "",
                         "  ここに",
                         "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb       =84.02kN",
                         "    Hk(擁壁底面と地盤間の剪断抵抗力)",
                         "    Ho(擁壁底面における全水平荷重)        =40.00kN",
                         "    Be(有効載荷幅)                        =3.600m",
                         "    b1(擁壁底面前端～突起前面までの距離)  =3.600m",
                         "    b2(有効載荷幅内の突起幅)              =0.000m",
                         "    b3(突起背面～有効載荷幅後方までの距離)=0.000m",
                         "    v1～v3(b1～b3に作用する鉛直荷重で,vi=bi/B'･Vo)",
                         "    Vo(擁壁底面における全鉛直荷重)        =120.00kN",
                         "    φ (基礎地盤の剪断抵抗角)           　=35度",
                         "    φb(擁壁底面と地盤との間の摩擦角)     =23度",
                         "    c  (基礎地盤の粘着力)                 =0.00kN/m2",
                         "  安全率Fsは1.5を下回ってはならい。",
                         "  判定：OK(Fs≧1.5)"};
    EXPECT_EQ(r[TextId::SlidingText], expected);
    const FigureSeries& diagram = r.book.figure(FigureId::GroundReactionFigure).series(2);
    // Toe triangle over 3d = 5.4 m with q1 = 240/5.4: both key faces inside it.
    ASSERT_EQ(diagram.pointCount(), 2u + 4u + 3u + 1u);
    EXPECT_EQ(diagram.points()[1].label, "44.44kN/m2");
    EXPECT_EQ(diagram.points().back().label, "0.0kN/m2");
}

bool nothingUndefinedPrinted(const CalculationBook& book) {
    for (TextId id : {TextId::SlidingText, TextId::OverturningText, TextId::BearingText,
                      TextId::UltimateBearingText, TextId::LoadSummaryText})
        for (const std::string& line : lines(book, id))
            if (testing::showsNonFinite(line)) return false;
    return true;
}

bool endsCannotCompute(const Lines& t) {
    return !t.empty() && t.back() == "  判定：不可(計算不能)";
}

bool mentionsCannotCompute(const Lines& t) {
    return std::any_of(t.begin(), t.end(), [](const std::string& s) {
        return s.find("計算不能") != std::string::npos;
    });
}

TEST(StabilityReportUndefined, NoVerticalLoad) {
    const DesignConditions dc = sixMetreWall();
    TAntei a = loaded(dc, 2.0);
    a.sumV = 0;
    computeStability(a);
    const Report r(a, dc);
    for (TextId id : {TextId::OverturningText, TextId::BearingText, TextId::UltimateBearingText,
                      TextId::SlidingText}) {
        EXPECT_TRUE(endsCannotCompute(r[id])) << r.book.sectionName(id);
        EXPECT_TRUE(mentionsCannotCompute(r[id])) << r.book.sectionName(id);
    }
    EXPECT_EQ(r[TextId::OverturningText][4], "  d=-----------                        =計算不能");
    for (auto c : {StabilityCheck::Sliding, StabilityCheck::Overturning, StabilityCheck::Bearing,
                   StabilityCheck::UltimateBearing})
        EXPECT_EQ(r.heading(c).colour, colours::red);
    EXPECT_TRUE(nothingUndefinedPrinted(r.book));
}

TEST(StabilityReportUndefined, NoOverturningMomentUnderTheSafetyFactorMethod) {
    DesignConditions dc = sixMetreWall();
    dc.overturningMethod = 1;
    dc.safetyFactorNormal.text = "1.5";
    TAntei a = loaded(dc, 2.0);
    a.sumMo = 0;
    computeStability(a);
    const Report r(a, dc);
    const Lines& t = r[TextId::OverturningText];
    EXPECT_EQ(t[4], "  Fm=-----------                       =計算不能");
    EXPECT_TRUE(endsCannotCompute(t));
    expectHeading(r, StabilityCheck::Overturning, "2.転倒に対する安定( NO )", false);
    EXPECT_TRUE(nothingUndefinedPrinted(r.book));
}

TEST(StabilityReportUndefined, KeyWithoutShearResistanceAndWithoutHorizontalLoad) {
    DesignConditions dc = keyed();
    dc.bearingPhi.text = "0";
    const Report r(stable(dc, 2.0, 0), dc);
    const Lines& t = r[TextId::SlidingText];
    EXPECT_EQ(t[3], "  Fs=Hk/Ho                                =計算不能");
    EXPECT_TRUE(endsCannotCompute(t));
    expectHeading(r, StabilityCheck::Sliding, "1.滑動に対する安定( NO )", false);
    EXPECT_TRUE(nothingUndefinedPrinted(r.book));
}

TEST(StabilityReportUndefined, KeyWithoutEffectiveWidth) {
    const DesignConditions dc = keyed();
    const Report r(stable(dc, 0.0), dc);  // e = B/2, Be = 0
    EXPECT_TRUE(endsCannotCompute(r[TextId::UltimateBearingText]));
    expectHeading(r, StabilityCheck::UltimateBearing, "4.鉛直支持力の照査( NO )", false);
    expectHeading(r, StabilityCheck::Sliding, "1.滑動に対する安定( NO )", false);
    EXPECT_TRUE(nothingUndefinedPrinted(r.book));
}

TEST(OverturningText, SafetyFactorEqualToTheRequiredValuePasses) {
    DesignConditions dc = sixMetreWall();
    dc.overturningMethod = 1;
    dc.safetyFactorNormal.text = "2.5";
    TAntei a = loaded(dc, 2.0);
    a.sumMr = 250;
    a.sumMo = 100;  // Fm = 2.5
    computeStability(a);
    const Report r(a, dc);
    const Lines& t = r[TextId::OverturningText];
    EXPECT_EQ(t[4], "  Fm=-----------                       =2.500");
    EXPECT_EQ(t[11], "  転倒に対する安定条件として、2.5≦Fmを満足しなければならない。");
    EXPECT_EQ(t[13], "  2.5≦Fm(=2.500)");
    EXPECT_EQ(t[14], "  判定：OK(安全率を満たす)");
    expectHeading(r, StabilityCheck::Overturning, "2.転倒に対する安定( OK )", true);
}

// Ho = 0, e = 1, Be = 4, L = 5: α = 1.24, β = 0.68, κ = 1.045, q = 45,
// Sq = 4.5^(−1/3), Sγ = 4^(−1/3); Nq, Nc of Prandtl–Reissner at 35°; qu =
// κ·q·Nq·Sq + ½·19·β·4·35.1881·Sγ = 1,521.18; qa = qu/3 = 507.06.
TEST(UltimateBearingText, WorkedCase) {
    const DesignConditions dc = sixMetreWall();
    const Report r(stable(dc, 2.0, 0), dc);
    const Lines expected{
        "4.鉛直支持力の照査",
        "",
        "  極限支持力の計算",
        "  極限支持力度(qu)は、次式で求める。",
        "",
        "  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=1,521.18kN/m2",
        "",
        "  ここに",
        "    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=1,521.18kN/m2",
        "    γ1(支持地盤の土の単位重量)　　　　　　　　　=19.00kN/m3",
        "    γ2(根入れ地盤の土の単位重量)　　　　　　　　=18.00kN/m3",
        "       (ただし、地下水位以下では水中単位重量を用いる。)",
        "    Df (基礎の有効根入れ深さ)　　　　　　　　　　=2.500m",
        "    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=0.600m",
        "    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2",
        "    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=45.00kN/m2",
        "    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=4.000m",
        "    　B (基礎幅)　　　　　　　　　　　　　　　　 =6.000m",
        "　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =1.000m",
        "    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=1.24",
        "    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=0.68",
        "    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=5.000m",
        "　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)",
        "    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=1.045",
        "    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)",
        "      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。",
        "      Nc　　　　　　　　　　　　　　　　　　　　 =46.1",
        "      Nq　　　　　　　　　　　　　　　　　　　　 =33.3",
        "      Nγ　　　　　　　　　　　　　　　　　　　  =35.2",
        "      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =35.0度",
        "      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.000(=0.0度)",
        "        HB(基礎底面に作用する水平力)　　　　　　 =0.00kN",
        "        V (基礎底面に作用する鉛直力)　　　　　　 =120.00kN",
        "    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数",
        "      Sc =c'^λ　　　　　　　　　　　　　　　　  =1.000",
        "      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =0.606",
        "      Sγ=B'^μ　　　　　　　　　　　　　　　　  =0.630",
        "      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3",
        "      c'= c/10　　　　　　　　　　　　　　　　　 =1.000 (但し,1≦c'≦10)",
        "      q'= q/10　　　　　　　　　　　　　　　　　 =4.500 (但し,1≦q'≦10)",
        "      B'=Be/1　　　　　　　　　　　　　　　　　  =4.000 (但し,1≦B')",
        "",
        "  鉛直地盤反力度は、次式を満足しなければならない。",
        "",
        "     Vo           qu",
        "    ---- ≦ qa = ----",
        "     Be            n",
        "",
        "  ここに",
        "    Vo(基礎底面に作用する鉛直力)　　　　　　　　=120.00kN/m",
        "    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=4.000m",
        "    Vo/Be　　　　　　　　　　　　　　　　　　　 =30.00kN/m2",
        "    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=507.06kN/m2",
        "    　qu(地盤の極限支持力度)　　　　　　　　　　=1,521.18kN/m2",
        "    　n (安全率:常時)　　　　　　　　　　　　　 =3",
        "",
        "  判定：OK(許容鉛直支持力度内)"};
    EXPECT_EQ(r[TextId::UltimateBearingText], expected);
    expectHeading(r, StabilityCheck::UltimateBearing, "4.鉛直支持力の照査( OK )", true);
}

TEST(UltimateBearingText, WaterShowsTheSubmergedUnitWeights) {
    DesignConditions dc = sixMetreWall();
    dc.hasWater.on = true;
    dc.waterDepth.text = "1.0";
    dc.waterUnitWeight.text = "10.0";
    const Report r(stable(dc, 2.0, 0), dc);
    const Lines& t = r[TextId::UltimateBearingText];
    // γ2' = ((2.5 − 1.0)·18 + 1.0·9)/2.5 = 14.4
    EXPECT_EQ(
        t[9],
        "    γ1(支持地盤の土の単位重量)　　　　　　　　　=19.00kN/m3(水中単位重量:10.00kN/m3)");
    EXPECT_EQ(
        t[10],
        "    γ2(根入れ地盤の土の単位重量)　　　　　　　　=18.00kN/m3(水中単位重量:14.40kN/m3)");
    EXPECT_EQ(t[11],
              "       (ただし、地下水位以下では水中単位重量を用いる。単位重量は水深で加重計算。)");
}

TEST(StabilityReport, SectionsWrittenInOrderReplaceThePreviousRun) {
    const DesignConditions dc = sixMetreWall();
    CalculationBook book;
    StabilityHeadings headings;
    const TAntei failing = stable(dc, 0.9), passing = stable(dc, 2.0);
    writeStabilityReport(failing, judgeStability(failing), weighLoadPolygons(failing).wallBody(),
                         dc, book, headings);
    writeStabilityReport(passing, judgeStability(passing), weighLoadPolygons(passing).wallBody(),
                         dc, book, headings);
    EXPECT_EQ(lines(book, TextId::SlidingText).size(), 18u);
    EXPECT_EQ(headings.of(StabilityCheck::Sliding).text, "1.滑動に対する安定( OK )");
    EXPECT_EQ(lines(book, TextId::LoadSummaryText).back(), "④地下水          :なし");
}

}  // namespace
}  // namespace marvoten

namespace marvoten {
namespace {

// The start values through the run sequence with the stability stage and its
// writer connected. Hand values (see the load-diagram test): Vo = 351.74 kN,
// Ho = 161.58 kN, d = 1.532 m, e = 0.489 m, q1 = 150.23, q2 = 23.81 kN/m2;
// Pp = 2.5²·Kp·18/2 with Kp = (1 + sin 25°)/(1 − sin 25°): 138.60 kN, so
// Fs = (0.6·Vo + 0.5·Pp)/Ho = 1.73.
TEST(RunSequence, StartValuesFillTheStabilityPage) {
    const DesignConditions dc;
    CalculationBook book;
    ResultsView view(book);
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;
    runCalculation(dc, "", book, view, headings, pageLabels);
    const Lines& o = lines(book, TextId::OverturningText);
    EXPECT_EQ(o[4], "  d=-----------                        =1.532m");
    EXPECT_EQ(o[12], "  e=B/2-d        =0.489m");
    EXPECT_EQ(o.back(), "  判定：OK(中央1/3以内)");
    const Lines& b = lines(book, TextId::BearingText);
    EXPECT_EQ(b[6], "    q1(つま先での地盤反力度)         =150.23kN/m2");
    EXPECT_EQ(b[7], "    q2(かかとでの地盤反力度)         =23.81kN/m2");
    const Lines& s = lines(book, TextId::SlidingText);
    EXPECT_EQ(s[4], "  Fs=--------------------                =1.73");
    EXPECT_TRUE(has(s, "    Pp (受働土圧)                        =138.60kN"));
    expectHeadingText(headings, StabilityCheck::Sliding, "1.滑動に対する安定( OK )");
    expectHeadingText(headings, StabilityCheck::Overturning, "2.転倒に対する安定( OK )");
    expectHeadingText(headings, StabilityCheck::Bearing, "3.支持力に対する安定( OK )");
    EXPECT_EQ(book.figure(FigureId::GroundReactionFigure).series(2).pointCount(), 4u);
}

}  // namespace
}  // namespace marvoten
