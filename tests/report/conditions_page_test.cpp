#include "report/conditions_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"

namespace marvoten {
namespace {

using Lines = std::vector<std::string>;

// The converted inputs and the block length of the bearing check are what the
// page reads from the calculation object.
TAntei gathered(const DesignConditions& dc) {
    TAntei a;
    computeStabilityLoads(a, dc);
    computeStability(a);
    return a;
}

// A seismic design with a shear key, water, wind and collision, an embankment,
// snow and no surcharge, precast body, clay backfill, δ = φ/2, passive off.
DesignConditions seismicDesign() {
    DesignConditions dc;
    dc.seismicCase = 1;
    dc.kh.text = "0.2";
    dc.seismicLoadSet = 2;
    dc.hasShearKey = 1;
    dc.keyPosition.text = "1000";
    dc.keyWidth.text = "400";
    dc.keyHeight.text = "600";
    dc.hasWater.on = true;
    dc.waterDepth.text = "1.0";
    dc.waterUnitWeight.text = "10.0";
    dc.buoyancyInSlab.on = true;
    dc.hasWind.on = true;
    dc.barrierHeight.text = "3";
    dc.windPressure.text = "2.5";
    dc.hasCollision.on = true;
    dc.collisionLoad.text = "30";
    dc.collisionHeight.text = "1.0";
    dc.blockLength.text = "10";
    dc.backfillShape = 2;
    dc.slopeRatio.text = "1.5";
    dc.embankmentHeight.text = "1000";
    dc.hasSurcharge.on = false;
    dc.surcharge.text = "0.0";
    dc.hasSnow.on = true;
    dc.snowOnSlope.text = "1.0";
    dc.snowOnFlat.text = "2.0";
    dc.surchargeTreatment = 1;
    dc.stemPressureMethod = 0;
    dc.bodyKind = 1;
    dc.backfillSoilType = 2;
    dc.wallFrictionRatio = 1;
    dc.hasPassive.on = false;
    dc.effectiveEmbedDepth.text = "0.0";
    return dc;
}

Lines contents(const char* subject, const char* loadCase, bool key) {
    Lines l{std::string("件　名：") + subject,
            "",
            "　　　　逆Ｌ型擁壁計算書　目次",
            "",
            loadCase,
            "",
            "Ⅰ.設計条件　　　　　　　　　  ・・・・P1",
            "",
            "",
            "Ⅱ.荷重計算",
            "",
            "   1.荷重計算(自重:安定計算用) ・・・・P2",
            "",
            "   2.荷重計算(自重:構造計算用) ・・・・P3",
            "",
            "   3.荷重計算(土圧等)　　　　  ・・・・P4",
            "",
            "",
            "Ⅲ.安定計算",
            "",
            "   1.安定計算(滑動,転倒,支持力)・・・・P5",
            "",
            "        　　 (極限支持力)　　　・・・・P6",
            "",
            "   2.荷重図　　　　　　　　　  ・・・・P7",
            "",
            "",
            "Ⅳ-1.構造計算:たて壁",
            "",
            "     1.断面力　　　　　        ・・・・P8",
            "",
            "     2.鉄筋量及び応力度        ・・・・P9",
            "",
            "     3.鉄筋定着長　　　　　 　 ・・・・P10",
            "",
            "Ⅳ-2.構造計算:底版",
            "",
            "     1.つま先版　　  　        ・・・・P11"};
    if (key) l.insert(l.end(), {"", "     2.突起                    ・・・・P12"});
    return l;
}

// The start values: B = 4,042 mm, stem 7,100 mm, φ = 35°, level backfill with
// 10 kN/m2 on the flat part, passive pressure over 2.5 m, no water.
const Lines startUpper{"1.裏込土の諸量",
                       "  土質：砂、砂礫",
                       "  土の単位重量(γs)   =20.00kN/m3",
                       "  剪断抵抗角(φ)    　=35.0度",
                       "  壁面摩擦角(δ=2φ/3)=23.33度",
                       "  粘着力(c)           =0.00kN/m2",
                       "",
                       "2.根入れ地盤の諸量",
                       "  根入れ地盤の土の単位重量(γ2) =18.00kN/m3",
                       "  根入れ地盤の剪断抵抗角(φ)    =25.0度",
                       "  根入れ地盤の粘着力(c)         =0.00kN/m2",
                       "  根入れ地盤への根入れ深さ(Df)  =2.5m",
                       "",
                       "3.支持地盤の諸量",
                       "  支持地盤の土の単位重量(γ1)   =19.00kN/m3",
                       "  支持地盤の剪断抵抗角(φ)      =35.0度",
                       "  支持地盤の粘着力(c)           =0.00kN/m2",
                       "  支持地盤への根入れ深さ(Df')   =0.6m",
                       "  許容鉛直支持力度(qa0)         =300.00kN/m2",
                       "  擁壁底面と地盤間の摩擦係数(μ)=0.6",
                       "  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2",
                       "   (場所打は、δ=φとする)",
                       "",
                       "4.荷重",
                       " (1)自重",
                       "　①躯体             ：場所打ち",
                       "  ②ｺﾝｸﾘｰﾄの単位重量(γc)=24.50kN/m3",
                       "  ③擁壁形状(単位mm)  : 図参照",
                       " 　 1)擁壁のタイプ    =逆Ｌ型擁壁",
                       " 　 2)たて壁前面勾配幅=142",
                       "　  3)たて壁天端幅    =400",
                       "    4)たて壁高さ      =7,100",
                       " 　 5)つま先版幅      =3,500",
                       "　  6)底版幅          =4,042",
                       "　  7)底版勾配厚      =200",
                       "　  8)底版厚          =700",
                       "　  9)型枠セット幅    =100",
                       "   10)ブロック長      =5,000",
                       "　 突起無し",
                       " (2)背面土形状、載荷重、土圧",
                       "  ①背面土形状:平坦",
                       "　②載荷重",
                       "　  1)載荷重強度      =10.00kN/m2",
                       "　  2)載荷位置        =平坦部",
                       "　③雪荷重",
                       "　  1)平坦部          =0.00kN/m2",
                       "　  2)法面部          =0.00kN/m2",
                       "　④土圧等",
                       "　  載荷重等の扱い    ：土塊に含み計算",
                       "　  たて壁設計用土圧  ：簡便法(逆算土圧係数)",
                       " (3)設計震度:設計水平震度(Kh)=0.0",
                       " (4)その他の荷重",
                       "　①受働土圧[有効根入深(Ho)]=2.500m",
                       "　②水圧(浮力):なし",
                       "　③風荷重    :なし",
                       "　④衝突荷重  :なし"};

const Lines seismicUpper{"1.裏込土の諸量",
                         "  土質：粘性土",
                         "  土の単位重量(γs)   =20.00kN/m3",
                         "  剪断抵抗角(φ)    　=35.0度",
                         "  壁面摩擦角(δ=φ/2) =17.50度",
                         "  粘着力(c)           =0.00kN/m2",
                         "",
                         "2.根入れ地盤の諸量",
                         "  根入れ地盤の土の単位重量(γ2) =18.00kN/m3",
                         "  根入れ地盤の剪断抵抗角(φ)    =25.0度",
                         "  根入れ地盤の粘着力(c)         =0.00kN/m2",
                         "  根入れ地盤への根入れ深さ(Df)  =2.5m",
                         "",
                         "3.支持地盤の諸量",
                         "  支持地盤の土の単位重量(γ1)   =19.00kN/m3",
                         "  支持地盤の剪断抵抗角(φ)      =35.0度",
                         "  支持地盤の粘着力(c)           =0.00kN/m2",
                         "  支持地盤への根入れ深さ(Df')   =0.6m",
                         "  許容鉛直支持力度(qa0)         =300.00kN/m2",
                         "  擁壁底面と地盤間の摩擦係数(μ)=0.6",
                         "  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2",
                         "   (既製品は、δ=φ2/3とする)",
                         "",
                         "4.荷重",
                         " (1)自重",
                         "  ①躯体             ：既製品",
                         "  ②ｺﾝｸﾘｰﾄの単位重量(γc)=24.50kN/m3",
                         "  ③擁壁形状(単位mm)  : 図参照",
                         " 　 1)擁壁のタイプ    =逆Ｌ型擁壁",
                         " 　 2)たて壁前面勾配幅=142",
                         "　  3)たて壁天端幅    =400",
                         "    4)たて壁高さ      =7,100",
                         " 　 5)つま先版幅      =3,500",
                         "　  6)底版幅          =4,042",
                         "　  7)底版勾配厚      =200",
                         "　  8)底版厚          =700",
                         "　  9)型枠セット幅    =100",
                         "   10)ブロック長      =10,000",
                         "　 突起形状[位置:幅:高さ]=1000:400:600",
                         " (2)背面土形状、載荷重、土圧",
                         "  ①背面土形状:盛土",
                         "　  1)法勾配          =1：1.5",
                         "　  2)盛土高          =1,000mm",
                         "　②載荷重",
                         "　  1)載荷重強度      =0.00kN/m2",
                         "　  2)載荷位置        =載荷重なし",
                         "　③雪荷重",
                         "　  1)平坦部          =2.00kN/m2",
                         "　  2)法面部          =1.00kN/m2",
                         "　④土圧等",
                         "　  載荷重等の扱い    ：別途計算し加算",
                         "　  たて壁設計用土圧  ：理論値(試行くさび法)",
                         "　  地震時土圧の計算  ：地震慣性力を作用させて計算",
                         "　  地震時躯体慣性力  ：地震慣性力を無視",
                         " (3)設計震度:設計水平震度(Kh)=Kho･Cz=0.2",
                         " (4)その他の荷重",
                         "　①受働土圧  :なし",
                         "　②水圧[水深(H1):単位重量(γw)]=1.000m:10.00kN/m3",
                         "　  ＊底版の構造計算に浮力を考慮する。",
                         "　③風荷重[遮音壁高(H2):荷重強度(P)]=3.000m:2.50kN/m2",
                         "　④衝突荷重",
                         "　  作用高(H3)　      =1.000m",
                         "　  衝突荷重(P)       =30.00kN",
                         "　  擁壁長(L)　       =10.000m"};

const Lines lowerBlock{"5.許容応力度",
                       " (1)ｺﾝｸﾘｰﾄ",
                       "　①設計強度  (σck)  =24.00N/mm2",
                       "　②圧縮応力度(σca)  =8.00N/mm2",
                       "　③引張応力度(σcat) =0.00N/mm2",
                       "　④剪断応力度(τa1)  =0.23N/mm2",
                       "",
                       "6.鉄筋かぶり",
                       " (1)たて壁部          =100mm",
                       " (2)底版部            =110mm"};

struct PageCase {
    const char* name;
    DesignConditions dc;
    const char* subject;
    Lines contents;
    Lines upper;
    const char* keyPageLabel;
};

class ConditionsPage : public ::testing::TestWithParam<PageCase> {};

INSTANTIATE_TEST_SUITE_P(
    Designs, ConditionsPage,
    ::testing::Values(PageCase{"StartValues", DesignConditions{}, "",
                               contents("", "　　　　　　（常　時）", false), startUpper, "12"},
                      PageCase{"SeismicWithKeyWaterWindCollision", seismicDesign(), "擁壁A",
                               contents("擁壁A", "　　　　　　（地震時）", true), seismicUpper,
                               "P12"}),
    [](const auto& info) { return std::string(info.param.name); });

void expectLines(const Lines& actual, const Lines& expected) {
    const std::size_t n = std::max(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i)
        EXPECT_EQ(i < actual.size() ? actual[i] : "<missing>",
                  i < expected.size() ? expected[i] : "<extra>")
            << "line " << i + 1;
}

TEST_P(ConditionsPage, EveryLine) {
    const PageCase& c = GetParam();
    CalculationBook book;
    PrintedPageLabels labels;
    const TAntei a = gathered(c.dc);
    writeConditionsPage(a, weighLoadPolygons(a).wallBody(), c.dc, c.subject, book, labels);
    expectLines(book.text(TextId::ContentsText).upper().lines(), c.contents);
    expectLines(book.text(TextId::ConditionsText).upper().lines(), c.upper);
    expectLines(book.text(TextId::ConditionsText).lower().lines(), lowerBlock);
    EXPECT_EQ(labels.toeSlabPage, "P11");
    EXPECT_EQ(labels.keyPage, c.keyPageLabel);
}

struct LineCase {
    const char* name;
    void (*change)(DesignConditions&);
    std::size_t line;  // from 1
    const char* expected;
};

class ConditionsLine : public ::testing::TestWithParam<LineCase> {};

INSTANTIATE_TEST_SUITE_P(
    Variants, ConditionsLine,
    ::testing::Values(
        LineCase{"SlopeBackfill",
                 [](DesignConditions& d) { d.backfillShape = 1, d.slopeRatio.text = "1.8"; }, 42,
                 "　  法勾配            =1：1.8"},
        LineCase{"SurchargeOnTheWholeSurface", [](DesignConditions& d) { d.surchargeZone = 1; }, 44,
                 "　  2)載荷位置        =全面"},
        LineCase{"ZeroSurchargeWhateverTheZone",
                 [](DesignConditions& d) { d.surchargeZone = 1, d.surcharge.text = "0.0"; }, 44,
                 "　  2)載荷位置        =載荷重なし"},
        LineCase{"SeismicInertiaWithNormalPressure",
                 [](DesignConditions& d) {
                     d.seismicCase = 1, d.kh.text = "0.15", d.seismicLoadSet = 0;
                 },
                 51, "　  地震時土圧の計算  ：載荷重無し常時土圧として計算"},
        LineCase{"SeismicKhAsEntered",
                 [](DesignConditions& d) { d.seismicCase = 1, d.kh.text = "0.15"; }, 53,
                 " (3)設計震度:設計水平震度(Kh)=Kho･Cz=0.15"},
        LineCase{"NormalKhWhateverKhHolds", [](DesignConditions& d) { d.kh.text = "0.3"; }, 51,
                 " (3)設計震度:設計水平震度(Kh)=0.0"},
        LineCase{"PassiveOnWithZeroEmbedment",
                 [](DesignConditions& d) { d.effectiveEmbedDepth.text = "0.0"; }, 53,
                 "　①受働土圧[有効根入深(Ho)]=0.000m"},
        LineCase{"PassiveOffWithAPressureFromCohesion",
                 [](DesignConditions& d) {
                     d.hasPassive.on = false, d.effectiveEmbedDepth.text = "0.0",
                     d.embedCohesion.text = "5.0";
                 },
                 53, "　①受働土圧[有効根入深(Ho)]=0.000m"},
        LineCase{"WaterWithoutBuoyancyInTheSlab",
                 [](DesignConditions& d) {
                     d.hasWater.on = true, d.waterDepth.text = "0.5",
                     d.waterUnitWeight.text = "9.8";
                 },
                 55, "　  ＊底版の構造計算に浮力を考慮しない。"},
        LineCase{"CollisionWithoutWind",
                 [](DesignConditions& d) {
                     d.hasCollision.on = true, d.collisionLoad.text = "50",
                     d.collisionHeight.text = "0.6";
                 },
                 56, "　④衝突荷重"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ConditionsLine, ChangedLine) {
    const LineCase& c = GetParam();
    DesignConditions dc;
    c.change(dc);
    CalculationBook book;
    PrintedPageLabels labels;
    const TAntei a = gathered(dc);
    writeConditionsPage(a, weighLoadPolygons(a).wallBody(), dc, "", book, labels);
    const Lines& l = book.text(TextId::ConditionsText).upper().lines();
    ASSERT_GE(l.size(), c.line);
    EXPECT_EQ(l[c.line - 1], c.expected);
}

TEST(PrintedPageLabels, PlainNumbersUntilARun) {
    const PrintedPageLabels labels;
    EXPECT_EQ(labels.toeSlabPage, "11");
    EXPECT_EQ(labels.keyPage, "12");
}

}  // namespace
}  // namespace marvoten
