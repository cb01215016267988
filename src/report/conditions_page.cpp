#include "report/conditions_page.h"

#include <initializer_list>

#include "book/line_format.h"
#include "calc/angles.h"
#include "report/wall_shape_figure.h"

namespace marvoten {
namespace {

double mm(double metres) {
    return metres * 1000;
}

void soils(const TAntei& a, const DesignConditions& dc, TextBlock& b) {
    static const char* const soilLines[] = {"  土質：砂、砂礫", "  土質：砂質土", "  土質：粘性土"};
    const double phi = degrees(a.backfillPhi);
    b.addLines({"1.裏込土の諸量",
                soilLines[dc.backfillSoilType == 1   ? 1
                          : dc.backfillSoilType == 2 ? 2
                                                     : 0],
                fv("  土の単位重量(γs)   =0.00kN/m3", a.backfillUnitWeight),
                fv("  剪断抵抗角(φ)    　=0.0度", phi),
                dc.wallFrictionRatio == 1 ? "  壁面摩擦角(δ=φ/2) =" + fv("0.00度", phi / 2)
                                          : "  壁面摩擦角(δ=2φ/3)=" + fv("0.00度", phi * 2 / 3),
                fv("  粘着力(c)           =0.00kN/m2", a.backfillCohesion),
                "",
                "2.根入れ地盤の諸量",
                fv("  根入れ地盤の土の単位重量(γ2) =0.00kN/m3", a.embedUnitWeight),
                fv("  根入れ地盤の剪断抵抗角(φ)    =0.0度", a.embedPhiDeg),
                fv("  根入れ地盤の粘着力(c)         =0.00kN/m2", a.embedCohesion),
                fv("  根入れ地盤への根入れ深さ(Df)  =0.0m", a.embedDepth),
                "",
                "3.支持地盤の諸量",
                fv("  支持地盤の土の単位重量(γ1)   =0.00kN/m3", a.bearingUnitWeight),
                fv("  支持地盤の剪断抵抗角(φ)      =0.0度", degrees(a.bearingPhi)),
                fv("  支持地盤の粘着力(c)           =0.00kN/m2", a.bearingCohesion),
                "  支持地盤への根入れ深さ(Df')   =" + fv("0.0m", a.bearingEmbedDepth),
                "  許容鉛直支持力度(qa0)         =" + fv("0.00kN/m2", a.allowableBearing),
                fv("  擁壁底面と地盤間の摩擦係数(μ)=0.0", a.frictionCoeff),
                fv("  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2", a.adhesion),
                dc.bodyKind == 1 ? "   (既製品は、δ=φ2/3とする)" : "   (場所打は、δ=φとする)",
                ""});
}

void outline(const TAntei& a, const DesignConditions& dc, TextBlock& b) {
    const auto P = [&a](int i) { return a.point(i); };
    b.addLines(
        {"4.荷重", " (1)自重",
         dc.bodyKind == 1 ? "  ①躯体             ：既製品" : "　①躯体             ：場所打ち",
         fv("  ②ｺﾝｸﾘｰﾄの単位重量(γc)=0.00kN/m3", a.concreteUnitWeight),
         "  ③擁壁形状(単位mm)  : 図参照", " 　 1)擁壁のタイプ    =逆Ｌ型擁壁",
         fv(" 　 2)たて壁前面勾配幅=0", mm(P(4).x - P(3).x)),
         fv("　  3)たて壁天端幅    =0", mm(P(5).x - P(4).x)),
         fv("    4)たて壁高さ      =0,0", mm(P(4).y - P(3).y)),
         fv(" 　 5)つま先版幅      =0,0", mm(P(3).x - P(1).x)),
         fv("　  6)底版幅          =0,0", mm(P(9).x - P(0).x)),
         fv("　  7)底版勾配厚      =0", mm(P(2).y - P(1).y)),
         "　  8)底版厚          =" + fv("0", mm(P(1).y - P(0).y)),
         fv("　  9)型枠セット幅    =0", mm(P(3).x - P(2).x)),
         fv("   10)ブロック長      =0,0", mm(a.bearingBlockLength))});
    if (dc.hasShearKey == 1) {
        b.addLine("　 突起形状[位置:幅:高さ]=" + fv("0", mm(P(13).x)) + ":" +
                  fv("0", mm(P(11).x - P(12).x)) + ":" + fv("0", mm(P(13).y - P(12).y)));
    } else {
        b.addLine("　 突起無し");
    }
}

void backfillAndSurcharge(const TAntei& a, const DesignConditions& dc, TextBlock& b) {
    b.addLine(" (2)背面土形状、載荷重、土圧");
    switch (a.backfillShape) {
        case 2:
            b.addLines({"  ①背面土形状:法面", fv("　  法勾配            =1：0.0", a.slopeRatio)});
            break;
        case 3:
            b.addLines({"  ①背面土形状:盛土", fv("　  1)法勾配          =1：0.0", a.slopeRatio),
                        fv("　  2)盛土高          =0,0mm", mm(a.embankmentHeight))});
            break;
        default:
            b.addLine("  ①背面土形状:平坦");
            break;
    }
    const std::string& zone = items::surchargeZone.at(dc.surchargeZone == 1 ? 1 : 0);
    b.addLines({"　②載荷重", fv("　  1)載荷重強度      =0.00kN/m2", a.surcharge),
                a.surcharge <= 0 ? std::string("　  2)載荷位置        =載荷重なし")
                                 : "　  2)載荷位置        =" + zone,
                "　③雪荷重", fv("　  1)平坦部          =0.00kN/m2", a.snowOnFlat),
                fv("　  2)法面部          =0.00kN/m2", a.snowOnSlope), "　④土圧等",
                dc.surchargeTreatment == 1 ? "　  載荷重等の扱い    ：別途計算し加算"
                                           : "　  載荷重等の扱い    ：土塊に含み計算",
                dc.stemPressureMethod == 1 ? "　  たて壁設計用土圧  ：簡便法(逆算土圧係数)"
                                           : "　  たて壁設計用土圧  ：理論値(試行くさび法)"});
}

void seismicAndOtherLoads(const TAntei& a, const DesignConditions& dc, TextBlock& b) {
    if (dc.seismicCase == 1) {
        const bool inertiaIgnored = dc.seismicLoadSet == 2;
        b.addLine(dc.seismicLoadSet == 0 ? "　  地震時土圧の計算  ：載荷重無し常時土圧として計算"
                                         : "　  地震時土圧の計算  ：地震慣性力を作用させて計算");
        b.addLine(inertiaIgnored ? "　  地震時躯体慣性力  ：地震慣性力を無視"
                                 : "　  地震時躯体慣性力  ：地震慣性力を作用させて計算");
        b.addLine(" (3)設計震度:設計水平震度(Kh)=Kho･Cz=" + dc.kh.text);
    } else {
        b.addLine(" (3)設計震度:設計水平震度(Kh)=0.0");
    }
    b.addLine(" (4)その他の荷重");
    // A passive pressure from cohesion alone is listed even with the option off.
    b.addLine(!dc.hasPassive.on && a.passivePressure <= 0
                  ? std::string("　①受働土圧  :なし")
                  : fv("　①受働土圧[有効根入深(Ho)]=0.000m", a.effectiveEmbedDepth));
    if (dc.hasWater.on) {
        b.addLine("　②水圧[水深(H1):単位重量(γw)]=" + fv("0.000m", a.waterDepth) + ":" +
                  fv("0.00kN/m3", a.waterUnitWeight));
        b.addLine(dc.buoyancyInSlab.on ? "　  ＊底版の構造計算に浮力を考慮する。"
                                       : "　  ＊底版の構造計算に浮力を考慮しない。");
    } else {
        b.addLine("　②水圧(浮力):なし");
    }
    b.addLine(dc.hasWind.on
                  ? "　③風荷重[遮音壁高(H2):荷重強度(P)]=" + fv("0.000m", a.barrierHeight) + ":" +
                        fv("0.00kN/m2", a.windPressure)
                  : std::string("　③風荷重    :なし"));
    if (dc.hasCollision.on) {
        b.addLines({"　④衝突荷重", fv("　  作用高(H3)　      =0.000m", a.collisionHeight),
                    fv("　  衝突荷重(P)       =0.00kN", a.collisionLoad),
                    fv("　  擁壁長(L)　       =0.000m", a.blockLength)});
    } else {
        b.addLine("　④衝突荷重  :なし");
    }
}

void allowableStressesAndCover(const TAntei& a, TextBlock& b) {
    b.addLines({"5.許容応力度", " (1)ｺﾝｸﾘｰﾄ", fv("　①設計強度  (σck)  =0.00N/mm2", a.sigmaCk),
                fv("　②圧縮応力度(σca)  =0.00N/mm2", a.sigmaCa),
                fv("　③引張応力度(σcat) =0.00N/mm2", a.sigmaCat),
                fv("　④剪断応力度(τa1)  =0.00N/mm2", a.tauA1), "", "6.鉄筋かぶり",
                fv(" (1)たて壁部          =0mm", mm(a.coverStem)),
                fv(" (2)底版部            =0mm", mm(a.coverSlab))});
}

}  // namespace

void writeContents(const TAntei&, const DesignConditions& dc, const std::string& subjectName,
                   TextSection& text) {
    TextBlock& b = text.upper();
    b.clear();
    b.addLines({"件　名：" + subjectName,
                "",
                "　　　　逆Ｌ型擁壁計算書　目次",
                "",
                dc.seismicCase == 1 ? "　　　　　　（地震時）" : "　　　　　　（常　時）",
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
                "     1.つま先版　　  　        ・・・・P11"});
    if (dc.hasShearKey == 1) b.addLines({"", "     2.突起                    ・・・・P12"});
}

void writeConditions(const TAntei& a, const DesignConditions& dc, TextSection& text) {
    TextBlock& upper = text.upper();
    upper.clear();
    soils(a, dc, upper);
    outline(a, dc, upper);
    backfillAndSurcharge(a, dc, upper);
    seismicAndOtherLoads(a, dc, upper);
    TextBlock& lower = text.lower();
    lower.clear();
    allowableStressesAndCover(a, lower);
}

void writeConditionsPage(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                         const std::string& subjectName, CalculationBook& book,
                         PrintedPageLabels& labels) {
    writeContents(a, dc, subjectName, book.text(TextId::ContentsText));
    writeConditions(a, dc, book.text(TextId::ConditionsText));
    setCalculatedPageLabels(labels, dc.hasShearKey == 1);
    drawWallShapeFigure(a, wallBody, dc, book);
}

}  // namespace marvoten
