#include "report/stem_report.h"

#include <cmath>
#include <string>

#include "book/line_format.h"
#include "calc/angles.h"
#include "calc/bars.h"
#include "report/anchorage_report.h"
#include "report/self_weight_report.h"

namespace marvoten {
namespace {

// The book's angle lines of the member axes take π as 3.14.
double memberAxisDegrees(double tangent) {
    return std::atan(tangent) * 180 / 3.14;
}

void writeLoadsConsidered(const TAntei& a, TextBlock& t) {
    const bool water = a.hasWater == 1;
    if (a.seismicCase == 0) {
        t.addLine("  部材設計において考慮する荷重は、常時");
        t.addLine(water ? "  主働土圧の水平分力、及び水圧とする。"
                        : "  主働土圧の水平分力とする。");
        return;
    }
    const std::string X = a.seismicCombination == 4 ? "" : "たて壁自重の地震時慣性力と";
    t.addLine("  部材設計において考慮する荷重は、地震時主働土圧");
    t.addLine("  の水平分力と" + X + (water ? "水圧とする。" : "する。"));
}

void writeEarthPressureLines(const TAntei& a, const DesignConditions& dc, const StemDesign& s,
                             TextBlock& t) {
    const StemSectionForces& F = s.fixedEnd.F;
    t.addLine("(a)土圧の計算");
    t.addLine(formatValue("   たて壁の固定端(H=0.000m)における土圧を求める", s.geometry.Hs));
    t.addLine("   主働土圧合力(Pa)は、試行くさび法により求める。");
    t.addLine("   尚、土圧合力(Pa)は、壁面に直接作用させる。");
    t.addLine("");
    if (a.seismicCase == 0 || dc.seismicLoadSet == 0) {
        t.addLine("       W･sin(ω-φ)-c･L･cosφ");
        t.addLine(formatValue("   Pa=------------------------     =0.00kN", F.Pa));
        t.addLine("         cos(ω-φ-α-δ)");
    } else {
        t.addLine("       W･secθsin(ω-φ+θ)-c･L･cosφ");
        t.addLine(formatValue("   Pa=-------------------------------=0.00kN", F.Pa));
        t.addLine("              cos(ω-φ-α-δ)");
        t.addLine(
            formatValue("   θ(地震合成角)  =Arctan(kh)     =0.00度", degrees(std::atan(a.kh))));
    }
    t.addLine(formatValue("   Ph(水平土圧)    =Pa･cos(δ+α)  =0.00kN", F.Ph));
    t.addLine(formatValue("   Pv(鉛直土圧)    =Pa･sin(δ+α)  =0.00kN", F.Pv));
    t.addLine("                         Ph");
    t.addLine(formatValue("   Kh(水平土圧係数)=-------------  =0.000", F.Kh));
    t.addLine("                     1/2･γs･H^2");
    t.addLine("                         Pv");
    t.addLine(formatValue("   Kv(鉛直土圧係数)=-------------  =0.000", F.Kv));
    t.addLine("                     1/2･γs･H^2");
    t.addLine("   ここに");
    t.addLine(formatValue("     Ｗ(すべり土塊の重量)          =0.00kN", F.W));
    t.addLine(formatValue("     ω(すべり角)                  =0.00度", degrees(F.omega)));
    t.addLine(formatValue("     φ(背面土剪断抵抗角)          =0.0度", degrees(a.backfillPhi)));
    t.addLine("     α(壁面が鉛直となす角)        =" +
              formatValue("0.00度;-0.00度", degrees(a.backFaceAngle)));
    t.addLine(formatValue("     δ(壁面摩擦角)                =0.00度", degrees(F.delta)));
    t.addLine(formatValue("     c (粘着力)                    =0.00kN/m2", a.backfillCohesion));
    t.addLine(formatValue("     Ｌ(滑り面長)                  =0.000m", F.L));
    t.addLine(formatValue("     γs(土の単位重量)             =0.00kN/m3", a.backfillUnitWeight));
    if (a.backfillCohesion > 0) {
        t.addLine("              2･C     π   φ     Q");
        t.addLine(formatValue(" Zc(粘着高)=----･tan(---＋---) - --- =0.000m", F.Zc));
        t.addLine("              γs      4    2    γs");
    }
    if (F.hc > 0) t.addLine(formatValue(" hc        =Cosα･Cosβ/Cos(α+β)･Zc=0.000m", F.hc));
}

void writeSectionForceLines(const TAntei& a, const StemDesign& s, TextBlock& t) {
    const StemSectionForces& F = s.fixedEnd.F;
    t.addLine(a.stemPressureMethod == 0 ? "(b)断面力(土圧)の計算[試行くさび法で計算]"
                                        : "(b)断面力(土圧)の計算[逆算土圧係数で計算]");
    t.addLine(formatValue("   たて壁の固定端(H=0.000m)における曲げ", s.geometry.Hs));
    t.addLine("   ﾓｰﾒﾝﾄ(M)及び剪断力(S)は、次式で求める。");
    t.addLine(formatValue("   M(曲げﾓｰﾒﾝﾄ)    =Ph･h           =0.00kN･m", F.Mearth));
    t.addLine(formatValue("   S(剪断力)       =Ph             =0.00kN", F.Ph));
    t.addLine("   ここに");
    t.addLine(formatValue("     Ph(水平土圧)  =Pa･cos(δ+α)  =0.00kN", F.Ph));
    t.addLine(formatValue("     h (土圧作用点)                =0.000m", F.h));
}

void writeInertiaLines(const TAntei& a, const StemSectionForces& F, TextBlock& t) {
    t.addLine("(c)断面力(地震慣性力)の計算");
    if (a.seismicCase == 0) {
        t.addLine("   常時であり、地震慣性力はない。");
    } else if (a.seismicCombination == 4) {
        t.addLine("   地震慣性力は、無視する。");
    } else {
        t.addLine("   躯体重量は、座標法にて求める。");
        t.addLine("   地震慣性力は、次式にて求める。");
        t.addLine("");
        t.addLine(formatValue("   Pv(躯体重量)         =0.00kN", F.Pbody));
        t.addLine(formatValue("   Ph(地震慣性力)=Pv･Kh =0.00kN", F.Pinertia));
        t.addLine(formatValue("   Mt(地震ﾓｰﾒﾝﾄ )=Ph･H  =0.00kNm", F.Mt));
        t.addLine("   ここに");
        t.addLine(formatValue("     Kh(水平震度)       =0.00", a.khInertia));
        t.addLine(formatValue("     H (慣性力作用点)   =0.000m", F.yInertia));
    }
    t.addLine("");
}

void writeWaterLines(const TAntei& a, const StemSectionForces& F, TextBlock& t) {
    t.addLine("(d)断面力(水圧)の計算");
    if (F.Hw > 0) {
        t.addLine("   水圧は、次式にて求める。");
        t.addLine("");
        t.addLine("                  Hw^2");
        t.addLine(formatValue("   Pwh(水圧)=γw･------ =0.00kN", F.Pwh));
        t.addLine("                   2");
        t.addLine("");
        t.addLine(formatValue("   Pwm(水圧ﾓｰﾒﾝﾄ )=Pwh･H=0.00kNm", F.Pwm));
        t.addLine("");
        t.addLine("   ここに");
        t.addLine(formatValue("     γw(水の単位重量)  =0.00kN/m3", a.waterUnitWeight));
        t.addLine(formatValue("     Hw (水深)          =0.000m", F.Hw));
        t.addLine(formatValue("     H  (作用点)=Hw/3   =0.000m", F.yWater));
    } else {
        t.addLine("   水圧は無い。");
    }
    t.addLine("");
}

// σ line of the check: "≦" within the allowable value, "＞" beyond it.
std::string checkedLine(const char* templ, double value, const char* within, const char* beyond,
                        double allowable) {
    return formatValue(templ, value) + formatValue(value <= allowable ? within : beyond, allowable);
}

void writeStressLines(const TAntei& a, const StemDesign& s, TextSection& t) {
    const StemSectionCheck& c = s.fixedEnd;
    const SectionStresses& st = *c.stresses;
    t.addLine("　応力度は、次式で求める");
    t.addLine("　　　　　　　　　　　2･M");
    t.addLine(checkedLine("　σc(圧縮応力度)=------------=0.00N/mm2", st.sigmaC, " (≦σca=0.00N/mm2)",
                          " (＞σca=0.00N/mm2)", a.sigmaCa));
    t.addLine("　　　　　　　　　 b･x(d-x/3)");
    t.addLine("　　　　　　　　　　　　 d-x");
    t.addLine(checkedLine("　σs(引張応力度)=n･σc･------=0.00N/mm2", st.sigmaS, " (≦σsa=0.00N/mm2)",
                          " (＞σsa=0.00N/mm2)", a.sigmaSa));
    t.addLine("　　　　　　　　　　　　　x");
    t.addLine("　　　　　　　　　　　　Sh");
    t.addLine(checkedLine("　τm(平均剪断応力度)=-------=0.00N/mm2", c.tauM, " (≦τa=0.00N/mm2)",
                          " (＞τa=0.00N/mm2)", c.tauA));
    t.addLine("　　　　　　　　　　　　b･d");
    t.addLine(formatValue("　τa(許容剪断応力度)=τa1･Ce･Cpt=0.00N/mm2", c.tauA));
    t.addLine("　ここに");
    t.addLine(formatValue("　　M(曲げﾓｰﾒﾝﾄ)　　 =0.00kN･m", c.F.M));
    t.addLine("　　b(幅)　　　　　　=1,000mm");
    t.addLine(formatValue("　　d(部材厚-かぶり) =0,0mm", c.d));
    t.addLine("　　　 15･As　　　　　　2b･d");
    t.addLine("　　x=-------･(-1+√(1+-------))" + formatValue("=0mm", st.x));
    t.addLine("　　　　 b　　　　　　　15･As");
    t.addLine("　　　　　　　　　　　　　　　　　　　　M");
    t.addLine("　　Sh(有効高変化の影響考慮剪断力)=S－-----･(tanβ+tanγ)" +
              formatValue("=0.00kN", c.F.Sh));
    t.addLine("　　　　　　　　　　　　　　　　　　　　d");
    t.addLine("　　　S　　(剪断力)　　　　　　　　　　　　　　　　　" +
              formatValue("=0.00kN", c.F.S));
    t.addLine("　　　tanβ(部材圧縮縁の部材軸との角度)　　　　　　　" +
              formatValue("=0.00度", memberAxisDegrees(s.geometry.tanBeta)));
    t.addLine("　　　tanγ(引張り鋼材の部材軸との角度)　　　　　　　" +
              formatValue("=0.00度", memberAxisDegrees(s.geometry.tanGamma)));
    t.addLine("　　　τa1 (許容剪断応力度基準値)　　　　　　　　　　" +
              formatValue("=0.00N/mm2", a.tauA1));
    t.addLine("　　　Ce　 (有効高dの補正係数：表から補間計算)　　　 " +
              formatValue("=0.000", c.Ce) + " (0.5≦Ce ≦1.4)");
    t.addLine("　　　Pt　 (軸方向引張鉄筋比)　　　　　　　　　　　　" +
              formatValue("=0.000%", c.Pt * 100));
    t.addLine("　　　Cpt　(軸方向引張鉄筋比補正係数：表から補間計算)" +
              formatValue("=0.000", c.Cpt) + " (0.7≦Cpt≦1.5)");
}

}  // namespace

void writeStemForcesText(const TAntei& a, const DesignConditions& dc, const StemDesign& s,
                         CalculationBook& book) {
    TextSection& section = book.text(TextId::StemForcesText);
    TextBlock& t = section.upper();
    t.clear();
    t.addLine("1.たて壁の計算");
    t.addLine("    たて壁は、底版との結合部を固定端");
    t.addLine("  とする片持梁として設計する。");
    writeLoadsConsidered(a, t);
    t.addLine("  鉛直分力及びたて壁自重は無視する。");
    writeEarthPressureLines(a, dc, s, t);
    writeSectionForceLines(a, s, t);

    TextBlock& lower = section.lower();
    lower.clear();
    writeInertiaLines(a, s.fixedEnd.F, lower);
    writeWaterLines(a, s.fixedEnd.F, lower);
    lower.addLine("以下、同様に各高さの土圧、断面力");
    lower.addLine("を求める。");
    lower.addLine("");
    lower.addLine("計算結果を[表]に示す。");
}

void writeStemStressText(const TAntei& a, const StemDesign& s, CalculationBook& book) {
    TextSection& t = book.text(TextId::StemStressText);
    const BarSelection& bars = s.bars;
    t.clear();
    t.addLine("(e)応力度計算");
    t.addLine("①必要鉄筋量の計算");
    t.addLine("　固定端における必要鉄筋量(As)は、次式で求める。");
    t.addLine("　　　　　M");
    t.addLine(formatValue("　As=---------------　　=0,0mm2", bars.requiredArea));
    t.addLine("　　 σsa･(d-x/3)");
    t.addLine("　ここに");
    t.addLine(formatValue("　　σsa(許容引張応力度)=0.00N/mm2", a.sigmaSa));
    t.addLine("　　xは、次式で求める");
    t.addLine("　　　　　　　　 6･M･15");
    t.addLine("　　x^3-3d･x^2-(--------)･(x-d)=0");
    t.addLine("　　　　　　　　 σsa･b");
    t.addLine(formatValue("　上記式を解いてx=0mmを得る。", bars.neutralAxis));
    if (bars.found) {
        t.addLine(formatValue("　配筋は、鉄筋直径=D0mm", bars.diameter) +
                  formatValue("、鉄筋ﾋﾟｯﾁ=@0mmとする。", bars.pitch));
    }
    if (!bars.found) {
        // No combination of the bar table exceeds the required area: the search's
        // fallback area is no provided area and is not printed as one.
        t.addLine("　鉄筋の組合せが見つからず、鉄筋量不足である。");
    } else {
        t.addLine(formatValue(s.barsSufficient()
                                  ? "　使用鉄筋量は、0,0mm2となり必要鉄筋量を満足する。"
                                  : "　使用鉄筋量は、0,0mm2となり鉄筋量不足である。",
                              bars.providedArea));
    }
    t.addLine("");
    t.addLine("②実応力度の計算");
    if (s.fixedEnd.hasBars()) {
        writeStressLines(a, s, t);
    } else {
        t.addLine("　鉄筋量不足のため、応力度の計算は行わない。");
    }
    t.addLine("　同様に各断面の計算を行う。");
    t.addLine("　計算結果を一覧表に示す。");
}

void writeStemTables(const StemDesign& s, CalculationBook& book) {
    TableSection& forces = book.table(TableId::StemForcesTable);
    TableSection& stress = book.table(TableId::StemStressTable);
    for (int i = 0; i < 4; ++i) {
        const StemSectionCheck& c = s.quarterPoints[static_cast<std::size_t>(i)];
        const StemSectionForces& F = c.F;
        const int col = 4 - i;
        const struct {
            const char* pattern;
            double value;
        } forceRows[] = {{"0.000m", F.y},        {"0.00kN", F.Ph},    {"0.000m", F.h},
                         {"0.00kNm", F.Mearth},  {"0.00kN", F.Pbody}, {"0.00kN", F.Pinertia},
                         {"0.000m", F.yInertia}, {"0.00kNm", F.Mt},   {"0.00kN", F.Pwh},
                         {"0.000m", F.yWater},   {"0.00kNm", F.Pwm},  {"0.00kNm", F.M},
                         {"0.00kN", F.S}};
        int row = 1;
        for (const auto& r : forceRows) forces.setCell(col, row++, formatValue(r.pattern, r.value));

        const std::string none = "---";
        stress.setCell(col, 1, formatValue("0.000m", F.y));
        stress.setCell(col, 2, formatValue("0.000m", F.t));
        stress.setCell(col, 3, formatValue("0.00kNm", F.M));
        stress.setCell(col, 4, formatValue("0.00kN", F.S));
        stress.setCell(col, 5, formatValue("0.00kN", F.Sh));
        stress.setCell(col, 6, formatValue(",0mm2", c.required.As));
        stress.setCell(col, 11, formatValue("0.00N/mm2", c.tauM));
        stress.setCell(col, 13, formatValue("0.000", c.Ce));
        stress.setCell(col, 15, c.ok ? "OK" : "不可");
        if (!c.hasBars()) {
            for (int r : {7, 8, 9, 10, 12, 14}) stress.setCell(col, r, none);
            continue;
        }
        stress.setCell(col, 7, formatValue(",0mm2", c.providedArea));
        stress.setCell(col, 8, barDesignation(s.bars.diameter, c.pitch));
        stress.setCell(col, 9, formatValue("0.00N/mm2", c.stresses->sigmaC));
        stress.setCell(col, 10, formatValue("0.00N/mm2", c.stresses->sigmaS));
        stress.setCell(col, 12, formatValue("0.00N/mm2", c.tauA));
        stress.setCell(col, 14, formatValue("0.000%", 100 * c.Pt) + formatValue(":0.000", c.Cpt));
    }
}

void drawStemStressFigure(const TAntei& a, const PolygonResult& wallBody, CalculationBook& book) {
    FigureSection& f = book.figure(FigureId::StemStressFigure);
    f.clearSeries();
    f.series(1).setColour(colours::black);
    f.series(2).setColour(colours::black);
    const double H = a.wallHeight;
    f.setAxisRanges(a.point(12).y - 1, H + 1, -0.5, a.baseWidth + 0.5);
    drawPolygonOutline(wallBody, f.series(1));

    const TableSection& stress = book.table(TableId::StemStressTable);
    const WallPoint& P5 = a.point(5);
    const double cover = a.coverStem;
    FigureSeries& bar = f.series(2);
    bar.addPoint(P5.x - cover, P5.y - cover, stress.cell(4, 8) + ":" + stress.cell(4, 9));
    bar.addPoint(P5.x - cover + std::tan(a.backFaceAngle) * (P5.y - cover - a.coverSlab),
                 a.coverSlab, " ");
}

void writeStemPages(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                    const StemDesign& s, CalculationBook& book) {
    writeStemForcesText(a, dc, s, book);
    writeStemStressText(a, s, book);
    writeAnchorageText(a, s, book);
    writeStemTables(s, book);
    drawAnchorageFigures(a, wallBody, dc, s, book);
}

}  // namespace marvoten
